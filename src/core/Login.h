#pragma once

#include <QString>

// Whether the user name and password are application credentials of this program. The
// database's own login name (the main connection's database, any letter case) is valid without
// a password, as the other programs of the suite launch this one with it. Otherwise the user's
// row of TA_USUARIOS for the systems "cn000pr" or "VORN" must exist and its stored password,
// decoded, must equal the typed one ignoring case. When the user is found, gUsuarioLogeado
// receives the name as typed. Failures of the query pass to the caller.
bool ValidaUsuario(const QString &UsuarioIngresado, const QString &ClaveIngresada);
