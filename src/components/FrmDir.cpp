#include "components/FrmDir.h"

#include "session/ObjetosExternos.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

FrmDir::FrmDir(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmDir"));
    setWindowTitle(QStringLiteral("Seleccione un directorio"));

    auto *label1 = new QLabel(QStringLiteral("Disco:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_carpetas = new QFileSystemModel(this);
    m_carpetas->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_dir = new QTreeView(this);
    m_dir->setObjectName(QStringLiteral("Dir1"));
    m_dir->setModel(m_carpetas);
    m_dir->setHeaderHidden(true);
    for (int columna = 1; columna < m_carpetas->columnCount(); ++columna)
        m_dir->hideColumn(columna);
    m_lblDir = new QLabel(QStringLiteral("c:\\"), this);
    m_lblDir->setObjectName(QStringLiteral("LblDir"));
    m_aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_aceptar->setObjectName(QStringLiteral("CmdAceptar"));
    m_cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    m_cancelar->setObjectName(QStringLiteral("cmdCancelar"));

    auto *grilla = new QGridLayout(this);
    grilla->addWidget(m_lblDir, 0, 0, 1, 2);
    grilla->addWidget(m_dir, 1, 0, 1, 2);
    grilla->addWidget(label1, 2, 0);
    grilla->addWidget(m_drive, 2, 1);
    grilla->addWidget(m_aceptar, 3, 0);
    grilla->addWidget(m_cancelar, 3, 1);

    connect(m_drive, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(m_dir->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Dir1_Change(); });
    connect(m_aceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
    connect(m_cancelar, &QPushButton::clicked, this, [this] { cmdCancelar_Click(); });
    llenarUnidades();
}

QString FrmDir::Dir1Path() const
{
    const QModelIndex elegida = m_dir->currentIndex();
    return elegida.isValid() ? m_carpetas->filePath(elegida) : m_raiz;
}

// The drives are the mounted volumes that hold folders; the window starts on the one that holds
// the current folder.
void FrmDir::llenarUnidades()
{
    const QString actual = QStorageInfo(QDir::currentPath()).rootPath();
    QStringList raices;
    for (const QStorageInfo &volumen : QStorageInfo::mountedVolumes())
        if (volumen.isValid() && volumen.isReady() && QFileInfo(volumen.rootPath()).isDir())
            raices << volumen.rootPath();
    raices.removeDuplicates();
    raices.sort();
    {
        const QSignalBlocker callado(m_drive);
        m_drive->addItems(raices);
        m_drive->setCurrentIndex(std::max(0, static_cast<int>(raices.indexOf(actual))));
    }
    Drive1_Change();
}

void FrmDir::Drive1_Change()
{
    const QString raiz = gUtil->AgregarBarra(m_drive->currentText());
    if (!QFileInfo(raiz).isDir())
        return;
    m_raiz = raiz;
    m_carpetas->setRootPath(raiz);
    m_dir->setRootIndex(m_carpetas->index(raiz));
    m_dir->setCurrentIndex(QModelIndex());
    Dir1_Change();
}

void FrmDir::Dir1_Change()
{
    m_lblDir->setText(Dir1Path());
}

void FrmDir::CmdAceptar_Click()
{
    SelPath = Dir1Path();
    accept();
}

void FrmDir::cmdCancelar_Click()
{
    SelPath.clear();
    reject();
}
