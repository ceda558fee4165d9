#include "PruebaComponentes.h"

#include "session/Dll_Display.h"
#include "session/Lbf_CtrlDisplay.h"

#include <QDir>
#include <QFile>
#include <QLabel>
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

TestigoCartel::TestigoCartel()
{
    QObject::connect(&m_reloj, &QTimer::timeout, [this] { mirar(); });
    m_reloj.start(0);
}

void TestigoCartel::mirar()
{
    if (!gCartel.exists() || !gCartel->ventanaActual())
        return;
    for (int linea = 0; linea < 3; ++linea) {
        const QString texto = gCartel->ventanaActual()->LblCtrol(linea)->text();
        if (m_lineas.isEmpty() || m_lineas.constLast() != texto)
            m_lineas << texto;
    }
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
