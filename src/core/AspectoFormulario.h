#pragma once

#include <QString>

class QWidget;

// Dressing of the program's windows. Both routines skip silently any step that fails or finds
// nothing to work on, and never throw.

// Gives the window the application icon (the resource ":/ICONQUORVEL", else the file
// "quorvel.ico" of the current folder) and, unless its class is "frmMDI" (any letter case), has
// the workstation object process it, sets the property StyleBar = gFlatToolbars on its toolbars
// "UtilNet1", "TBarRep1" and "Util0011" (found by objectName) and lets pending events run once.
void AsignarIconoFormulario(QWidget *Formulario);

// Loads the workstation's skin for the database (key "Styles" of "cn000pr.ini", section the
// upper-cased second identity text + "_" + the upper-cased database + "Styles", default 4) into
// the window's skin control "SkinFramework1" and applies it to the window.
void CargarSkin(QWidget *Formulario);

// The skin file (after the application folder) and the second argument of LoadSkin of a skin
// number: 1 Vista, 2 WinXP.Luna, 3 WinXP.Royale, 4 iTunes with "Normalitunes.ini", any other
// Office2007.
struct ArchivoSkin {
    QString archivo;
    QString ini;
};
ArchivoSkin ArchivoDeSkin(int Numero);

// The skin number of an INI text: its numeric value rounded half to even (2.5 gives 2); a text
// that is no number gives 0. Throws RuntimeError 6 when it does not fit 16 bits.
int NumeroSkin(const QString &Texto);
