#include "grid/CondicionesGrilla.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

using rt::CompareMode;

const QColor Encontrada(192, 232, 232);
const QString Todos = QStringLiteral("Todos");

bool contiene(const QString &texto, const QString &buscado)
{
    return rt::InStr(texto, buscado, CompareMode::Text) > 0;
}

} // namespace

void QvDbGrid::Buscar()
{
    QString texto = rt::Trim(txtBuscar->text());
    if (texto.isEmpty())
        texto =
            ui::InputBox(QStringLiteral("Campo seleccionado: ") + CboFiltroCampo->currentText() + QStringLiteral("\r\n")
                         + QStringLiteral("Ingrese el texto que desea buscar para el campo seleccionado: "));
    if (m_Find == 1) {
        buscarEnPagina(texto);
        txtBuscar->clear();
        return;
    }
    const auto columnaEn = [this](const QString &caption, int posicion) {
        const QString marca = QStringLiteral("|") + QString::number(posicion) + QStringLiteral("|");
        return CondicionesGrilla::Columna{caption, contiene(pColumnasFecha, marca), contiene(pColumnasTexto, marca)};
    };
    if (!rt::Trim(texto).isEmpty()) {
        QString condicion;
        if (CboFiltroCampo->currentText() == Todos) {
            QList<CondicionesGrilla::Columna> columnas;
            for (int c = 1; c < MSFlexGrid1->Cols(); ++c)
                columnas.append(columnaEn(MSFlexGrid1->TextMatrix(0, c), c - 1));
            condicion = CondicionesGrilla::condicionTodas(columnas, texto, m_equias);
        } else {
            const CondicionesGrilla::Columna columna =
                columnaEn(CboFiltroCampo->currentText(), CboFiltroCampo->currentIndex() - 1);
            const std::optional<QString> unica = CondicionesGrilla::condicionColumna(columna, texto, m_equias);
            if (!unica) {
                ui::MsgBox(QStringLiteral("Debe Ingresar un Formato de Fecha Válido."), ui::vbInformation,
                           QStringLiteral("Aviso al Usuario"));
                return;
            }
            condicion = *unica;
        }
        if (!condicion.isEmpty())
            pFiltro = CondicionesGrilla::agregarCondicion(pFiltro, condicion);
    }
    pCantidadRegistros = 0;
    pCancelarCarga = false;
    m_PaginaActual = 1;
    CargarPaginas();
    txtBuscar->clear();
}

// Marks the cells of the page shown that hold the text, in every column or in the one chosen;
// the last one marked becomes current. An empty text marks nothing.
void QvDbGrid::buscarEnPagina(const QString &texto)
{
    if (texto.isEmpty())
        return;
    const bool todas = CboFiltroCampo->currentText() == Todos;
    for (int c = 1; c < MSFlexGrid1->Cols(); ++c) {
        if (!todas && rt::StrComp(MSFlexGrid1->TextMatrix(0, c), CboFiltroCampo->currentText(), CompareMode::Text) != 0)
            continue;
        for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
            if (!contiene(MSFlexGrid1->TextMatrix(r, c), texto))
                continue;
            MSFlexGrid1->setCol(c);
            MSFlexGrid1->setRow(r);
            MSFlexGrid1->setCellBackColor(Encontrada);
        }
        if (!todas)
            break;
    }
}

void QvDbGrid::ArmarOrden()
{
    rt::resumeNext([this] { pColumnaOrden = MSFlexGrid1->Col(); });
    rt::resumeNext([this] {
        m_OrderBy = CondicionesGrilla::ArmarOrden(m_OrderBy, m_OrdenSent, m_Order,
                                                  MSFlexGrid1->TextMatrix(0, pColumnaOrden), m_sql, m_equias);
    });
    rt::resumeNext([this] { panelOrden->setText(QStringLiteral(" Orden: ") + m_OrderBy); });
}

void QvDbGrid::ImgOrdenAsc_Click()
{
    setOrdenSent(1);
    CargarGrid();
}

void QvDbGrid::ImgOrdenDesc_Click()
{
    setOrdenSent(2);
    CargarGrid();
}

void QvDbGrid::ImgOrdenN_Click()
{
    setOrdenSent(0);
    CargarGrid();
}

void QvDbGrid::ButtonMenuClick(QMenu *menu, int item, int &propiedad)
{
    QAction *elegido = menu->actions().at(item - 1);
    if (elegido->text().contains(u'»'))
        return;
    QAction *otro = menu->actions().at(item == 1 ? 1 : 0);
    elegido->setText(QStringLiteral("» ") + rt::Trim(elegido->text()));
    otro->setText(rt::Replace(otro->text(), QStringLiteral("» "), QStringLiteral("  ")));
    propiedad = item;
}
