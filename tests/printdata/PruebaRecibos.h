#pragma once

#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"

#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Opens the program's main connection gBaseDatos on the test database as the start-up leaves it
// (an administrator, money with two decimals), its error log in `carpeta`.
void abrirConexionDePrueba(const QTemporaryDir &carpeta);

// The receipt print rows on a fresh embedded database, printed from the workstation "PC1|A"
// ("PC2|B" is the other one). The chart of accounts, by means of payment:
//   EF1 CAJA (EF); CH1 VALORES A DEPOSITAR (CH, bank view); BC1 BANCO NACION (DB, bank view);
//   TJ1 TARJETAS (TJ); RI1, RG1, RB1 retentions of IVA, income tax and gross income; RO1 (setting
//   "CTA_RET_OTRA_RO1" = "su") and RO2 (no setting) other retentions; DTO the discount account of
//   receipts, DTP (a cash account too) of payment orders; BCE a cash account of bank view; CLI
//   the customers' account; ZZ1 an account of an unknown means. CH1 has the optional code OPC-CH.
// Bank "0007" is BANCO EJEMPLO; "IncluirCuitLibrador" is "SI"; money has two decimals. Types FC
// (sales) and FCC (purchases, its system stored as " compras ") are registered.
// Vouchers are keyed "0001", the number in 8 digits and "X".
class PruebaRecibos : public support::ProgramTest {
protected:
    PruebaRecibos();
    ~PruebaRecibos() override;

    static QString clave(int numero);
    static QString estacion() { return QStringLiteral("PC1|A"); }

    // Entry line `secuencia` of voucher tc `numero` on 05/03/2024: debit or credit ("D"/"H"),
    // account and amount, then further columns as "Columna=valor" SQL literals.
    void linea(const QString &tc, int numero, int secuencia, const QString &dh, const QString &cuenta,
               const QString &importe, const QStringList &otras = {});
    // An application of voucher tc `numero` (printed under itself) to document tco `documento`.
    void aplicar(const QString &tc, int numero, const QString &tco, int documento, const QString &importe,
                 const QString &cuenta = QStringLiteral("CLI"));
    // A document header in V_MV_CPTE or C_MV_CPTE.
    void cabecera(const QString &tabla, const QString &tc, int numero, const QString &fecha, const QString &importe);

    // Builds the print rows of voucher tc `numero` from workstation `usuario`; the formulas.
    QStringList generar(const QString &tc, int numero, const QString &cuenta = {}, long copias = 1, long items = -1,
                        const QString &usuario = estacion());
    // The work rows of a workstation in insertion order, each as the given columns joined by "|"
    // (Null as "~").
    QStringList filas(const QString &columnas, const QString &usuario = estacion());

    QTemporaryDir temporal;
    TestDatabase db;
    support::ScriptedDialogs dialogos;
};
