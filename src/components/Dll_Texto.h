#pragma once

#include "components/PropiedadesTexto.h"
#include "platform/outside/Utilidades.h"
#include "platform/runtime/Variant.h"
#include "session/LazyInstance.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class QLineEdit;
class QWidget;

namespace ado {
class Recordset;
}

// Services for windows whose data entry is a set of text boxes. Each box carries its own rule
// in its DataField, MaxLength and Tag (see PropiedadesTexto.h); the class keeps none of them.
// Control arrays are MatrizTextos: boxes by index, with gaps allowed.
class Dll_Texto {
public:
    // Puts the current record's fields into the boxes by their trimmed DataField (trimmed text,
    // Null as ""). Nothing at BOF; a DataField the record lacks leaves its box alone; no current
    // record ends it silently; any other error shows "Error en AsignarDatos" and ends it.
    void ClsAsignarDatos(const MatrizTextos &Texto, ado::Recordset &lrcs);

    // Numbers the tab order of the boxes from Desde to Hasta (default: the whole array)
    // starting at PrimerTab, and chains them in that order; missing indexes take no number.
    void ClsTabindex(const MatrizTextos &Texto, std::optional<int> Desde = std::nullopt,
                     std::optional<int> Hasta = std::nullopt, int PrimerTab = 0);

    // Sets MaxLength (and Tag "FECHA" for dates) of the boxes bound to the columns of table
    // NombreTabla, read from the catalogue of the database that gCnnString opens. A table or
    // column the catalogue lacks is passed over; a gap in the array or a catalogue that does not
    // open is reported in a box titled "Aviso al operador" and ends it.
    void ClsLimitaTextos(const MatrizTextos &Texto, const QString &NombreTabla, const QString &gCnnString);

    // Empties the data controls of a window: without SoloObjeto, the boxes "txtfields" from index
    // Desde (or without index), "BrwTxt", "BrwtxtAux", "TxtTotal", "TxtFieldsAux" and the labels
    // "lblDesc", "lblDetalle", "lblDescripcion" and NombreLabel; with it, only the controls of that
    // name (boxes from Desde, labels, option buttons, check boxes). Names ignore letter case.
    void ClsInicializa(QWidget *Formular, int Desde = 0, const QString &NombreLabel = QStringLiteral(".."),
                       const std::optional<QString> &SoloObjeto = std::nullopt);

    // True for the keys that confirm a field: Enter (13), Up (38) and Down (40).
    static bool ClsValidar(qint16 KeyCode);

    // Moves the focus after the calling key handler returns: Enter and Down to the next control
    // in tab order, Up to the previous one; any other key does nothing.
    void ClsKeyDown(int KeyCode);

    // Applies the box's rule to one typed character: KeyAscii is changed in place (0 drops the
    // key) and also returned. Date, hour and plate boxes rewrite their own text and caret.
    qint16 ClsDatosOk(QLineEdit *Textos, qint16 &KeyAscii);

    // The decimal symbol of the regional settings ("," or ".").
    QString SimboloDec() const;

    // The index of the first box whose DataField equals NombreField (letter case ignored), or 0;
    // with MostrarError, a box without match is reported as "ERROR NO CODIFICADO, Campo Buscado: ".
    qint16 ClsID(const QString &NombreField, const MatrizTextos &Texto, bool MostrarError = true);

    // With Sel given, selects the box's trimmed text from its start; without it, nothing.
    void ClsEnfoque(QLineEdit *Textos, const std::optional<rt::Variant> &Sel = std::nullopt);

private:
    void EnviarTecla(int teclaQt, bool conMayusculas = false);
    void reglaFecha(QLineEdit *Textos, qint16 &KeyAscii);
    void reglaNumero(const QLineEdit *Textos, qint16 &KeyAscii);
    void reglaHora(QLineEdit *Textos, qint16 &KeyAscii);
    void reglaPatente(QLineEdit *Textos, qint16 KeyAscii);

    outside::Utilidades m_util;
};

// The program's instance, made on first use.
extern core::LazyInstance<Dll_Texto> gTexto;

// Releases the instance; the next use makes a fresh one.
void liberarTexto();
