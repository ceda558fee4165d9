#include "components/TeclasTexto.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <array>
#include <utility>

namespace {

struct Equivalencia {
    int qt;
    int codigo;
};

constexpr std::array<Equivalencia, 18> teclasEspeciales{{
    {Qt::Key_Backspace, tecla::Retroceso},
    {Qt::Key_Tab, tecla::Tabulador},
    {Qt::Key_Backtab, tecla::Tabulador},
    {Qt::Key_Return, tecla::Enter},
    {Qt::Key_Enter, tecla::Enter},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Escape, tecla::Escape},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, tecla::Arriba},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, tecla::Abajo},
}};

constexpr int TeclaF1 = 112;
constexpr int TeclaSuprimir = 46;

} // namespace

TeclasTexto::TeclasTexto(QObject *origen, QLineEdit *box, KeyDown alBajar, KeyPress alPulsar)
    : QObject(origen)
    , m_origen(origen)
    , m_box(box)
    , m_alBajar(std::move(alBajar))
    , m_alPulsar(std::move(alPulsar))
{
}

int TeclasTexto::estadoMayusculas(Qt::KeyboardModifiers modificadores)
{
    return (modificadores.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modificadores.testFlag(Qt::ControlModifier) ? 2 : 0)
           | (modificadores.testFlag(Qt::AltModifier) ? 4 : 0);
}

TeclasTexto *TeclasTexto::instalar(QLineEdit *box, KeyDown alBajar, KeyPress alPulsar)
{
    auto *filtro = new TeclasTexto(box, box, std::move(alBajar), std::move(alPulsar));
    box->installEventFilter(filtro);
    return filtro;
}

TeclasTexto *TeclasTexto::instalar(QComboBox *combo, KeyDown alBajar, KeyPress alPulsar)
{
    auto *filtro = new TeclasTexto(combo, combo->lineEdit(), std::move(alBajar), std::move(alPulsar));
    combo->installEventFilter(filtro);
    return filtro;
}

int TeclasTexto::codigoTecla(const QKeyEvent &evento)
{
    const int key = evento.key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return TeclaF1 + (key - Qt::Key_F1);
    if (key == Qt::Key_Delete)
        return TeclaSuprimir;
    for (const Equivalencia &equivalencia : teclasEspeciales)
        if (equivalencia.qt == key)
            return equivalencia.codigo;
    return 0;
}

qint16 TeclasTexto::codigoCaracter(const QKeyEvent &evento)
{
    switch (evento.key()) {
    case Qt::Key_Backspace:
        return tecla::Retroceso;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return tecla::Enter;
    case Qt::Key_Escape:
        return tecla::Escape;
    default:
        break;
    }
    // Control shortcuts (copy, paste...) type nothing and stay with the box.
    if (evento.modifiers().testFlag(Qt::ControlModifier))
        return 0;
    const QString texto = evento.text();
    if (texto.size() != 1 || !texto.at(0).isPrint())
        return 0;
    return static_cast<qint16>(texto.at(0).unicode());
}

bool TeclasTexto::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != m_origen || evento->type() != QEvent::KeyPress)
        return false;
    const auto &teclaPulsada = static_cast<const QKeyEvent &>(*evento);
    if (m_alBajar) {
        int KeyCode = codigoTecla(teclaPulsada);
        m_alBajar(m_box, KeyCode, estadoMayusculas(teclaPulsada.modifiers()));
    }
    return pulsar(teclaPulsada);
}

bool TeclasTexto::pulsar(const QKeyEvent &evento)
{
    const qint16 pulsado = codigoCaracter(evento);
    if (pulsado == 0 || !m_alPulsar)
        return false;
    qint16 KeyAscii = pulsado;
    m_alPulsar(m_box, KeyAscii);
    if (KeyAscii == pulsado)
        return false;
    if (KeyAscii == tecla::Retroceso)
        m_box->backspace();
    else if (KeyAscii != 0 && KeyAscii != tecla::Enter)
        m_box->insert(QString(QChar(static_cast<char16_t>(KeyAscii))));
    return true;
}
