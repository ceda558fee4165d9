#pragma once

#include <QString>
#include <optional>

class DB_Dll;

namespace ado {
class Recordset;
}

// The ledger-account look-ups of receipts and payment orders: their retention and discount
// accounts, and what kind of means of payment an account is (read from MA_CUENTAS). Read-only.
// Account codes compare trimmed and without regard to letter case.
class ast {
public:
    explicit ast(DB_Dll &db)
        : m_db(db)
    {
    }

    // The IVA, income-tax and gross-income retention accounts and the discount account of
    // receipts (EsRecibo) or payment orders, from the TA_CUENTASIVA row: each column trimmed,
    // an empty one taking its CFI_ fall-back; an empty discount account takes the setting
    // "CuentaDesCuentosOtorgados" (receipts) or "CuentaDesCuentosObtenidos" (orders), untrimmed.
    // Without a settings row: empty retention accounts and "CuentaDesCuentosObtenidos". Errors go
    // to the connection's dialog ("CuentaIVADF"); leaving keeps the outputs set so far.
    void CuentaIVADF(QString &CtaRetIVA, QString &CtaRetGanancias, QString &CtaRetIBrtos, QString &CtaDescuento,
                     bool EsRecibo);

    // Whether MA_CUENTAS holds the account: searched by optional code (PorCodigoOpcional) or by
    // code, then by the other. Found by code after the optional code: True, Codigo unchanged.
    // Otherwise Codigo becomes the row's Codigo, and a row found by optional code after the code
    // sets PorCodigoOpcional. `Registro`, when given, receives the last set opened. Errors go to
    // MostrarError ("ExisteCuenta"); leaving returns the result so far.
    bool ExisteCuenta(QString &Codigo, ado::Recordset *Registro, bool SoloLectura, bool &PorCodigoOpcional);

    // The means-of-payment look-ups. Each searches the account by its first non-empty key (the
    // first key tested as given, the second trimmed; the search uses the trimmed key) and, when
    // found, fills Descripcion with its trimmed description and answers by its class; False with
    // an empty description when nothing is found. Errors pass to the caller.
    //   CuentasEfectivoRetenciones: Codigo by code, else CodigoCuenta through ExisteCuenta
    //     (optional code first); True for means EF, RI, RG, RB and RO.
    //   CuentasBancos: CodigoOpcional by optional code, else Codigo by code; True for a bank
    //     view (TipoVista BC) of cheques (CH). Codigo becomes the row's trimmed code.
    //   CuentasDebito: as CuentasBancos; True for means DB.
    //   CuentasCheques: Codigo by code, else CodigoOpcional by optional code; True for CH.
    //   CuentasTarjetas: as CuentasCheques; True for TJ.
    bool CuentasEfectivoRetenciones(const QString &CodigoCuenta, QString &Descripcion, const QString &Codigo = {});
    bool CuentasBancos(const QString &CodigoOpcional, QString &Codigo, QString &Descripcion);
    bool CuentasDebito(const QString &CodigoOpcional, QString &Codigo, QString &Descripcion);
    bool CuentasCheques(const QString &CodigoOpcional, QString &Descripcion, const QString &Codigo);
    bool CuentasTarjetas(const QString &CodigoOpcional, QString &Descripcion, const QString &Codigo);

    // The retention-kind look-ups: Codigo when MA_CUENTAS holds it with means of payment RI
    // (IVA), RG (income tax), RB (gross income) or RO (other); "" otherwise and for a blank code.
    // Errors pass to the caller.
    QString CuentaRetIVA(const QString &Codigo);
    QString CuentaRetGanancias(const QString &Codigo);
    QString CuentaRetIBrtos(const QString &Codigo);
    QString CuentaRetOtra(const QString &Codigo);

private:
    // The account of the first non-empty key (the first as given, the second trimmed, both searched
    // trimmed): its trimmed means of payment, its description into Descripcion (cleared first),
    // its view into `tipoVista` and its trimmed code into `codigo` when given; nullopt when none.
    std::optional<QString> buscar(const QString &primera, const QString &campoPrimera, const QString &segunda,
                                  const QString &campoSegunda, QString &Descripcion, QString *tipoVista = nullptr,
                                  QString *codigo = nullptr);
    // Trim(MedioDePago) (and Trim(TipoVista)) of the row, its description into Descripcion.
    QString medioDePago(ado::Recordset &rs, QString &Descripcion, QString *tipoVista = nullptr);
    QString cuentaDeMedio(const QString &Codigo, const QString &medio);

    DB_Dll &m_db;
};
