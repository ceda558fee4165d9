#pragma once

#include "printing/TrabajoComprobante.h"

#include <QString>
#include <array>
#include <functional>

class AvisosArchivos;
class Comandera;
class DB_Dll;
class ObjetoImpresion;
class RutasArchivo;
struct LlamadaReporte;

namespace rt {
class StepRunner;
}

// The second stage of the report printer: hands the job's formulas to the print object,
// resolves destination and printer, and then prints nothing (a selective or fiscal
// destination), a kitchen ticket, every configured copy with its form and copy name (orders
// also routed by article group to their section printers) or one given form; then ends the
// print object's batch.
class SalidaTrabajo {
public:
    // `comandera` may be null where no kitchen printer is installed. `conexion` is the report
    // connection text; `carpetaReportes` the folder of the forms given by bare name.
    SalidaTrabajo(DB_Dll &base, ObjetoImpresion &objeto, Comandera *comandera, const RutasArchivo &rutas,
                  AvisosArchivos &avisos, const QString &carpetaReportes, const QString &conexion);

    // Prints `trabajo`, each statement one step of `pasos`; its Destino comes back resolved.
    // Returns false when the handler's answer left the routine.
    bool imprimir(TrabajoComprobante &trabajo, const rt::StepRunner &pasos);

private:
    using Paso = std::function<void()>;

    void destino();
    void impresoraDeTexto(const QString &texto);
    void comandera();
    bool copias(const rt::StepRunner &pasos);
    void copia(int n, QString &anterior);
    void unArchivo();
    void seccionesPedido(const QString &formulario, const QString &nombreCopia);
    bool existe(QString &formulario);
    void avisarFaltante(const QString &formulario);
    LlamadaReporte llamada(const QString &reporte) const;
    std::array<QString, 5> formulasTerceros() const;
    std::array<QString, 5> formulasElectronicas(const QString &nombreCopia) const;
    bool esDestino(int codigo) const;

    DB_Dll &m_base;
    ObjetoImpresion &m_objeto;
    Comandera *m_comandera;
    const RutasArchivo &m_rutas;
    AvisosArchivos &m_avisos;
    QString m_carpeta;
    QString m_conexion;
    TrabajoComprobante *m_trabajo = nullptr;
};
