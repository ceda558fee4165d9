#include "components/FhOcx.h"

#include "components/TeclasTexto.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <optional>

const QStringList FhOcx::Periodos = {
    QStringLiteral("Fecha"),         QStringLiteral("Semana Actual"), QStringLiteral("Semana Proxima"),
    QStringLiteral("Semana Pasada"), QStringLiteral("Mes Actual"),    QStringLiteral("Año Actual"),
    QStringLiteral("Mes Pasado"),    QStringLiteral("Año pasado"),    QStringLiteral("Todo"),
};

namespace {

constexpr quint32 ColorBotonSistema = 0x8000000F;
constexpr quint32 MarcaColorSistema = 0x80000000;

// The end of the period "Todo": no settlement reaches it.
const QString TodoHasta = QStringLiteral("31/12/2220");

struct Rango {
    QString desde;
    QString hasta;
};

QString fechaCorta(rt::DateTime fecha)
{
    return rt::formatDate(fecha, rt::regional().shortDateMask);
}

QString dosDigitos(int numero)
{
    return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
}

// The first and last day of a month, written as the list writes them.
Rango mesCompleto(int mes, int anio)
{
    const QString mm = dosDigitos(mes);
    const QString yyyy = QString::number(anio);
    return {QStringLiteral("01/") + mm + u'/' + yyyy,
            QString::number(FhOcx::fUltimoDiaDelMes(mm, yyyy)) + u'/' + mm + u'/' + yyyy};
}

std::optional<Rango> rangoDelPeriodo(const QString &periodo, rt::DateTime hoy)
{
    const auto es = [&](int fila) { return periodo.compare(FhOcx::Periodos.at(fila), Qt::CaseInsensitive) == 0; };
    const int w = rt::Weekday(hoy);
    const auto dias = [&](int cuantos) { return rt::DateAdd(QStringLiteral("d"), cuantos, hoy); };
    const auto masSeis = [](rt::DateTime desde) { return fechaCorta(rt::DateAdd(QStringLiteral("d"), 6, desde)); };
    if (es(0))
        return Rango{fechaCorta(hoy), fechaCorta(hoy)};
    if (es(1))
        return Rango{fechaCorta(dias(-(w - 1))), masSeis(dias(-(w - 1)))};
    if (es(2))
        return Rango{fechaCorta(dias(-(w - 1) + 7)), masSeis(dias(-(w - 1) + 7))};
    if (es(3))
        return Rango{fechaCorta(dias(-w - 6)), fechaCorta(dias(-w))};
    if (es(4))
        return mesCompleto(hoy.month(), hoy.year());
    if (es(5))
        return Rango{QStringLiteral("01/01/") + QString::number(hoy.year()),
                     QStringLiteral("31/12/") + QString::number(hoy.year())};
    if (es(6))
        return hoy.month() == 1 ? mesCompleto(12, hoy.year() - 1) : mesCompleto(hoy.month() - 1, hoy.year());
    if (es(7))
        return Rango{QStringLiteral("01/01/") + QString::number(hoy.year() - 1),
                     QStringLiteral("31/12/") + QString::number(hoy.year() - 1)};
    if (es(8))
        return Rango{QStringLiteral("01/01/1980"), TodoHasta};
    return std::nullopt;
}

// A colour as the program writes it: 0x00BBGGRR, or a system colour with the high bit set.
QColor colorDelPrograma(quint32 color)
{
    if ((color & MarcaColorSistema) != 0)
        return QApplication::palette().color(color == ColorBotonSistema ? QPalette::Button : QPalette::Window);
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// A typed year outside 1900 to 2100 is a slip (a year typed short, digits out of place), not a
// range to settle; the end of the period "Todo" is the control's own and stands.
bool anioAceptable(const QString &fecha)
{
    constexpr int PrimerAnio = 1900;
    constexpr int UltimoAnio = 2100;
    const int anio = rt::CDate(fecha).year();
    return (anio >= PrimerAnio && anio <= UltimoAnio) || fecha == TodoHasta;
}

// Backspace leaves a date box holding its layout, blanks and the two slashes: no date has been
// given, as when Delete leaves it empty.
QString fechaDeLaCaja(const QLineEdit *caja)
{
    const QString texto = caja->text();
    const bool soloDisposicion =
        std::all_of(texto.begin(), texto.end(), [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('/'); });
    return soloDisposicion ? QString() : texto;
}

void avisar(const QString &mensaje)
{
    ui::MsgBox(mensaje, ui::vbCritical, QStringLiteral("Aviso al Operador"));
}

} // namespace

FhOcx::FhOcx(QWidget *parent)
    : QWidget(parent)
{
    auto *exterior = new QHBoxLayout(this);
    exterior->setContentsMargins(0, 0, 0, 0);
    m_fondo = new QFrame(this);
    m_fondo->setObjectName(QStringLiteral("PicFondo"));
    m_fondo->setAutoFillBackground(true);
    exterior->addWidget(m_fondo);

    auto *fila = new QHBoxLayout(m_fondo);
    fila->setContentsMargins(2, 2, 2, 2);
    m_combo = new QComboBox(m_fondo);
    m_combo->setObjectName(QStringLiteral("CmbComboFH"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    fila->addWidget(m_combo);

    const QString campos[] = {QStringLiteral("FECHA_DESDE"), QStringLiteral("FECHA_HASTA")};
    for (int indice = 0; indice < 2; ++indice) {
        auto *box = new QLineEdit(m_fondo);
        box->setObjectName(QStringLiteral("txtFechas_%1").arg(indice));
        setTag(box, QStringLiteral("FECHA"));
        setMaxLength(box, 10);
        setDataField(box, campos[indice]);
        box->installEventFilter(this);
        TeclasTexto::instalar(
            box, [this, indice](QLineEdit *, int &KeyCode, int) { txtFechas_KeyDown(indice, KeyCode); },
            [this](QLineEdit *caja, qint16 &KeyAscii) { m_texto.ClsDatosOk(caja, KeyAscii); });
        m_fechas.at(static_cast<size_t>(indice)) = box;
        fila->addWidget(box);
        if (indice == 0) {
            m_label2 = new QLabel(QStringLiteral("Hasta"), m_fondo);
            m_label2->setObjectName(QStringLiteral("Label2"));
            fila->addWidget(m_label2);
        }
    }
    connect(m_combo, &QComboBox::activated, this, [this] { CmbComboFH_Click(); });

    m_combo->addItems(Periodos);
    m_combo->setCurrentText(Periodos.at(0));
    txtFechas(0)->clear();
    txtFechas(1)->clear();
    Fh_Desde = txtFechas(0)->text();
    Fh_Hasta = txtFechas(1)->text();
}

void FhOcx::setComboText(const QString &Periodo)
{
    m_combo->setCurrentText(Periodo);
}

void FhOcx::MostrarFechas()
{
    txtFechas(0)->setText(Fh_Desde);
    txtFechas(1)->setText(Fh_Hasta);
}

QString FhOcx::fDiaSem(const rt::Variant &Fecha)
{
    if (!rt::IsDate(Fecha))
        return {};
    return QString::number(rt::Weekday(rt::CDate(Fecha)));
}

qint16 FhOcx::fUltimoDiaDelMes(const QString &Mes, const QString &Anio)
{
    const rt::DateTime primero = rt::DateSerial(rt::CInt(Anio), rt::CInt(Mes), 1);
    const rt::DateTime ultimo = rt::DateAdd(QStringLiteral("d"), -1, rt::DateAdd(QStringLiteral("m"), 1, primero));
    return static_cast<qint16>(rt::Day(ultimo));
}

void FhOcx::CmbComboFH_Click()
{
    const QString periodo = rt::Trim(m_combo->currentText());
    if (const std::optional<Rango> rango = rangoDelPeriodo(periodo, rt::Date())) {
        Fh_Desde = rango->desde;
        Fh_Hasta = rango->hasta;
    }
    MostrarFechas();
    PeriodoSeleccionado = periodo;
}

void FhOcx::CargarPeriodo(const QString &Periodo, const QString &FechaD, const QString &FechaH)
{
    if (!Periodo.isEmpty())
        m_combo->setCurrentText(Periodo);
    if (rt::IsDate(FechaD))
        txtFechas(0)->setText(FechaD);
    if (rt::IsDate(FechaH))
        txtFechas(1)->setText(FechaH);
}

void FhOcx::DefineColorFondo(quint32 &Color)
{
    if (Color == 0)
        Color = ColorBotonSistema;
    QPalette paleta = m_fondo->palette();
    paleta.setColor(QPalette::Window, colorDelPrograma(Color));
    m_fondo->setPalette(paleta);
}

void FhOcx::txtFechas_LostFocus(qint16)
{
    Fh_Desde = fechaDeLaCaja(txtFechas(0));
    Fh_Hasta = fechaDeLaCaja(txtFechas(1));
}

bool FhOcx::eventFilter(QObject *objeto, QEvent *evento)
{
    const int indice = indiceDe(objeto);
    if (indice < 0)
        return false;
    if (evento->type() == QEvent::FocusIn) {
        // Selecting now would be undone by the box's own focus handling.
        QMetaObject::invokeMethod(txtFechas(indice), &QLineEdit::selectAll, Qt::QueuedConnection);
    } else if (evento->type() == QEvent::FocusOut) {
        // Another window taking the focus (a message box) is no move away from the box.
        const Qt::FocusReason motivo = static_cast<QFocusEvent *>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            txtFechas_LostFocus(static_cast<qint16>(indice));
    }
    return false;
}

void FhOcx::txtFechas_KeyDown(int Index, int KeyCode)
{
    if (KeyCode != tecla::Enter || !fechaAceptada(Index))
        return;
    m_texto.ClsKeyDown(KeyCode);
    txtFechas_LostFocus(static_cast<qint16>(Index));
}

bool FhOcx::fechaAceptada(int Index)
{
    const QString texto = fechaDeLaCaja(txtFechas(Index));
    if (texto.isEmpty()) {
        avisar(QStringLiteral("Debe ingresar una fecha!!!"));
        return false;
    }
    if (!rt::IsDate(texto) || !anioAceptable(texto)) {
        avisar(QStringLiteral("Debe ingresar un formato de fecha válido!!!"));
        return false;
    }
    if (Index != 1)
        return true;
    // The order needs both dates: a from box without a valid date is reported as such.
    const QString desde = txtFechas(0)->text();
    if (!rt::IsDate(desde)) {
        avisar(QStringLiteral("Debe ingresar un formato de fecha válido!!!"));
        return false;
    }
    if (rt::CDate(desde) > rt::CDate(texto)) {
        avisar(QStringLiteral("La fecha hasta no puede ser menor a la fecha desde"));
        return false;
    }
    return true;
}

int FhOcx::indiceDe(const QObject *box) const
{
    for (size_t indice = 0; indice < m_fechas.size(); ++indice)
        if (m_fechas.at(indice) == box)
            return static_cast<int>(indice);
    return -1;
}
