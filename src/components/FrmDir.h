#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

// The folder chooser: a list of drives (on this system, the mounted volumes by their mount
// point), the folders of the chosen drive and a label with the chosen path. The caller shows it
// as a dialog and reads SelPath once it has hidden itself: the chosen folder ("&Aceptar"), the
// drive's root when no folder was chosen, or "" when the operator cancelled.
class FrmDir : public QDialog {
    Q_OBJECT

public:
    explicit FrmDir(QWidget *parent = nullptr);

    QString SelPath;

    QComboBox *Drive1() const { return m_drive; }
    QTreeView *Dir1() const { return m_dir; }
    QLabel *LblDir() const { return m_lblDir; }
    QPushButton *CmdAceptar() const { return m_aceptar; }
    QPushButton *cmdCancelar() const { return m_cancelar; }

    // The folder list's path: the chosen folder, else the root of the drive.
    QString Dir1Path() const;

private:
    void Drive1_Change();
    void Dir1_Change();
    void CmdAceptar_Click();
    void cmdCancelar_Click();
    void llenarUnidades();

    QComboBox *m_drive = nullptr;
    QTreeView *m_dir = nullptr;
    QFileSystemModel *m_carpetas = nullptr;
    QLabel *m_lblDir = nullptr;
    QPushButton *m_aceptar = nullptr;
    QPushButton *m_cancelar = nullptr;
    QString m_raiz;
};
