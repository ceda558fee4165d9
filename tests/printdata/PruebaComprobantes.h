#pragma once

#include "printdata/vouchers/AuxiliarComprobantes.h"
#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

// A fresh database with the program's main connection open on it, scripted dialogs and the
// workstation's second identity text fixed to "cajero1".
class PruebaComprobantes : public support::ProgramTest {
protected:
    PruebaComprobantes();
    ~PruebaComprobantes() override;

    // The workstation key the voucher rows carry.
    static QString claveEquipo();
    // Builds the rows of one voucher (type, 13-character number, complement 0).
    void generar(const QString &tc, const QString &idComprobante, const QString &idTarea = {}, bool conservar = false);
    // Runs the builder on a request; gives the type as it comes back.
    QString generarPedido(const QString &tc, const AuxiliarComprobantes::Pedido &pedido);
    // A voucher header of V_MV_CPTE; `extra` adds "column = literal" pairs.
    void comprobante(const QString &tc, const QString &id, const QString &importe, const QStringList &extra = {});
    void ajuste(const QString &clave, const QString &valor, const QString &valorAux = {});
    // The rows of the workstation as "Tipo|column=value|..." with every non-empty column among
    // `columnas`, in ID order.
    QStringList filas(const QStringList &columnas, const QString &condicion = {});

    support::ScriptedDialogs dialogos;
    TestDatabase db;
    VariableEntorno usuario{"USER", QStringLiteral("cajero1")};
};
