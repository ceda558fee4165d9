#include "grid/GrillaFlex.h"

#include "components/TeclasTexto.h"
#include "grid/ModeloGrilla.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

int botonVB(Qt::MouseButtons botones)
{
    return (botones.testFlag(Qt::LeftButton) ? 1 : 0) | (botones.testFlag(Qt::RightButton) ? 2 : 0)
           | (botones.testFlag(Qt::MiddleButton) ? 4 : 0);
}

QString textoDe(const rt::Variant &valor)
{
    return valor.isNull() || valor.isEmpty() ? QString() : rt::CStr(valor);
}

} // namespace

GrillaFlex::GrillaFlex(QWidget *parent)
    : QTableView(parent)
    , m_modelo(new ModeloGrilla(this))
{
    setModel(m_modelo);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    m_modelo->dimensionar(2, 2);
}

int GrillaFlex::Rows() const
{
    return m_modelo->Rows();
}

void GrillaFlex::setRows(int filas)
{
    m_modelo->dimensionar(filas, m_modelo->Cols());
    mostrarActual();
}

int GrillaFlex::Cols() const
{
    return m_modelo->Cols();
}

void GrillaFlex::setCols(int columnas)
{
    m_modelo->dimensionar(m_modelo->Rows(), columnas);
    mostrarActual();
}

QString GrillaFlex::TextMatrix(int fila, int columna) const
{
    return m_modelo->texto(fila, columna);
}

void GrillaFlex::setTextMatrix(int fila, int columna, const QString &texto)
{
    m_modelo->setTexto(fila, columna, texto);
}

void GrillaFlex::Clear()
{
    m_modelo->limpiar();
    mostrarActual();
}

int GrillaFlex::ColWidth(int columna) const
{
    if (columna == 0)
        return m_anchoNumeros;
    return twipsDePixeles(columnWidth(columna - 1));
}

void GrillaFlex::setColWidth(int columna, int twips)
{
    const int pixeles = qMax(0, twips / TwipsPorPixel);
    if (columna == 0) {
        m_anchoNumeros = qMax(0, twips);
        verticalHeader()->setFixedWidth(pixeles);
        return;
    }
    setColumnWidth(columna - 1, pixeles);
}

int GrillaFlex::anchoTexto(const QString &texto) const
{
    return twipsDePixeles(fontMetrics().horizontalAdvance(texto));
}

void GrillaFlex::setRow(int fila)
{
    m_fila = fila;
    mostrarActual();
}

void GrillaFlex::setCol(int columna)
{
    m_columna = columna;
    mostrarActual();
}

QColor GrillaFlex::CellBackColor() const
{
    return m_modelo->fondo(m_fila, m_columna);
}

void GrillaFlex::setCellBackColor(const QColor &color)
{
    m_modelo->setFondo(m_fila, m_columna, color);
}

bool GrillaFlex::CellFontBold() const
{
    return m_modelo->negrita(m_fila, m_columna);
}

void GrillaFlex::setCellFontBold(bool negrita)
{
    m_modelo->setNegrita(m_fila, m_columna, negrita);
}

QColor GrillaFlex::colorCelda(int fila, int columna) const
{
    return m_modelo->fondo(fila, columna);
}

void GrillaFlex::setColorCelda(int fila, int columna, const QColor &color)
{
    m_modelo->setFondo(fila, columna, color);
}

void GrillaFlex::cargar(ado::Recordset &rs, long saltar)
{
    const int campos = static_cast<int>(rs.FieldCount());
    const int columnas = campos + 1;
    QList<QString> textos;
    textos.reserve(qsizetype(rs.RecordCount() + 1) * columnas);
    textos.append(QString());
    for (int c = 0; c < campos; ++c)
        textos.append(rs.Fields(c).Name());
    for (long salto = 0; salto < saltar && !rs.EOF_(); ++salto)
        rs.MoveNext();
    int filas = 1;
    for (; !rs.EOF_(); rs.MoveNext(), ++filas) {
        textos.append(QString());
        for (int c = 0; c < campos; ++c)
            textos.append(textoDe(rs.Fields(c).Value()));
    }
    m_modelo->cargar(filas, columnas, std::move(textos));
    m_fila = filas > 1 ? 1 : 0;
    m_columna = columnas > 1 ? 1 : 0;
    mostrarActual();
}

void GrillaFlex::mostrarActual()
{
    if (m_fila < 1 || m_columna < 1 || m_fila >= Rows() || m_columna >= Cols())
        return;
    m_moviendo = true;
    selectionModel()->setCurrentIndex(m_modelo->index(m_fila - 1, m_columna - 1), QItemSelectionModel::ClearAndSelect);
    m_moviendo = false;
}

void GrillaFlex::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_moviendo || !current.isValid())
        return;
    emit LeaveCell();
    m_fila = current.row() + 1;
    m_columna = current.column() + 1;
    emit EnterCell();
    emit RowColChange();
}

void GrillaFlex::keyPressEvent(QKeyEvent *event)
{
    const int pulsada = TeclasTexto::codigoTecla(*event);
    int KeyCode = pulsada;
    emit KeyDown(KeyCode, TeclasTexto::estadoMayusculas(event->modifiers()));
    // A KeyDown handler that sets KeyCode to 0 takes the key: the grid does not act on it.
    if (pulsada != 0 && KeyCode == 0) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
    int KeyAscii = TeclasTexto::codigoCaracter(*event);
    if (KeyAscii != 0)
        emit KeyPress(KeyAscii);
}

void GrillaFlex::keyReleaseEvent(QKeyEvent *event)
{
    int KeyCode = TeclasTexto::codigoTecla(*event);
    emit KeyUp(KeyCode, TeclasTexto::estadoMayusculas(event->modifiers()));
    QTableView::keyReleaseEvent(event);
}

void GrillaFlex::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(botonVB(event->buttons()), TeclasTexto::estadoMayusculas(event->modifiers()),
                   float(event->position().x() * TwipsPorPixel), float(event->position().y() * TwipsPorPixel));
    QTableView::mousePressEvent(event);
}

void GrillaFlex::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    emit Click();
}

void GrillaFlex::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick();
}

void GrillaFlex::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    emit GotFocus();
}

void GrillaFlex::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    emit LostFocus();
}
