#pragma once

#include "platform/runtime/Currency.h"

#include <QString>

class DB_Dll;

// How an invoice or pro-forma was paid at the counter: the first counter receipt that applied
// voucher `IdComprobante` (CBFP for a pro-forma FP, CBCT for any other type) and the lines of
// that receipt's entry summed by means of payment: cash, card, cheque and all others. Each
// label is the account's description while every line of the group has the same one, else
// the group's generic word. Without a receipt, amounts 0 and labels empty. Errors pass to the
// caller.
void ObtenerMediosDePagoRecibo(DB_Dll &base, const QString &TC, const QString &IdComprobante,
                               rt::Currency &ImporteEfectivo, rt::Currency &ImporteTarjeta, QString &TextoEfectivo,
                               QString &TextoTarjeta, QString &TextoOtros, rt::Currency &ImporteOtros,
                               QString &TextoCheque, rt::Currency &ImporteCheque);
