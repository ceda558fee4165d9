#pragma once

#include "grid/EleccionColumnas.h"

#include <QDialog>
#include <QString>

class QListWidget;
class QListWidgetItem;

// FrmCampos: the column chooser of the grid, a modal window that works only on texts. The
// caller sets gCampos, gCamposSel and gOrdinalSel, shows it, and unless Cancelar reads back
// gCamposSel, gOrdinalSel and gCamposOrden (forms in EleccionColumnas). Each showing is a
// fresh window.
class FrmCampos : public QDialog {
public:
    explicit FrmCampos(QWidget *parent = nullptr);

    QString gCampos;
    QString gCamposSel;
    QString gOrdinalSel;
    QString gCamposOrden;
    // The window was closed without applying (its close image, Escape or the title bar).
    bool Cancelar = false;

    // Form_Load: fills the list from the members; runs when the window first shows.
    void Form_Load();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CmdAplica_Click();
    void CmdAll_Click();
    void ImgSube_Click();
    void ImgBaja_Click();
    void ImgCancelar_Click();
    void mostrarLista(int seleccionada);
    void alMarcar(QListWidgetItem *item);

    EleccionColumnas m_eleccion;
    QListWidget *LstLista;
    bool m_cargada = false;
};
