#include "PruebaComponentes.h"

#include "session/Dll_Display.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

PruebaExportacion::PruebaExportacion()
    : m_home(qgetenv("HOME"))
    , m_config(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("HOME", QFile::encodeName(casa.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa.filePath(".config")));
}

PruebaExportacion::~PruebaExportacion()
{
    qputenv("HOME", m_home);
    qputenv("XDG_CONFIG_HOME", m_config);
}

QString PruebaExportacion::carpetaDocumentos() const
{
    return casa.filePath("Documents");
}

QStringList PruebaExportacion::librosMostrados() const
{
    QStringList libros;
    for (const QString &nombre :
         QDir(carpetaDocumentos()).entryList({"*.xlsx"}, QDir::Files, QDir::Time | QDir::Reversed))
        libros << QDir(carpetaDocumentos()).filePath(nombre);
    return libros;
}

void teclear(QLineEdit *box, const QString &teclas)
{
    for (const QChar tecla : teclas) {
        if (tecla == u'\b')
            QTest::keyClick(box, Qt::Key_Backspace);
        else if (tecla == u'\r')
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::keyClick(box, tecla.toLatin1());
    }
}
