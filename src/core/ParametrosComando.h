#pragma once

#include <QString>

// The command text of the start-up: pieces made of a key, "=" and a value closed by ";", found
// anywhere in the text (the first occurrence wins, letter case ignored, so "@Usuario" also finds
// the start of "@UsuarioLogeado").

// The process command line: the program's arguments after its name, joined by blanks.
QString LineaComandoProceso();

// Whether the key occurs in the command text.
bool ExisteParametro(const QString &Comando, const QString &Clave);

// The raw value of a key that occurs in the command text: the text between the end of the key
// and the first ";" after it, "=" and blanks included. Without a closing ";" the value of
// "@ParametroAdicional" is the 19 characters after the key (fewer where the text ends); for any
// other key it throws RuntimeError 5.
QString ValorParametro(const QString &Comando, const QString &Clave);

// A raw value as the start-up keeps it: every "=" removed, then trimmed.
QString LimpiarValor(const QString &Valor);

// The command text that the start-up builds from the INI file's connection keys.
QString ComandoDesdeIni(const QString &Servidor, const QString &Base, const QString &Usuario, const QString &Clave);

// The server name inside a server text: the part after its first "/" (the whole text when there
// is none), cut before the first ":" of that part.
QString ObtenerNombreServidor(const QString &TextoServidor);
