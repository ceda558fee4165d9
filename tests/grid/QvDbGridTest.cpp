// The paged grid over a real embedded database, driven as a user drives it: loading, paging,
// sorting, searching, the page size, the column choice stored and read back, and the load rules.

#include "PruebaGrilla.h"

#include "core/ParametrosComando.h"
#include "db/Conexiones.h"
#include "grid/ColumnasGuardadas.h"
#include "grid/FrmCampos.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"
#include "platform/ui/PropertyBag.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString Todos = QStringLiteral("SELECT * FROM Clientes");

QStringList numeros(int desde, int hasta)
{
    QStringList textos;
    for (int i = desde; i <= hasta; ++i)
        textos << QString::number(i);
    return textos;
}

class QvDbGridPrueba : public PruebaGrilla {
protected:
    void buscar(QvDbGrid &grid, const char *columna, const char *texto)
    {
        control<QComboBox>(grid, "CboFiltroCampo")->setCurrentText(QString::fromUtf8(columna));
        QLineEdit *caja = control<QLineEdit>(grid, "txtBuscar");
        caja->setText(QString::fromUtf8(texto));
        QTest::keyClick(caja, Qt::Key_Return);
    }

    // Clicks the page-size box and types its text into whatever widget then has the focus, as
    // the user does: what the box was showing first selected and erased.
    void tamanoDePagina(QvDbGrid &grid, const QString &teclas)
    {
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        QTest::mouseClick(control<QComboBox>(grid, "CboRegistros")->lineEdit(), Qt::LeftButton);
        QWidget *foco = QApplication::focusWidget();
        ASSERT_NE(foco, nullptr);
        QTest::keyClick(foco, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(foco, Qt::Key_Backspace);
        QTest::keyClicks(foco, teclas);
        QTest::keyClick(foco, Qt::Key_Return);
    }
};

TEST_F(QvDbGridPrueba, LoadsPageOneWithCaptionsConvertedValuesRowNumbersAndThePageList)
{
    auto grid = std::make_unique<QvDbGrid>();
    QSignalSpy cargadas(grid.get(), &QvDbGrid::PaginaCargada);
    grid->setSql(Todos);
    grid->setPageSize(10);
    EXPECT_FALSE(grid->isEnabled());
    grid->LoadQvDBGrid();

    EXPECT_TRUE(grid->isEnabled());
    EXPECT_EQ(grid->sql(), Todos + QStringLiteral("  "));
    EXPECT_EQ(captions(*grid), QStringList({"ID", "Nombre", "Alta", "Saldo"}));
    EXPECT_EQ(columna(*grid, 1), numeros(1, 10));
    EXPECT_EQ(columna(*grid, 0), numeros(1, 10));
    EXPECT_EQ(flex(*grid)->TextMatrix(1, 2), QStringLiteral("Cliente 01"));
    EXPECT_EQ(flex(*grid)->TextMatrix(1, 3), QStringLiteral("21/02/2024"));
    EXPECT_EQ(flex(*grid)->TextMatrix(2, 4), QStringLiteral("21"));
    EXPECT_EQ(control<QLabel>(*grid, "lblPaginas")->text(), QStringLiteral("        Página        1 de 3"));
    EXPECT_EQ(control<QComboBox>(*grid, "cboPagSelect")->count(), 3);
    EXPECT_EQ(grid->UltimaPagina(), 3);
    QStringList filtros;
    for (int i = 0; i < control<QComboBox>(*grid, "CboFiltroCampo")->count(); ++i)
        filtros << control<QComboBox>(*grid, "CboFiltroCampo")->itemText(i);
    EXPECT_EQ(filtros, QStringList({"Todos", "ID", "Nombre", "Alta", "Saldo"}));
    ASSERT_EQ(cargadas.size(), 1);
    EXPECT_EQ(cargadas.at(0).at(0).toInt(), 1);

    grid->Inicializa();
    EXPECT_FALSE(grid->isEnabled());
    EXPECT_EQ(grid->OrdenSent(), 3);
    EXPECT_EQ(columna(*grid, 2).first(), QString());
}

TEST_F(QvDbGridPrueba, PagesWithTheButtonsTheListAndTheKeys)
{
    auto grid = grilla(Todos);
    QSignalSpy cargadas(grid.get(), &QvDbGrid::PaginaCargada);
    QTest::mouseClick(control<QPushButton>(*grid, "cmdSiguiente"), Qt::LeftButton);
    EXPECT_EQ(columna(*grid, 1), numeros(11, 20));
    EXPECT_EQ(columna(*grid, 0), numeros(11, 20));
    QTest::mouseClick(control<QPushButton>(*grid, "cmdUltimo"), Qt::LeftButton);
    EXPECT_EQ(columna(*grid, 1), numeros(21, 23));
    EXPECT_EQ(control<QLabel>(*grid, "lblPaginas")->text(), QStringLiteral("        Página        3 de 3"));
    QTest::mouseClick(control<QPushButton>(*grid, "cmdSiguiente"), Qt::LeftButton);
    grid->CargarPagina(4);
    EXPECT_EQ(cargadas.size(), 2);

    grid->CargarPagina(1);
    QTest::keyClick(flex(*grid), Qt::Key_PageDown);
    EXPECT_EQ(grid->PaginaActual(), 2);
    flex(*grid)->setRow(flex(*grid)->Rows() - 1);
    QTest::keyClick(flex(*grid), Qt::Key_Down);
    EXPECT_EQ(grid->PaginaActual(), 2);
    QTest::keyClick(flex(*grid), Qt::Key_Down);
    EXPECT_EQ(grid->PaginaActual(), 3);
    QTest::mouseClick(control<QPushButton>(*grid, "cmdPrimero"), Qt::LeftButton);
    EXPECT_EQ(columna(*grid, 1).first(), QStringLiteral("1"));
}

// A date column sorts by its date, though the grid shows it as text (29/02 comes before 01/03).
TEST_F(QvDbGridPrueba, SortsTheWholeQueryByTheColumnUnderTheCursorDatesAsDates)
{
    auto grid = grilla(Todos);
    flex(*grid)->setCol(3);
    grid->ImgOrdenDesc_Click();
    EXPECT_EQ(columna(*grid, 3).first(), QStringLiteral("14/03/2024"));
    EXPECT_EQ(columna(*grid, 3).at(5), QStringLiteral("09/03/2024"));
    EXPECT_EQ(grid->OrderBy(), QStringLiteral(" Order by [Alta] Desc "));
    EXPECT_EQ(control<QLabel>(*grid, "StatusBar1_Panel1")->text(), QStringLiteral(" Orden:  Order by [Alta] Desc "));
    EXPECT_EQ(flex(*grid)->colorCelda(0, 3), QColor(238, 214, 238));
    grid->ImgOrdenAsc_Click();
    EXPECT_EQ(columna(*grid, 3).mid(7, 3), QStringList({"28/02/2024", "29/02/2024", "01/03/2024"}));
    EXPECT_EQ(flex(*grid)->colorCelda(0, 3), QColor(217, 246, 210));

    // Every page follows the order, whether its rows are numbered from either end: by a date,
    // and by the key downwards, 5 rows a page.
    auto *registros = control<QComboBox>(*grid, "CboRegistros");
    registros->setCurrentIndex(0);
    emit registros->activated(0);
    ASSERT_EQ(grid->UltimaPagina(), 5);
    const auto todasLasPaginas = [&](int c) {
        QStringList textos;
        for (int pagina = 1; pagina <= grid->UltimaPagina(); ++pagina) {
            grid->CargarPagina(pagina);
            textos << columna(*grid, c);
        }
        return textos;
    };
    QStringList fechas;
    for (int dia = 0; dia < 23; ++dia)
        fechas << QDate(2024, 2, 21).addDays(dia).toString(QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(todasLasPaginas(3), fechas);
    flex(*grid)->setCol(1);
    grid->ImgOrdenDesc_Click();
    QStringList claves = numeros(1, 23);
    std::reverse(claves.begin(), claves.end());
    EXPECT_EQ(todasLasPaginas(1), claves);
}

TEST_F(QvDbGridPrueba, SearchesOnAllPagesNarrowTheQueryShowPageOneAndRefreshDropsThem)
{
    auto grid = grilla(Todos);
    grid->CargarPagina(3);
    buscar(*grid, "Nombre", "1");
    EXPECT_EQ(grid->PaginaActual(), 1);
    EXPECT_EQ(grid->UltimaPagina(), 2);
    EXPECT_EQ(columna(*grid, 1), QStringList({"1", "10", "11", "12", "13", "14", "15", "16", "17", "18"}));
    EXPECT_TRUE(control<QLineEdit>(*grid, "txtBuscar")->text().isEmpty());
    buscar(*grid, "Todos", "2");
    EXPECT_EQ(columna(*grid, 1), QStringList({"12", "21"}));
    EXPECT_EQ(grid->UltimaPagina(), 1);
    control<QComboBox>(*grid, "cboPagSelect")->setCurrentIndex(0);
    grid->findChild<QAction *>(QStringLiteral("ACTUALIZAR"))->trigger();
    EXPECT_EQ(grid->UltimaPagina(), 3);
    EXPECT_EQ(columna(*grid, 1), numeros(1, 10));
    // Letter case does not count; the wildcards of LIKE keep their meaning.
    buscar(*grid, "Nombre", "ENTE 2");
    EXPECT_EQ(columna(*grid, 1), QStringList({"20", "21", "22", "23"}));
    grid->findChild<QAction *>(QStringLiteral("ACTUALIZAR"))->trigger();
    buscar(*grid, "Todos", "e_1");
    EXPECT_EQ(columna(*grid, 1), numeros(10, 19));
}

TEST_F(QvDbGridPrueba, ADateColumnIsSearchedByDateAndATextThatIsNoDateIsRefused)
{
    auto grid = grilla(Todos);
    dialogos.expectMsgBox(support::BoxMatch::text(QStringLiteral("Debe Ingresar un Formato de Fecha Válido."))
                              .withTitle(QStringLiteral("Aviso al Usuario")));
    buscar(*grid, "Alta", "ayer");
    EXPECT_EQ(control<QLineEdit>(*grid, "txtBuscar")->text(), QStringLiteral("ayer"));
    EXPECT_EQ(columna(*grid, 1), numeros(1, 10));
    buscar(*grid, "Alta", "05/03/2024");
    EXPECT_EQ(columna(*grid, 1), QStringList({"14"}));
}

TEST_F(QvDbGridPrueba, AnEmptySearchAsksForTheTextAndASearchWithoutRowsShowsAnEmptyPage)
{
    auto grid = grilla(Todos);
    dialogos.expectInputBox(support::BoxMatch::textContaining(QStringLiteral("Campo seleccionado: Nombre")),
                            QStringLiteral("zzz"));
    buscar(*grid, "Nombre", "");
    EXPECT_EQ(captions(*grid), QStringList({"ID", "Nombre", "Alta", "Saldo"}));
    EXPECT_EQ(columna(*grid, 2), QStringList({""}));
    buscar(*grid, "Nombre", "23");
    EXPECT_EQ(columna(*grid, 1), QStringList({"23"}));
}

TEST_F(QvDbGridPrueba, SearchingThePageShownMarksTheCellsAndLoadsNothing)
{
    auto grid = grilla(Todos);
    grid->setFind(1);
    buscar(*grid, "Nombre", "cliente 0");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(flex(*grid)->colorCelda(r, 2), r < 10 ? QColor(192, 232, 232) : QColor()) << r;
    EXPECT_EQ(flex(*grid)->Row(), 9);
    EXPECT_EQ(grid->UltimaPagina(), 3);
}

TEST_F(QvDbGridPrueba, ThePageSizeTypedWhereTheFocusIsTakesDigitsAndBackspaceAndKeepsItsLimits)
{
    const QString menorA1 = QStringLiteral("El tamaño de la página en registos no puede ser menor a 1 por página.");
    const QString superaLos2000 =
        QStringLiteral("El tamaño de la página en registros no puede superar los 2000 por página.");
    struct Caso {
        const char *teclas;
        QString mensaje;
        long porPagina;
        long paginas;
    };
    for (const Caso &caso : {Caso{"7", QString(), 7, 4}, Caso{"2500", superaLos2000, 2000, 1}, Caso{"", menorA1, 1, 23},
                             Caso{"1x5\b2", QString(), 12, 2}, Caso{"ab", menorA1, 1, 23}}) {
        SCOPED_TRACE(caso.teclas);
        auto grid = grilla(Todos);
        if (!caso.mensaje.isEmpty())
            dialogos.expectMsgBox(support::BoxMatch::text(caso.mensaje).withTitle(QStringLiteral("Aviso al Usuario")));
        tamanoDePagina(*grid, QString::fromUtf8(caso.teclas));
        EXPECT_EQ(grid->PageSize(), caso.porPagina);
        EXPECT_EQ(grid->UltimaPagina(), caso.paginas);
        EXPECT_EQ(columna(*grid, 1).size(), std::min(caso.porPagina, 23L));
    }
}

// The grid runs its one query and nothing more: a query, or a column choice stored for the
// user, that holds another statement is refused with a message, and none of it runs.
TEST_F(QvDbGridPrueba, AQueryOrAStoredChoiceHoldingAnotherStatementIsRefusedAndNothingOfItRuns)
{
    const QString otraSentencia =
        QStringLiteral("La grilla sólo ejecuta una consulta: el texto contiene otra sentencia y no se ejecutó.");
    const ColumnasGuardadas::Claves claves =
        ColumnasGuardadas::claves(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                                  LineaComandoProceso(), QStringLiteral("DEMO"));
    struct Caso {
        const char *consulta;
        const char *eleccionGuardada;
        bool rechazada;
        QStringList columnas; // shown; none when the grid is not loaded at all
    };
    const QStringList todas{"ID", "Nombre", "Alta", "Saldo"};
    for (const Caso &caso : {
             Caso{"SELECT * FROM Clientes; DELETE FROM TA_USUARIOS", "", true, {}},
             Caso{"SELECT * FROM Clientes;;", "", true, {}},
             Caso{"SELECT * FROM Clientes DELETE FROM TA_USUARIOS", "", true, {}},
             Caso{"SELECT * FROM Clientes WHERE ID > 0 DROP TABLE TA_USUARIOS", "", true, {}},
             Caso{"SELECT * FROM Clientes SELECT * FROM TA_USUARIOS", "", true, {}},
             Caso{"DELETE FROM TA_USUARIOS", "", true, {}},
             Caso{"SELECT * FROM Clientes", "[Nombre]; DELETE FROM TA_USUARIOS", true, todas},
             Caso{"SELECT * FROM Clientes", "[Nombre]|ID DELETE FROM TA_USUARIOS", true, todas},
             Caso{"SELECT * FROM Clientes WHERE Nombre <> 'x; DELETE FROM TA_USUARIOS' /* DROP TABLE TA_USUARIOS */",
                  "", false, todas},
             Caso{"SELECT * FROM Clientes", "[Nombre]|ID", false, {"Nombre", "ID"}},
         }) {
        SCOPED_TRACE(caso.consulta);
        SCOPED_TRACE(caso.eleccionGuardada);
        db.execute(QStringLiteral("DELETE FROM TA_USUARIOS; DELETE FROM TA_CONFIG_FORM;"
                                  "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA) VALUES ('ANA', 'S');"
                                  "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA) VALUES ('LUIS', 'S');"));
        if (*caso.eleccionGuardada)
            db.execute(ColumnasGuardadas::insertar(claves, QString::fromUtf8(caso.eleccionGuardada)));
        if (caso.rechazada)
            dialogos.expectMsgBox(support::BoxMatch::text(otraSentencia).withTitle(QStringLiteral("Aviso al Usuario")));
        auto grid = grilla(QString::fromUtf8(caso.consulta));
        dialogos.verify();
        EXPECT_EQ(db.value(QStringLiteral("SELECT COUNT(*) FROM TA_USUARIOS")).asLong(), 2);
        EXPECT_EQ(grid->isEnabled(), !caso.columnas.isEmpty());
        if (!caso.columnas.isEmpty()) {
            EXPECT_EQ(captions(*grid), caso.columnas);
        }
    }
}

// Rows whose key is Null cannot be told apart by the key, yet each shows once on its page.
TEST_F(QvDbGridPrueba, RowsWithoutKeyAreNeitherLostNorRepeated)
{
    db.execute(QStringLiteral("INSERT INTO Clientes (ID, Nombre) VALUES (NULL, 'Sin clave A');"
                              "INSERT INTO Clientes (ID, Nombre) VALUES (NULL, 'Sin clave B');"));
    auto grid = grilla(Todos, 4);
    QStringList nombres;
    for (int pagina = 1; pagina <= grid->UltimaPagina(); ++pagina) {
        grid->CargarPagina(pagina);
        nombres << columna(*grid, 2);
    }
    EXPECT_EQ(grid->UltimaPagina(), 7);
    EXPECT_EQ(nombres.size(), 25);
    nombres.removeDuplicates();
    EXPECT_EQ(nombres.size(), 25);
}

TEST_F(QvDbGridPrueba, TheColumnChoiceIsStoredPerUserAndReadBackAtTheNextLoad)
{
    auto grid = grilla(QStringLiteral("SELECT Nombre, Alta, Saldo, ID FROM Clientes"));
    onNextModal([](QWidget *ventana) {
        auto *lista = ventana->findChild<QListWidget *>(QStringLiteral("LstLista"));
        lista->item(1)->setCheckState(Qt::Checked);
        lista->item(0)->setCheckState(Qt::Checked);
        lista->setCurrentRow(1);
        QTest::mouseClick(ventana->findChild<QToolButton *>(QStringLiteral("ImgSube")), Qt::LeftButton);
        QTest::mouseClick(ventana->findChild<QPushButton *>(QStringLiteral("CmdAplica")), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(*grid, "cmdColumnas"), Qt::LeftButton);
    EXPECT_EQ(captions(*grid), QStringList({"Alta", "Nombre", "ID"}));
    EXPECT_EQ(db.value(QStringLiteral("SELECT VALOR FROM TA_CONFIG_FORM WHERE USUARIO = 'DEMO'")).asString(),
              QStringLiteral("CONVERT(NVARCHAR|[Alta]|103)AS[Alta]|[Nombre]|ID"));

    auto otra = grilla(QStringLiteral("SELECT Nombre, Alta, Saldo, ID FROM Clientes"));
    EXPECT_EQ(captions(*otra), QStringList({"Alta", "Nombre", "ID"}));
    buscar(*otra, "Alta", "05/03/2024");
    EXPECT_EQ(columna(*otra, 2), QStringList({"Cliente 14"}));

    onNextModal([](QWidget *ventana) {
        QTest::mouseClick(ventana->findChild<QToolButton *>(QStringLiteral("ImgCancelar")), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(*otra, "cmdColumnas"), Qt::LeftButton);
    EXPECT_EQ(otra->CamposSel(), QStringLiteral("CONVERT(NVARCHAR,[Alta],103)AS[Alta],[Nombre],ID"));
}

TEST_F(QvDbGridPrueba, PagesTheDemoDatabasesVouchersToTheirLastRow)
{
    db.fillDemo();
    const long vouchers = db.value(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE")).asLong();
    auto grid = grilla(QStringLiteral("SELECT ID, TC, IdComprobante, Fecha, Nombre, Importe FROM V_MV_CPTE"), 50);
    EXPECT_EQ(grid->UltimaPagina(), (vouchers + 49) / 50);
    // The table's indexes hold its key: a page query must not read the keys in their order.
    QStringList claves;
    for (int pagina = 1; pagina <= grid->UltimaPagina(); ++pagina) {
        grid->CargarPagina(pagina);
        claves << columna(*grid, 1);
    }
    claves.removeDuplicates();
    EXPECT_EQ(claves.size(), vouchers);
    EXPECT_EQ(columna(*grid, 0).last(), QString::number(vouchers));
    EXPECT_EQ(flex(*grid)->Rows() - 1, vouchers - 50 * (grid->UltimaPagina() - 1));
    buscar(*grid, "TC", "NC");
    EXPECT_EQ(grid->PaginaActual(), 1);
    EXPECT_EQ(columna(*grid, 2).filter(QStringLiteral("NC")).size(), flex(*grid)->Rows() - 1);
}

TEST_F(QvDbGridPrueba, AJoinOrAGroupingHidesTheChooserAndTheSortAndShowsTheQueryWhole)
{
    auto grid = grilla(QStringLiteral("SELECT Alta, COUNT(*) AS Cuantos FROM Clientes group by Alta"), 5);
    EXPECT_FALSE(grid->Columnas());
    EXPECT_TRUE(grid->OcultarOrdenar());
    EXPECT_TRUE(control<QPushButton>(*grid, "cmdColumnas")->isHidden());
    EXPECT_TRUE(control<QToolButton>(*grid, "ImgOrdenAsc")->isHidden());
    EXPECT_EQ(flex(*grid)->Rows(), 24);
}

// The page reads the query's columns by their names: a query whose column has no name to be read
// by (an expression without alias) runs as written and is shown whole, as a join is, without a
// box; a failure of that run, or any other failure of the page, is the user's to see.
TEST_F(QvDbGridPrueba, APageThatCannotNameAColumnShowsTheQueryWholeAndOnlyItsOwnFailureIsReported)
{
    const char *sinAlias = "SELECT ID, Saldo / ID, Saldo + 1 FROM Clientes WHERE ID <> 0";
    const QStringList columnasSinAlias{"ID", "Saldo / ID", "Saldo + 1"};
    const char *paginada = "SELECT ID, Nombre FROM Clientes WHERE ID <> 0";
    const QStringList columnasPaginadas{"ID", "Nombre"};
    const QStringList sinCargar{""}; // the grid as it stood before the load: one blank cell
    const QString error = QStringLiteral("Ha ocurrido el Siguiente Error (-2147217900) ");
    struct Caso {
        const char *consulta;
        const char *clave;
        const char *busqueda; // searched in every column after the load, when not empty
        int pagina;
        QString caja; // the one box shown, answered Abort
        QStringList captions;
        QStringList claves; // column 1; Clientes' keys run from 1, so column 0 numbers each row by its key
        const char *etiqueta;
    };
    for (const Caso &caso : {
             Caso{sinAlias, "ID", "", 1, {}, columnasSinAlias, numeros(1, 23), "1 de 3"},
             Caso{sinAlias, "ID", "2", 1, {}, columnasSinAlias, numeros(1, 23), "1 de 3"},
             Caso{"SELECT ID, Nombre FROM Clientes ORDER BY Nombrx", "ID", "", 1,
                  error + QStringLiteral("Invalid column name 'Nombrx'."), sinCargar, sinCargar, "1 de 3"},
             Caso{"SELECT ID, Nombre FROM Clientes", "DISTINCT ID", "", 1,
                  error + QStringLiteral("Incorrect syntax near 'DISTINCT'."), sinCargar, sinCargar, "1 de 3"},
             Caso{paginada, "ID", "", 2, {}, columnasPaginadas, numeros(11, 20), "2 de 3"},
         }) {
        SCOPED_TRACE(std::string(caso.consulta) + " / " + caso.clave + " / " + caso.busqueda);
        if (!caso.caja.isEmpty())
            dialogos.expectMsgBox(support::BoxMatch::text(caso.caja), ui::vbAbort);
        auto grid = std::make_unique<QvDbGrid>();
        grid->setSql(QString::fromUtf8(caso.consulta));
        grid->setPrimaryKey(QString::fromUtf8(caso.clave));
        grid->setPageSize(10);
        grid->show();
        grid->LoadQvDBGrid();
        if (*caso.busqueda)
            buscar(*grid, "Todos", caso.busqueda);
        if (caso.pagina != 1)
            grid->CargarPagina(caso.pagina);
        dialogos.verify();
        EXPECT_EQ(captions(*grid), caso.captions);
        EXPECT_EQ(columna(*grid, 1), caso.claves);
        EXPECT_EQ(columna(*grid, 0), caso.claves);
        EXPECT_EQ(control<QLabel>(*grid, "lblPaginas")->text(),
                  QStringLiteral("        Página        ") + QString::fromUtf8(caso.etiqueta));
    }
}

TEST_F(QvDbGridPrueba, PropertiesStartReadAndSaveWithTheirOwnDefaults)
{
    QvDbGrid grid;
    EXPECT_EQ(grid.PageSize(), 4000);
    EXPECT_FALSE(grid.AnchoColFijo());
    EXPECT_EQ(grid.PrimaryKey(), QStringLiteral("ID"));
    grid.setOcultarOrdenar(true);
    ui::PropertyBag guardada;
    grid.WriteProperties(guardada);
    for (const char *clave : {"Find", "Order", "AlignCommandBar", "AlignFilterBar"})
        EXPECT_FALSE(guardada.contains(QString::fromUtf8(clave))) << clave;
    EXPECT_EQ(guardada.ReadProperty(QStringLiteral("PageSize")).toLongLong(), 4000);

    QvDbGrid leida;
    leida.ReadProperties(ui::PropertyBag());
    EXPECT_EQ(leida.PageSize(), 5);
    EXPECT_TRUE(leida.AnchoColFijo());
    leida.ReadProperties(guardada);
    EXPECT_FALSE(leida.OcultarOrdenar());

    const QList<QAction *> items = leida.findChild<QMenu *>(QStringLiteral("Toolbar1_Menu"))->actions();
    leida.setFind(1);
    EXPECT_EQ(items.at(0)->text(), QStringLiteral("» Buscar en Página Actual"));
    EXPECT_EQ(items.at(1)->text(), QStringLiteral("Buscar en todas las Páginas"));
    items.at(0)->trigger();
    EXPECT_EQ(leida.Find(), 1);
    items.at(1)->trigger();
    EXPECT_EQ(leida.Find(), 2);
    EXPECT_EQ(items.at(0)->text(), QStringLiteral("  Buscar en Página Actual"));
    EXPECT_THROW(leida.setFind(3), rt::RuntimeError);
}

TEST_F(QvDbGridPrueba, ClosingTheGridLeavesTheProgramsConnectionOpen)
{
    grilla(Todos).reset();
    ASSERT_TRUE(gBaseDatos.exists());
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gBaseDatos->gCnn.State(), 1);
}

} // namespace
