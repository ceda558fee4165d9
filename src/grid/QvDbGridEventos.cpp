#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"

#include <QLineEdit>

namespace {

// The flex grid's colour numbers &HFFFF00 and &HFFFFFF (blue in the high byte).
const QColor Resaltado(0, 255, 255);
const QColor Normal(255, 255, 255);

constexpr int TeclaRePag = 33;
constexpr int TeclaAvPag = 34;
constexpr int TeclaIzquierda = 37;
constexpr int TeclaArriba = 38;
constexpr int TeclaDerecha = 39;
constexpr int TeclaAbajo = 40;
// A column this narrow (in twips) is hidden: the arrows pass over it.
constexpr int AnchoOculta = 20;

void pintarEditor(QLineEdit *editor, const QColor &fondo, bool negrita)
{
    QPalette paleta = editor->palette();
    paleta.setColor(QPalette::Base, fondo);
    editor->setPalette(paleta);
    QFont fuente = editor->font();
    fuente.setBold(negrita);
    editor->setFont(fuente);
}

} // namespace

void QvDbGrid::resaltarCelda(bool resaltar)
{
    MSFlexGrid1->setCellBackColor(resaltar ? Resaltado : Normal);
    MSFlexGrid1->setCellFontBold(resaltar);
}

void QvDbGrid::MSFlexGrid1_Click()
{
    if (pPintaFilaSel)
        resaltarCelda(true);
    emit MsFlexGridClick();
}

void QvDbGrid::MSFlexGrid1_EnterCell()
{
    if (pPintaFilaSel)
        resaltarCelda(true);
    emit MsFlexGridEnterCell();
}

void QvDbGrid::MSFlexGrid1_LeaveCell()
{
    if (pPintaFilaSel)
        resaltarCelda(false);
    emit MSFlexGridLeaveCell();
}

void QvDbGrid::MSFlexGrid1_KeyDown(int &KeyCode, int Shift)
{
    emit MSFlexGridKeyDown(KeyCode, Shift);
    if (KeyCode == TeclaAvPag)
        cmdSiguiente_Click();
    else if (KeyCode == TeclaRePag)
        cmdAnterior_Click();
    if (KeyCode == TeclaAbajo) {
        m_arribaEnPrimera = 0;
        if (MSFlexGrid1->Row() == MSFlexGrid1->Rows() - 1) {
            if (m_abajoEnUltima == 1) {
                cmdSiguiente_Click();
                m_abajoEnUltima = 0;
            } else {
                ++m_abajoEnUltima;
            }
        }
    } else if (KeyCode == TeclaArriba) {
        m_abajoEnUltima = 0;
        if (MSFlexGrid1->Row() == 1) {
            if (m_arribaEnPrimera == 1) {
                cmdAnterior_Click();
                m_arribaEnPrimera = 0;
            } else {
                ++m_arribaEnPrimera;
            }
        }
    }
    if (KeyCode == TeclaDerecha || KeyCode == TeclaIzquierda) {
        const int paso = KeyCode == TeclaDerecha ? 1 : -1;
        const int limite = KeyCode == TeclaDerecha ? MSFlexGrid1->Cols() : -1;
        for (int c = MSFlexGrid1->Col(); c != limite; c += paso) {
            if (MSFlexGrid1->ColWidth(c) > AnchoOculta) {
                MSFlexGrid1->setCol(c);
                break;
            }
        }
        MSFlexGrid1_EnterCell();
    }
}

void QvDbGrid::txtEdit1_GotFocus()
{
    MSFlexGrid1->setCellBackColor(Normal);
    MSFlexGrid1->setCellFontBold(false);
    pintarEditor(txtEdit1, Resaltado, true);
    emit txtEditGotFocus();
}

void QvDbGrid::txtEdit1_LostFocus()
{
    pintarEditor(txtEdit1, Normal, false);
    emit txtEditLostFocus();
}
