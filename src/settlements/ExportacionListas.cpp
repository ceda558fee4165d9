#include "settlements/ExportacionListas.h"

#include "components/ExportacionLista.h"
#include "components/ModExportarExcel.h"

#include <QTreeWidget>
#include <array>

namespace {

struct Destino {
    ExportacionListas::Lista lista;
    QString titulo;
    QString fecha;
};

const std::array<Destino, 4> &destinos()
{
    using L = ExportacionListas::Lista;
    static const std::array<Destino, 4> tabla = {{
        {L::Vendedores, QStringLiteral("Exp Excel Vendedor"), QString()},
        {L::Cobranzas, QStringLiteral("Exp Excel Cobranza"), QStringLiteral("Fecha Cob")},
        {L::Comprobantes, QStringLiteral("Exp Excel Comprobantes"), QStringLiteral("Fecha")},
        {L::Detalle, QStringLiteral("Exp Excel Detalle"), QStringLiteral("Fecha")},
    }};
    return tabla;
}

const Destino *destinoDe(ExportacionListas::Lista lista)
{
    for (const Destino &destino : destinos()) {
        if (destino.lista == lista)
            return &destino;
    }
    return nullptr;
}

} // namespace

QString ExportacionListas::titulo(Lista lista)
{
    const Destino *destino = destinoDe(lista);
    return destino ? destino->titulo : QString();
}

ExportacionListas::Lista ExportacionListas::listaDeTitulo(const QString &texto)
{
    for (const Destino &destino : destinos()) {
        if (destino.titulo.compare(texto, Qt::CaseInsensitive) == 0)
            return destino.lista;
    }
    return Lista::Ninguna;
}

QString ExportacionListas::encabezadoFecha(Lista lista)
{
    const Destino *destino = destinoDe(lista);
    return destino ? destino->fecha : QString();
}

qint16 ExportacionListas::columnaEnHoja(const QTreeWidget &lista, const QString &encabezado)
{
    if (encabezado.isEmpty())
        return -1;
    // Slot p of the export's headings is the sheet column p.
    const QStringList titulos = ExportacionLista(&lista).titulos();
    for (int p = 1; p < titulos.size(); ++p) {
        if (titulos.at(p) == encabezado)
            return static_cast<qint16>(p);
    }
    return -1;
}

void ExportacionListas::exportar(QTreeWidget &lista, Lista rol)
{
    ExportarListViewExcel(&lista, true, false, columnaEnHoja(lista, encabezadoFecha(rol)), -1, -1);
}
