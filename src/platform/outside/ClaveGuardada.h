#pragma once

#include <QString>

namespace outside {

// The stored form of passwords and user names in the INI file, "BASES.TXT" and TA_USUARIOS.
// It hides the text from a casual look; it is not encryption. Each UTF-8 byte of the text is
// combined (exclusive or) with the matching byte of a fixed key, repeated as needed, and written
// as two upper-case hexadecimal digits; "" stays "". Texts stored by the other programs of the
// suite use another form and cannot be read back.
QString codificarClave(const QString &texto);

// The text that codificarClave was given. A text that is not in the stored form (odd length,
// a character that is no hexadecimal digit, bytes that are no UTF-8) is returned as it stands.
QString decodificarClave(const QString &guardado);

} // namespace outside
