#include "PruebaVentanaComandos.h"

#include "db/Conexiones.h"
#include "platform/report/ImpresionReportes.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"
#include "settlements/FrmComisionesVendedor.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

} // namespace

PruebaVentanaComandos::PruebaVentanaComandos()
    : m_home(qgetenv("HOME"))
    , m_config(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("HOME", QFile::encodeName(m_casa.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(m_casa.path()).filePath(QStringLiteral(".config"))));
    db.execute("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NOMBRE', 'O''Brien Hnos SA   ')");
    gUsuarioLogeado = QStringLiteral("DEMO");
    gCadenaODBC = QStringLiteral("DSN=DEMO; UID=DEMO; PWD=DEMO");
    gImpresion->setConexion(&gBaseDatos->gCnn);
    gImpresion->setCarpetaAplicacion(sourceReportsFolder());
    ventana = std::make_unique<FrmComisionesVendedor>();
    setControlWindow(ventana.get());
    ventana->Inicializa();
    ventana->show();
    ventana->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
}

PruebaVentanaComandos::~PruebaVentanaComandos()
{
    ventana.reset();
    qputenv("HOME", m_home);
    qputenv("XDG_CONFIG_HOME", m_config);
}

QTreeWidget *PruebaVentanaComandos::lista(int n) const
{
    return control<QTreeWidget>(QStringLiteral("ListView%1").arg(n));
}

QLineEdit *PruebaVentanaComandos::numero() const
{
    return control<QLineEdit>(QStringLiteral("txtfields_0"));
}

QPushButton *PruebaVentanaComandos::boton(const QString &nombre) const
{
    return control<QPushButton>(nombre);
}

QString PruebaVentanaComandos::textoDe(const QString &nombre) const
{
    const QWidget *widget = control(nombre);
    return widget ? widget->property("text").toString() : QString();
}

void PruebaVentanaComandos::confirmarNumero(const QString &texto)
{
    QLineEdit *campo = numero();
    campo->setFocus();
    campo->clear();
    QTest::keyClicks(campo, texto);
    QTest::keyClick(campo, Qt::Key_Return);
    // Enter moves on with a Tab in the event queue: the window's own loop delivers it before the
    // operator's next click, not in the middle of a later load.
    QCoreApplication::processEvents();
}

QTreeWidgetItem *PruebaVentanaComandos::fila(QTreeWidget *lista, const QString &texto0, const QString &texto1) const
{
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = lista->topLevelItem(i);
        if (item->text(0) == texto0 && (texto1.isEmpty() || item->text(1) == texto1))
            return item;
    }
    ADD_FAILURE() << "no row " << texto0.toStdString() << " " << texto1.toStdString() << " in "
                  << lista->objectName().toStdString();
    return nullptr;
}

void PruebaVentanaComandos::clicFila(QTreeWidget *lista, const QString &texto0, const QString &texto1)
{
    if (QTreeWidgetItem *item = fila(lista, texto0, texto1)) {
        lista->scrollToItem(item);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(item).center());
    }
}

void PruebaVentanaComandos::dobleClicFila(QTreeWidget *lista, const QString &texto0)
{
    if (QTreeWidgetItem *item = fila(lista, texto0, {})) {
        const QPoint punto = lista->visualItemRect(item).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punto);
    }
}

void PruebaVentanaComandos::clicEncabezado(QTreeWidget *lista, int columna)
{
    QHeaderView *encabezado = lista->header();
    const QPoint punto(encabezado->sectionViewportPosition(columna) + encabezado->sectionSize(columna) / 2,
                       encabezado->height() / 2);
    QTest::mouseClick(encabezado->viewport(), Qt::LeftButton, {}, punto);
}

void PruebaVentanaComandos::cargarVendedorUno()
{
    confirmarNumero(QStringLiteral("12"));
    clicFila(lista(1), QStringLiteral("0001"));
}

QStringList PruebaVentanaComandos::primeraColumna(const QTreeWidget &lista)
{
    QStringList textos;
    for (int i = 0; i < lista.topLevelItemCount(); ++i)
        textos << lista.topLevelItem(i)->text(0);
    return textos;
}

QString PruebaVentanaComandos::carpetaDocumentos() const
{
    return QDir(m_casa.path()).filePath(QStringLiteral("Documents"));
}

std::optional<XlsxReader> PruebaVentanaComandos::exportar()
{
    const QStringList antes = libros();
    boton("CmdExportaExcelLV")->click();
    // The progress banner took the activation; the user comes back to the window.
    ventana->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    QStringList nuevos = libros();
    for (const QString &ruta : antes)
        nuevos.removeAll(ruta);
    if (nuevos.size() != 1) {
        ADD_FAILURE() << "workbooks written: " << nuevos.size();
        return std::nullopt;
    }
    return XlsxReader(nuevos.first());
}

QStringList PruebaVentanaComandos::columnaLibro(const XlsxReader &libro, const QString &columna)
{
    QStringList textos;
    for (int fila = 1;; ++fila) {
        const QString referencia = columna + QString::number(fila);
        const XlsxReader::Cell celda = libro.cell(referencia);
        if (!celda.present)
            return textos;
        textos << (celda.type == QLatin1String("s") ? libro.text(referencia) : celda.value);
    }
}

QStringList PruebaVentanaComandos::libros() const
{
    QStringList rutas;
    const QDir carpeta(carpetaDocumentos());
    for (const QString &nombre :
         carpeta.entryList({QStringLiteral("*.xlsx")}, QDir::Files, QDir::Time | QDir::Reversed))
        rutas << carpeta.filePath(nombre);
    return rutas;
}

QString PruebaVentanaComandos::textoPdf(const QString &ruta)
{
    QProcess proceso;
    proceso.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    if (!proceso.waitForFinished(30000) || proceso.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << ruta.toStdString();
        return {};
    }
    return QString::fromUtf8(proceso.readAllStandardOutput());
}
