#pragma once

#include "platform/runtime/Currency.h"

#include <QString>
#include <optional>

class DB_Dll;

// The seven amounts of a collection split by how the customer paid, each a currency value.
struct ImportesImputacion {
    rt::Currency Ef; // cash, means of payment "EF"
    rt::Currency Ch; // cheques, "CH"
    rt::Currency Tj; // cards, "TJ"
    rt::Currency DB; // bank, "DB"
    rt::Currency Dto; // discounts granted: lines on the discount account of no listed code
    rt::Currency Ret; // retentions, "RI", "RB", "RG" and "RO"
    rt::Currency otros; // every other debit line
};

// Splits a collection by the means of payment of its debit lines. Reads through the given
// connection and the configuration store; writes nothing. The discount account is read when a
// line first needs it and kept: one object serves the split loop of one settlement build, which
// holds the database for writing, so no setting changes under it.
class ImputacionCobranza {
public:
    explicit ImputacionCobranza(DB_Dll &db)
        : m_db(db)
    {
    }

    // ImputacionCob: the split of the collection TC, point of sale Suc (4 characters), number
    // Nro (8) and letter (1) into `importes`, every amount first set to 0. Each debit line after
    // the first whose account is in MA_CUENTAS adds its Importe to the amount of its account's
    // means-of-payment code (letter case ignored); a line of no listed code goes to Dto when it
    // is on the discount account, else to otros. Throws RuntimeError when a line cannot be read
    // (94 for a Null Importe, 3704 when a query did not open).
    void ImputacionCob(const QString &TC, const QString &Suc, const QString &Nro, const QString &letra,
                       ImportesImputacion &importes);

private:
    // The discount account of collections, trimmed: the setting "CuentaDesCuentosOtorgados";
    // else CB_DESCUENTO of the first row of TA_CUENTASIVA; else the setting
    // "CuentaDesCuentosObtenidos".
    QString cuentaDescuentos();
    const QString &cuentaDescuento();

    DB_Dll &m_db;
    std::optional<QString> m_cuentaDescuento;
};
