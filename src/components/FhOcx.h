#pragma once

#include "components/Dll_Texto.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <QWidget>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

// The date-range control: a list of named periods and two date boxes ("from" and "to").
// The range is held as two texts "dd/mm/yyyy", Fh_Desde and Fh_Hasta, for the hosting window;
// the host may write them and then call MostrarFechas to show them. Typing in the boxes follows
// the date rule of Dll_Texto; Enter in a box checks it and moves the focus on.
class FhOcx : public QWidget {
    Q_OBJECT

public:
    // The named periods, in list order.
    static const QStringList Periodos;

    explicit FhOcx(QWidget *parent = nullptr);

    QString Fh_Desde;
    QString Fh_Hasta;
    // The period text last chosen in the list, trimmed.
    QString PeriodoSeleccionado;

    // Puts `Periodo` into the period list's text, without computing its dates.
    void setComboText(const QString &Periodo);
    // Shows Fh_Desde in the from box and Fh_Hasta in the to box.
    void MostrarFechas();
    // The weekday of a date as text, "1" Sunday to "7" Saturday; "" when it is not a date.
    static QString fDiaSem(const rt::Variant &Fecha);
    // The last day (28 to 31) of month `Mes` of year `Anio`. Throws RuntimeError 13 when they
    // are not numbers.
    static qint16 fUltimoDiaDelMes(const QString &Mes, const QString &Anio);
    // The choice of a period in the list: computes its range from today's date into Fh_Desde
    // and Fh_Hasta and shows it; an unknown text leaves the range as it was.
    void CmbComboFH_Click();
    // Puts a period text (when not empty) and dates (when valid) into the list and the boxes;
    // Fh_Desde and Fh_Hasta follow only when a box loses the focus or takes Enter.
    void CargarPeriodo(const QString &Periodo, const QString &FechaD, const QString &FechaH);
    // Colours the background; 0 stands for the system's button face (0x8000000F), written back.
    void DefineColorFondo(quint32 &Color);
    // Copies both boxes into Fh_Desde and Fh_Hasta (the boxes' lost-focus event); a box that
    // holds only the date layout's blanks and slashes gives an empty date.
    void txtFechas_LostFocus(qint16 Index);

    QComboBox *CmbComboFH() const { return m_combo; }
    QLineEdit *txtFechas(int Index) const { return m_fechas.at(static_cast<size_t>(Index)); }
    QFrame *PicFondo() const { return m_fondo; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void txtFechas_KeyDown(int Index, int KeyCode);
    // The Enter checks of a box; false after showing the message of the first that fails.
    bool fechaAceptada(int Index);
    int indiceDe(const QObject *box) const;

    QFrame *m_fondo = nullptr;
    QComboBox *m_combo = nullptr;
    QLabel *m_label2 = nullptr;
    std::array<QLineEdit *, 2> m_fechas{};
    Dll_Texto m_texto;
};
