#include "PruebaComponentes.h"

#include "components/FhOcx.h"
#include "platform/outside/SelectorFecha.h"
#include "platform/report/PreviewWindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The texts of the save dialog of the preview's "Exportar PDF": its labels and buttons, then the
// question it asks when `existente` is typed as the file name, answered No.
std::pair<QStringList, QStringList> textosDelGuardado(QWidget *modal, const QString &existente)
{
    auto *dialogo = qobject_cast<QFileDialog *>(modal);
    if (!dialogo)
        return {};
    QStringList guardado;
    for (const char *etiqueta : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        guardado << dialogo->findChild<QLabel *>(QLatin1String(etiqueta))->text();
    const auto *botones = dialogo->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    guardado << botones->button(QDialogButtonBox::Save)->text() << botones->button(QDialogButtonBox::Cancel)->text();
    QStringList pregunta;
    QTimer::singleShot(0, dialogo, [&pregunta] {
        auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!caja)
            return;
        pregunta << caja->text() << caja->button(QMessageBox::Yes)->text() << caja->button(QMessageBox::No)->text();
        caja->button(QMessageBox::No)->click();
    });
    dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(existente);
    botones->button(QDialogButtonBox::Save)->click();
    dialogo->reject();
    return {guardado, pregunta};
}

TEST_F(PruebaComponentes, QtsOwnTextsSpeakSpanish)
{
    QTemporaryDir carpeta;
    const QString existente = carpeta.filePath(QStringLiteral("Liquidación.pdf"));
    ASSERT_TRUE(QFile(existente).open(QIODevice::WriteOnly));
    report::PreviewWindow vista({});
    vista.show();
    std::pair<QStringList, QStringList> guardado;
    onNextModal([&](QWidget *modal) { guardado = textosDelGuardado(modal, existente); });
    vista.findChild<QPushButton *>(QStringLiteral("exportPdf"))->click();

    FhOcx fechas;
    const std::unique_ptr<QMenu> menu(fechas.txtFechas(0)->createStandardContextMenu());
    QStringList opciones;
    for (const QAction *opcion : menu->actions())
        if (!opcion->isSeparator())
            opciones << opcion->text().section(QLatin1Char('\t'), 0, 0);

    // 04/03/2024 is a Monday; the date pick's weeks run from Monday to Sunday.
    outside::SelectorFecha selector(QDate(2024, 3, 4));
    selector.show();
    const auto *dias = selector.findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"))->model();
    const QStringList calendario = {
        selector.findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton"))->text(),
        dias->data(dias->index(0, 1)).toString(), dias->data(dias->index(0, 7)).toString()};

    const struct {
        const char *lugar;
        QStringList textos;
        QStringList esperados;
    } casos[] = {
        {"the save dialog of Exportar PDF",
         guardado.first,
         {"Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Guardar", "Cancelar"}},
        {"its question before writing over a file",
         guardado.second,
         {"El fichero Liquidación.pdf ya existe.\n¿Desea reemplazarlo?", "&Sí", "&No"}},
        {"a text box's right-click menu",
         opciones,
         {"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar", "Borrar", "Seleccionar todo"}},
        {"the date pick's calendar", calendario, {"marzo", "lun", "dom"}},
    };
    for (const auto &caso : casos)
        EXPECT_EQ(caso.textos, caso.esperados) << caso.lugar;
}

} // namespace
