#include "settlements/OrdenLista.h"

#include "platform/runtime/Conversions.h"
#include "settlements/SeleccionListas.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>
#include <optional>

namespace {

const char *const Sorted = "Sorted";
const char *const SortKey = "SortKey";
const char *const SortOrder = "SortOrder";

std::optional<double> comoNumero(const QString &texto)
{
    const rt::Variant valor(texto.trimmed());
    if (texto.trimmed().isEmpty() || !rt::IsNumeric(valor))
        return std::nullopt;
    return rt::CDbl(valor);
}

std::optional<double> comoFecha(const QString &texto)
{
    const rt::Variant valor(texto.trimmed());
    if (texto.trimmed().isEmpty() || !rt::IsDate(valor))
        return std::nullopt;
    return rt::CDbl(rt::Variant(rt::CDate(valor)));
}

int compararValores(double a, double b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

Qt::SortOrder ordenDe(const QTreeWidget &lista)
{
    return lista.property(SortOrder).toInt() == Qt::DescendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
}

void ordenar(QTreeWidget &lista, int columna, Qt::SortOrder orden)
{
    QTreeWidgetItem *actual = lista.currentItem();
    QList<QTreeWidgetItem *> filas = lista.invisibleRootItem()->takeChildren();
    std::stable_sort(filas.begin(), filas.end(), [&](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        if (esFilaTotal(a))
            return false;
        if (esFilaTotal(b))
            return true;
        const int comparacion = OrdenLista::compararCeldas(a->text(columna), b->text(columna));
        return orden == Qt::AscendingOrder ? comparacion < 0 : comparacion > 0;
    });
    lista.addTopLevelItems(filas);
    if (actual)
        lista.setCurrentItem(actual);
}

// Turns presses and releases on a header into column clicks.
class EscuchaEncabezado : public QObject {
public:
    EscuchaEncabezado(QHeaderView &encabezado, std::function<void(int)> alPulsar)
        : QObject(&encabezado)
        , m_encabezado(encabezado)
        , m_alPulsar(std::move(alPulsar))
    {
        encabezado.viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() != QEvent::MouseButtonPress && evento->type() != QEvent::MouseButtonRelease)
            return false;
        const auto *raton = static_cast<QMouseEvent *>(evento);
        if (raton->button() != Qt::LeftButton)
            return false;
        const QPoint punto = raton->position().toPoint();
        const int columna = m_encabezado.logicalIndexAt(punto);
        if (evento->type() == QEvent::MouseButtonPress) {
            m_presion = punto;
            m_columna = columna;
        } else if (columna >= 0 && columna == m_columna
                   && (punto - m_presion).manhattanLength() < QApplication::startDragDistance()) {
            m_columna = -1;
            m_alPulsar(columna);
        }
        return false;
    }

private:
    QHeaderView &m_encabezado;
    std::function<void(int)> m_alPulsar;
    QPoint m_presion;
    int m_columna = -1;
};

} // namespace

int OrdenLista::compararCeldas(const QString &a, const QString &b)
{
    const auto numeroA = comoNumero(a);
    const auto numeroB = comoNumero(b);
    if (numeroA && numeroB)
        return compararValores(*numeroA, *numeroB);
    const auto fechaA = comoFecha(a);
    const auto fechaB = comoFecha(b);
    if (fechaA && fechaB)
        return compararValores(*fechaA, *fechaB);
    return a.compare(b, Qt::CaseInsensitive);
}

void OrdenLista::columnaPulsada(QTreeWidget &lista, int columna)
{
    const Qt::SortOrder orden = ordenDe(lista) == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    lista.setProperty(Sorted, true);
    lista.setProperty(SortKey, columna);
    lista.setProperty(SortOrder, static_cast<int>(orden));
    ordenar(lista, columna, orden);
}

void OrdenLista::reaplicar(QTreeWidget &lista)
{
    if (lista.property(Sorted).toBool())
        ordenar(lista, lista.property(SortKey).toInt(), ordenDe(lista));
}

void OrdenLista::escucharEncabezado(QTreeWidget &lista, std::function<void(int)> alPulsar)
{
    new EscuchaEncabezado(*lista.header(), std::move(alPulsar));
}
