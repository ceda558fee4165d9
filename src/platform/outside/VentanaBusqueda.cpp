#include "platform/outside/VentanaBusqueda.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace outside {

VentanaBusqueda::VentanaBusqueda(QWidget *parent)
    : QDialog(parent)
    , m_filtro(new QLineEdit(this))
    , m_lista(new QTableWidget(this))
{
    setObjectName(QStringLiteral("VentanaBusqueda"));
    setModal(true);
    resize(640, 420);
    m_filtro->setObjectName(QStringLiteral("txtFiltro"));
    m_filtro->setPlaceholderText(QStringLiteral("Buscar..."));
    m_lista->setObjectName(QStringLiteral("lstResultados"));
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lista->verticalHeader()->hide();
    m_lista->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *aceptar = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    aceptar->setObjectName(QStringLiteral("cmdAceptar"));
    aceptar->setDefault(true);
    QPushButton *cancelar = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("cmdCancelar"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_filtro);
    layout->addWidget(m_lista);
    layout->addWidget(buttons);

    connect(m_filtro, &QLineEdit::textChanged, this, &VentanaBusqueda::aplicarFiltro);
    connect(m_lista, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &VentanaBusqueda::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VentanaBusqueda::reject);
}

void VentanaBusqueda::cargar(const QString &titulo, const QStringList &columnas, const QList<QStringList> &filas,
                             int columnaClave)
{
    setWindowTitle(titulo);
    m_columnaClave = columnaClave;
    m_valorElegido.clear();
    m_lista->clear();
    m_lista->setColumnCount(static_cast<int>(columnas.size()));
    m_lista->setHorizontalHeaderLabels(columnas);
    m_lista->setRowCount(static_cast<int>(filas.size()));
    for (int row = 0; row < filas.size(); ++row) {
        for (int column = 0; column < filas[row].size() && column < columnas.size(); ++column)
            m_lista->setItem(row, column, new QTableWidgetItem(filas[row][column]));
    }
    m_filtro->clear();
    aplicarFiltro({});
    m_filtro->setFocus();
}

void VentanaBusqueda::setFiltro(const QString &texto)
{
    m_filtro->setText(texto);
}

QString VentanaBusqueda::filtro() const
{
    return m_filtro->text();
}

int VentanaBusqueda::filasVisibles() const
{
    int visible = 0;
    for (int row = 0; row < m_lista->rowCount(); ++row)
        visible += m_lista->isRowHidden(row) ? 0 : 1;
    return visible;
}

void VentanaBusqueda::aplicarFiltro(const QString &texto)
{
    const QString wanted = texto.trimmed();
    int first = -1;
    for (int row = 0; row < m_lista->rowCount(); ++row) {
        bool shown = wanted.isEmpty();
        for (int column = 0; !shown && column < m_lista->columnCount(); ++column) {
            const QTableWidgetItem *item = m_lista->item(row, column);
            shown = item && item->text().contains(wanted, Qt::CaseInsensitive);
        }
        m_lista->setRowHidden(row, !shown);
        if (shown && first < 0)
            first = row;
    }
    if (first >= 0)
        m_lista->selectRow(first);
    else
        m_lista->clearSelection();
}

int VentanaBusqueda::filaActual() const
{
    const QList<QTableWidgetItem *> selected = m_lista->selectedItems();
    if (!selected.isEmpty() && !m_lista->isRowHidden(selected.constFirst()->row()))
        return selected.constFirst()->row();
    return -1;
}

void VentanaBusqueda::accept()
{
    const int row = filaActual();
    if (row < 0)
        return;
    const QTableWidgetItem *item = m_lista->item(row, m_columnaClave);
    m_valorElegido = item ? item->text() : QString();
    QDialog::accept();
}

} // namespace outside
