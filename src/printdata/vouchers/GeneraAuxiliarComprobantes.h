#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

// Builds the workstation's print rows of stored vouchers (every type but collection receipts and
// payment orders) in AUX_MV_CPTE and AUX_MV_CPTEQR, on the main connection. The vouchers are, by
// the first rule that applies: those of type TC numbered in ListaIdComprobante (quoted 13-character
// numbers); those whose ID is in ListaId (with TC "Todo" of any type, each printed as its own
// type); those of type TC whose ID is in ListaId; those of type TC from the "Desde" number and
// complement to the "Hasta" ones (no "Hasta": the "Desde" voucher alone; no ends: all).
// AltoTitulo is the rows of each section's title block; with IdTarea only that task's rows are
// built; ConservarFilas True keeps the workstation's earlier rows. TC comes back as stored.
// Failing statements are skipped; nothing is shown but a workstation key too long for the tables.
void GeneraAuxiliarComprobantes(QString &TC, QString &SucursalDesde, QString &NumeroDesde, QString &LetraDesde,
                                QString &IdComplementoDesde, qint16 &AltoTitulo, QString &SucursalHasta,
                                QString &NumeroHasta, QString &LetraHasta, QString &IdComplementoHasta,
                                QString &ListaId, QString &ListaIdComprobante, QString &IdTarea,
                                rt::Variant &ConservarFilas);
