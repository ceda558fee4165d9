#pragma once

#include <QByteArray>

// The bytes a kitchen printer should receive, written as text: the printer's commands as
// {AC} wide-centre, {NC} normal-centre, {ND} normal-right, {NI} normal-left, {AD} wide-right
// and {CORTE} the cut; every other character as its Windows-1252 byte ("\n" a line feed).
QByteArray TicketEsperado(const char *textoUtf8);
