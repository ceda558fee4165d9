#include "components/Dll_Texto.h"

#include "components/TeclasTexto.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>

core::LazyInstance<Dll_Texto> gTexto;

void liberarTexto()
{
    gTexto.reset();
}

namespace {

constexpr int LargoTextoMaximo = 50000;
// The run-time error of a control array element that does not exist.

bool mismoNombre(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool nombreEntre(const QString &nombre, const QStringList &nombres)
{
    return std::any_of(nombres.begin(), nombres.end(), [&](const QString &otro) { return mismoNombre(nombre, otro); });
}

// The rule a column's type gives its box: MaxLength, and whether it is a date box.
struct ReglaColumna {
    int largo;
    bool fecha;
};

ReglaColumna reglaDeColumna(int tipo, const rt::Variant &tamanio)
{
    switch (tipo) {
    case 7: // adDate
    case 133: // adDBDate
    case 134: // adDBTime
    case 135: // adDBTimeStamp
        return {10, true};
    case 203: // adLongVarWChar
        return {LargoTextoMaximo, false};
    case 129: // adChar
    case 130: // adWChar
    case 200: // adVarChar
    case 201: // adLongVarChar
    case 202: // adVarWChar
        return {static_cast<int>(std::min<qint64>(tamanio.isNull() ? 0 : rt::CLng(tamanio), LargoTextoMaximo)), false};
    default:
        return {0, false};
    }
}

// A box of the array bound to a column takes the column's rule; a gap in the array stops it.
void aplicarReglaColumna(const MatrizTextos &Texto, const QString &columna, const ReglaColumna &regla)
{
    for (int indice = Texto.begin()->first; indice <= Texto.rbegin()->first; ++indice) {
        const auto elemento = Texto.find(indice);
        if (elemento == Texto.end() || !elemento->second)
            throw rt::RuntimeError(rt::err::ControlArrayElementMissing,
                                   QStringLiteral("El elemento %1 de la matriz de controles no existe").arg(indice));
        QLineEdit *box = elemento->second;
        if (rt::Trim(DataField(box)).compare(rt::Trim(columna), Qt::CaseInsensitive) != 0)
            continue;
        setMaxLength(box, regla.largo);
        if (regla.fecha)
            setTag(box, QStringLiteral("FECHA"));
    }
}

void limpiarControl(QWidget *control, int Desde, bool todos)
{
    const NombreControl nombre = nombreControl(control);
    if (auto *box = qobject_cast<QLineEdit *>(control)) {
        if (!nombre.indice || *nombre.indice >= Desde)
            box->clear();
    } else if (auto *etiqueta = qobject_cast<QLabel *>(control)) {
        etiqueta->clear();
    } else if (!todos) {
        return;
    } else if (auto *opcion = qobject_cast<QRadioButton *>(control)) {
        // An exclusive group refuses to clear its checked button.
        const bool exclusivo = opcion->autoExclusive();
        opcion->setAutoExclusive(false);
        opcion->setChecked(false);
        opcion->setAutoExclusive(exclusivo);
    } else if (auto *casilla = qobject_cast<QCheckBox *>(control)) {
        casilla->setCheckState(Qt::Unchecked);
    }
}

} // namespace

void Dll_Texto::ClsAsignarDatos(const MatrizTextos &Texto, ado::Recordset &lrcs)
{
    try {
        if (lrcs.BOF())
            return;
        if (lrcs.EOF_())
            return;
        for (const auto &[indice, box] : Texto) {
            const QString campo = box ? rt::Trim(DataField(box)) : QString();
            if (campo.isEmpty())
                continue;
            try {
                box->setText(rt::Trim(m_util.ValorCampo(lrcs.Fields(campo))));
            } catch (const rt::RuntimeError &error) {
                if (error.Number != rt::err::AdoItemNotFound)
                    throw;
            }
        }
    } catch (const rt::RuntimeError &error) {
        if (error.Number != rt::err::AdoBofOrEof)
            ui::MsgBox(QStringLiteral("Error en AsignarDatos"), ui::vbCritical, QStringLiteral("Aviso al programador"));
    }
}

void Dll_Texto::ClsTabindex(const MatrizTextos &Texto, std::optional<int> Desde, std::optional<int> Hasta,
                            int PrimerTab)
{
    if (Texto.empty())
        return;
    const int hasta = Hasta.value_or(Texto.rbegin()->first);
    int numero = PrimerTab;
    QWidget *anterior = nullptr;
    for (auto elemento = Texto.lower_bound(Desde.value_or(Texto.begin()->first));
         elemento != Texto.end() && elemento->first <= hasta; ++elemento) {
        QLineEdit *box = elemento->second;
        if (!box)
            continue;
        setTabIndex(box, numero++);
        if (anterior)
            QWidget::setTabOrder(anterior, box);
        anterior = box;
    }
}

void Dll_Texto::ClsLimitaTextos(const MatrizTextos &Texto, const QString &NombreTabla, const QString &gCnnString)
{
    if (Texto.empty())
        return;
    const QString titulo = QStringLiteral("Aviso al operador");
    try {
        ado::Connection catalogo;
        catalogo.Open(gCnnString);
        ado::Recordset columnas =
            catalogo.OpenSchema(ado::adSchemaColumns, {QString(), QString(), rt::Trim(NombreTabla)});
        for (; !columnas.EOF_(); columnas.MoveNext()) {
            if (!mismoNombre(rt::CStr(columnas(QStringLiteral("TABLE_NAME"))), rt::Trim(NombreTabla)))
                continue;
            const ReglaColumna regla = reglaDeColumna(rt::CLng(columnas(QStringLiteral("DATA_TYPE"))),
                                                      columnas(QStringLiteral("CHARACTER_MAXIMUM_LENGTH")));
            aplicarReglaColumna(Texto, rt::CStr(columnas(QStringLiteral("COLUMN_NAME"))), regla);
        }
    } catch (const rt::RuntimeError &error) {
        if (error.Number == rt::err::ControlArrayElementMissing)
            ui::MsgBox(QStringLiteral("Error en ClsLimitaTextos, falta un elemento de la matriz de controles"),
                       ui::vbCritical, titulo);
        else
            ui::MsgBox(QStringLiteral("Error en ClsLimitaTextos\n") + error.Description, ui::vbCritical, titulo);
    }
}

void Dll_Texto::ClsInicializa(QWidget *Formular, int Desde, const QString &NombreLabel,
                              const std::optional<QString> &SoloObjeto)
{
    static const QStringList cajasDeDatos = {QStringLiteral("BrwTxt"), QStringLiteral("BrwtxtAux"),
                                             QStringLiteral("TxtTotal"), QStringLiteral("TxtFieldsAux")};
    static const QStringList etiquetasDeDatos = {QStringLiteral("lblDesc"), QStringLiteral("lblDetalle"),
                                                 QStringLiteral("lblDescripcion")};
    for (QWidget *control : Formular->findChildren<QWidget *>()) {
        const NombreControl nombre = nombreControl(control);
        if (SoloObjeto) {
            if (mismoNombre(nombre.nombre, *SoloObjeto))
                limpiarControl(control, Desde, true);
        } else if (qobject_cast<QLineEdit *>(control)) {
            if (mismoNombre(nombre.nombre, QStringLiteral("txtfields")))
                limpiarControl(control, Desde, false);
            else if (nombreEntre(nombre.nombre, cajasDeDatos))
                qobject_cast<QLineEdit *>(control)->clear();
        } else if (qobject_cast<QLabel *>(control)) {
            if (nombreEntre(nombre.nombre, etiquetasDeDatos) || mismoNombre(nombre.nombre, NombreLabel))
                qobject_cast<QLabel *>(control)->clear();
        }
    }
}

bool Dll_Texto::ClsValidar(qint16 KeyCode)
{
    return KeyCode == tecla::Enter || KeyCode == tecla::Arriba || KeyCode == tecla::Abajo;
}

void Dll_Texto::ClsKeyDown(int KeyCode)
{
    if (KeyCode == tecla::Enter || KeyCode == tecla::Abajo)
        EnviarTecla(Qt::Key_Tab);
    else if (KeyCode == tecla::Arriba)
        EnviarTecla(Qt::Key_Backtab, true);
}

QString Dll_Texto::SimboloDec() const
{
    return rt::CStr(rt::Variant(10.0 / 3.0)).mid(1, 1);
}

qint16 Dll_Texto::ClsID(const QString &NombreField, const MatrizTextos &Texto, bool MostrarError)
{
    for (const auto &[indice, box] : Texto)
        if (box && mismoNombre(NombreField, DataField(box)))
            return static_cast<qint16>(indice);
    if (MostrarError)
        ui::MsgBox(QStringLiteral("ERROR NO CODIFICADO, Campo Buscado: ") + NombreField, ui::vbCritical,
                   QStringLiteral("AVISO AL PROGRAMADOR"));
    return 0;
}

void Dll_Texto::ClsEnfoque(QLineEdit *Textos, const std::optional<rt::Variant> &Sel)
{
    const QString texto = rt::Trim(Textos->text());
    if (Sel && !texto.isEmpty())
        Textos->setSelection(0, static_cast<int>(texto.size()));
}

// The key goes into the event queue, so the focus moves once the calling handler has returned.
void Dll_Texto::EnviarTecla(int teclaQt, bool conMayusculas)
{
    QWidget *destino = QApplication::focusWidget();
    if (!destino)
        return;
    const Qt::KeyboardModifiers modificadores = conMayusculas ? Qt::ShiftModifier : Qt::NoModifier;
    QCoreApplication::postEvent(destino, new QKeyEvent(QEvent::KeyPress, teclaQt, modificadores));
    QCoreApplication::postEvent(destino, new QKeyEvent(QEvent::KeyRelease, teclaQt, modificadores));
}
