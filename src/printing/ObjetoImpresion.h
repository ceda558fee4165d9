#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace report {
class ImpresionReportes;
}

// One call of the print object's ImprimirReporte, argument by argument. An empty formula is one
// the caller did not give.
struct LlamadaReporte {
    QString reporte;
    QStringList ordenCampos;
    QString seleccion;
    QString conexion;
    std::array<QString, 5> formulas;
    QString subReporte;
    QString reservado;
    QString subReporte2;

    bool operator==(const LlamadaReporte &) const = default;
};

// What the report printer uses of the print object: destinations, printer, formulas, prints.
class ObjetoImpresion {
public:
    virtual ~ObjetoImpresion() = default;

    virtual int DestinoImpresora() const = 0;
    virtual int DestinoPantalla() const = 0;
    virtual int DestinoCorreo() const = 0;
    virtual int DestinoReporte() const = 0;
    virtual void setDestinoReporte(int destino) = 0;
    virtual void setNombreImpresora(const QString &nombre) = 0;
    virtual void setControladorImpresora(const QString &controlador) = 0;
    virtual void setPuertoImpresora(const QString &puerto) = 0;
    // Throws as the print library does.
    virtual void AsignarFormulas(const QStringList &formulas) = 0;
    virtual void ImprimirReporte(const LlamadaReporte &llamada) = 0;
    virtual void Terminar(int segundos) = 0;
};

// The print object of the program: the print library's ImpresionReportes.
class ObjetoImpresionReportes : public ObjetoImpresion {
public:
    explicit ObjetoImpresionReportes(report::ImpresionReportes &impresion)
        : m_impresion(impresion)
    {
    }

    int DestinoImpresora() const override;
    int DestinoPantalla() const override;
    int DestinoCorreo() const override;
    int DestinoReporte() const override;
    void setDestinoReporte(int destino) override;
    void setNombreImpresora(const QString &nombre) override;
    void setControladorImpresora(const QString &controlador) override;
    void setPuertoImpresora(const QString &puerto) override;
    void AsignarFormulas(const QStringList &formulas) override;
    void ImprimirReporte(const LlamadaReporte &llamada) override;
    void Terminar(int segundos) override;

private:
    report::ImpresionReportes &m_impresion;
};
