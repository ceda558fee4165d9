#pragma once

#include "printing/Comandera.h"
#include "printing/DatosImpresion.h"
#include "printing/ObjetoImpresion.h"
#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include "support/TestHelpers.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <ostream>

// The print object as the report printer drives it: every setting and call recorded, one text
// per event, in order.
class ObjetoRegistrado : public ObjetoImpresion {
public:
    int DestinoImpresora() const override { return 1; }
    int DestinoPantalla() const override { return pantalla; }
    int DestinoCorreo() const override { return 3; }
    int DestinoReporte() const override { return destino; }
    void setDestinoReporte(int d) override
    {
        destino = d;
        eventos << QStringLiteral("Destino %1").arg(d);
    }
    void setNombreImpresora(const QString &n) override { eventos << QStringLiteral("Nombre ") + n; }
    void setControladorImpresora(const QString &c) override { eventos << QStringLiteral("Controlador ") + c; }
    void setPuertoImpresora(const QString &p) override { eventos << QStringLiteral("Puerto ") + p; }
    void AsignarFormulas(const QStringList &f) override
    {
        formulas = f;
        eventos << QStringLiteral("Formulas");
    }
    void ImprimirReporte(const LlamadaReporte &l) override
    {
        llamadas.push_back(l);
        eventos << QStringLiteral("Imprimir ") + l.reporte;
    }
    void Terminar(int segundos) override { eventos << QStringLiteral("Terminar %1").arg(segundos); }

    int destino = -7;
    // The screen's code: the print library's 0, or another one where a test must tell the screen
    // from the fall-back code 0.
    int pantalla = 0;
    QStringList formulas;
    QStringList eventos;
    std::vector<LlamadaReporte> llamadas;
};

// The print-data builders, recorded: one text per call with its arguments joined by "|".
class DatosRegistrados : public DatosImpresion {
public:
    void GeneraAuxiliarRecibo_PagoCobranza(const QString &TC, const QString &Sucursal, const QString &Numero,
                                           const QString &Letra, const QString &Cuenta, QStringList &Formulas,
                                           long Copias, long ItemsPorPagina) override
    {
        ++construcciones;
        llamadas << QStringList{QStringLiteral("Recibo"),
                                TC,
                                Sucursal,
                                Numero,
                                Letra,
                                Cuenta,
                                QString::number(Formulas.size()),
                                QString::number(Copias),
                                QString::number(ItemsPorPagina)}
                        .join(QLatin1Char('|'));
        Formulas << formulasRecibo;
    }
    void GeneraAuxiliarComprobantes(QString &TC, const QString &SucursalDesde, const QString &NumeroDesde,
                                    const QString &LetraDesde, const QString &IdComplementoDesde, qint16 AltoTitulo,
                                    const QString &SucursalHasta, const QString &NumeroHasta, const QString &LetraHasta,
                                    const QString &IdComplementoHasta, const QString &ListaId,
                                    const QString &ListaIdComprobante, const QString &IdTarea,
                                    bool ConservarFilas) override
    {
        ++construcciones;
        llamadas << QStringList{QStringLiteral("Comprobantes"),
                                TC,
                                SucursalDesde,
                                NumeroDesde,
                                LetraDesde,
                                IdComplementoDesde,
                                QString::number(AltoTitulo),
                                SucursalHasta + NumeroHasta + LetraHasta + IdComplementoHasta + ListaId
                                    + ListaIdComprobante + IdTarea,
                                ConservarFilas ? QStringLiteral("conserva") : QStringLiteral("reemplaza")}
                        .join(QLatin1Char('|'));
        if (!tipoNormalizado.isEmpty())
            TC = tipoNormalizado;
    }
    void FormulasAsiento(const QString &TC, const QString &Sucursal, const QString &Numero, const QString &Letra,
                         const QString &MesOperativo, const QString &NumeroAsiento, const QString &Periodo,
                         bool CentroCosto, bool Pantalla, bool Angosto) override
    {
        llamadas << QStringList{QStringLiteral("Asiento"),
                                TC,
                                Sucursal,
                                Numero,
                                Letra,
                                MesOperativo,
                                NumeroAsiento,
                                Periodo,
                                CentroCosto ? QStringLiteral("CC") : QString(),
                                Pantalla ? QStringLiteral("pantalla") : QString(),
                                Angosto ? QStringLiteral("angosto") : QString()}
                        .join(QLatin1Char('|'));
    }

    QStringList llamadas;
    // How many times rows were built; another thread may read it while a print runs.
    std::atomic<int> construcciones = 0;
    QStringList formulasRecibo;
    QString tipoNormalizado;
};

class ComanderaRegistrada : public Comandera {
public:
    void ImprimeEnComandera(const QString &TC, const QString &IdComprobante, const QString &Impresora, bool Cocina,
                            bool Barra) override
    {
        tickets << QStringList{TC, IdComprobante, Impresora, Cocina ? QStringLiteral("cocina") : QString(),
                               Barra ? QStringLiteral("barra") : QString()}
                       .join(QLatin1Char('|'));
    }

    QStringList tickets;
};

// An empty business database with the program's main connection open on it, scripted dialogs,
// the error log in a temporary folder and a folder of forms `reportes` (empty until a test
// writes files into it). The workstation is this machine, as the outside Equipo object names
// it; gEquipoUsuario is its upper-case identity.
class PruebaImpresion : public support::ProgramTest {
protected:
    PruebaImpresion();
    ~PruebaImpresion() override;

    // `clave` of this workstation: machine name, "|", second identity text.
    static QString claveEquipo();
    // Settings rows: each pair CLAVE, VALOR.
    void configurar(std::initializer_list<std::pair<const char *, const char *>> pares);
    // Writes an empty file at `ruta` under the folder of forms (folders made as needed) and
    // gives its full path.
    QString archivo(const QString &ruta) const;
    QString carpeta() const { return reportes.path() + QLatin1Char('/'); }

    support::ScriptedDialogs dialogos;
    TestDatabase db;
    QTemporaryDir temporal;
    QTemporaryDir reportes;
};
