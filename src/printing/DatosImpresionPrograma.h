#pragma once

#include "printing/DatosImpresion.h"

class DB_Dll;

// The program's print-data builders, on connection `base`: the receipt rows, the voucher rows
// and the accounting-entry print.
class DatosImpresionPrograma : public DatosImpresion {
public:
    explicit DatosImpresionPrograma(DB_Dll &base)
        : m_base(base)
    {
    }

    void GeneraAuxiliarRecibo_PagoCobranza(const QString &TC, const QString &Sucursal, const QString &Numero,
                                           const QString &Letra, const QString &Cuenta, QStringList &Formulas,
                                           long Copias, long ItemsPorPagina) override;
    void GeneraAuxiliarComprobantes(QString &TC, const QString &SucursalDesde, const QString &NumeroDesde,
                                    const QString &LetraDesde, const QString &IdComplementoDesde, qint16 AltoTitulo,
                                    const QString &SucursalHasta, const QString &NumeroHasta, const QString &LetraHasta,
                                    const QString &IdComplementoHasta, const QString &ListaId,
                                    const QString &ListaIdComprobante, const QString &IdTarea,
                                    bool ConservarFilas) override;
    void FormulasAsiento(const QString &TC, const QString &Sucursal, const QString &Numero, const QString &Letra,
                         const QString &MesOperativo, const QString &NumeroAsiento, const QString &Periodo,
                         bool CentroCosto, bool Pantalla, bool Angosto) override;

private:
    DB_Dll &m_base;
};
