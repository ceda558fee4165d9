#pragma once

#include "platform/serial/MSComm.h"
#include "session/LazyInstance.h"

#include <QString>

// The hidden host of the kitchen printer's serial port: never shown, made on first use and
// kept for the whole run. Its port is 9600 baud, 8 data bits, no parity, 1 stop bit; the
// device behind COMn is the workstation's setting "COMn" in its section of "CN000pr.INI", by
// default the system's serial device n - 1.
class FrmMvVentas {
public:
    FrmMvVentas();

    // The device of port `n`, as the setting of this workstation names it.
    static QString DispositivoPuerto(int n);

    serial::MSComm MSComm1;
};

extern core::LazyInstance<FrmMvVentas> gFrmMvVentas;

// Releases the host and its port; the next use makes a new one.
void liberarFrmMvVentas();
