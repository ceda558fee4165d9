#pragma once

#include "printing/NombreReporte.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What a caller asks of the report printer for one voucher.
struct PedidoImpresion {
    QString TC;
    QString IdComprobante; // point of sale 4, number 8, letter 1
    QString IdComplemento = QStringLiteral("0"); // placed unquoted in the selection
    QString Reporte; // the report name the caller asks for
    QStringList OrdenCampos{QString()};
    QString Seleccion; // the caller's selection; clauses are added to it
    QStringList FormulasRecibo{QString()}; // the receipt builder's formulas
    int Destino = -1; // -1: the voucher type's default destination
    bool SinFiltroNumero = false;
    QString ParametroAsiento; // the entry date of an accounting voucher
    QString Formulario; // empty or "Todos": every configured copy; otherwise one file printed once
    bool EsAsiento = false;
    bool UnaCopia = false;
};

// The report printer's job for one voucher, once set up: what the output stage prints.
struct TrabajoComprobante {
    PedidoImpresion pedido;
    bool EsAsiento = false;
    bool Stock = false;
    bool Electronico = false;
    // Report formulas "Name = 'value'", always ending with one empty element.
    QStringList Formulas{QString()};
    QString Seleccion;
    QStringList OrdenCampos;
    // The report file chosen for the voucher, or the report name asked for when none was.
    QString Reporte;
    ArchivosReporte Archivos;
    // Printer settings of the voucher type.
    QString Impresora;
    qint16 Copias = 0;
    qint16 Lineas = 0;
    QString DestinoDefault;
    int Destino = -1;
    // Company data of the voucher's business unit.
    QString Empresa;
    QString Cuit;
    QString InicioActividades;
    QString IngresosBrutos;
    QString CondicionIva;
    // The header texts of the third-party and settlement prints.
    QString Direccion;
    QString Localidad;
    QString CodigoPostal;
    QString Telefono;
};
