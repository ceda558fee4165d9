// The grid runs one query that only reads, and nothing more, whatever its text hides: a query,
// or a column choice stored for the user, that would run another statement is refused with the
// grid's message and leaves the database as it was; queries that only read still load.

#include "PruebaGrilla.h"

#include "core/ParametrosComando.h"
#include "db/Conexiones.h"
#include "grid/ColumnasGuardadas.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"
#include "support/ScriptedEngine.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Filas = QList<QList<rt::Variant>>;

class UnaConsulta : public PruebaGrilla {
protected:
    UnaConsulta() { db.fillDemo(20); }

    static Filas filas(const QString &sql)
    {
        Filas todas;
        for (ado::Recordset rs = gBaseDatos->gCnn.Execute(sql); !rs.EOF_(); rs.MoveNext()) {
            QList<rt::Variant> fila;
            for (long i = 0; i < rs.FieldCount(); ++i)
                fila << rs.Fields(i).Value();
            todas << fila;
        }
        return todas;
    }

    // Every table and view the grid's connection sees, its own temporary ones too, and the rows
    // of each table.
    static QMap<QString, Filas> estado()
    {
        QMap<QString, Filas> objetos;
        for (const QList<rt::Variant> &objeto :
             filas(QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('table', 'view') "
                                  "UNION ALL SELECT type, name FROM sqlite_temp_master"))) {
            const QString nombre = objeto.at(1).asString();
            objetos[objeto.at(0).asString() + u' ' + nombre] =
                objeto.at(0).asString() == u"table" ? filas(QStringLiteral("SELECT * FROM [%1]").arg(nombre)) : Filas();
        }
        return objetos;
    }

    static void igual(const QMap<QString, Filas> &despues, const QMap<QString, Filas> &antes)
    {
        EXPECT_EQ(despues.keys(), antes.keys());
        for (auto it = antes.cbegin(); it != antes.cend(); ++it)
            EXPECT_TRUE(despues.value(it.key()) == it.value()) << it.key().toStdString();
    }
};

TEST_F(UnaConsulta, AQueryOrAStoredChoiceHidingAnotherStatementIsRefusedAndNoTableChanges)
{
    const QString consulta = QStringLiteral("SELECT ID, TC, Nombre FROM V_MV_CPTE");
    const ColumnasGuardadas::Claves claves =
        ColumnasGuardadas::claves(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                                  LineaComandoProceso(), QStringLiteral("DEMO"));
    struct Caso {
        const char *consulta; // after "SELECT ID, TC, Nombre FROM V_MV_CPTE" when it starts with a blank
        const char *eleccionGuardada;
    };
    for (const Caso &caso : {
             Caso{" /* /* */ '*/ DELETE FROM TA_USUARIOS --'", ""},
             Caso{" /* /* */ '*/ UPDATE TA_USUARIOS SET NOMBRE = 'X' --'", ""},
             Caso{" WHERE ID>0DELETE FROM TA_USUARIOS", ""},
             Caso{" WHERE 1=1DROP TABLE TA_USUARIOS", ""},
             Caso{" WHERE ID>0UPDATE TA_USUARIOS SET NOMBRE = 'X'", ""},
             Caso{" WHERE ID>0INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA) VALUES ('Z', 'S')", ""},
             Caso{" WHERE ID>1eDELETE FROM TA_USUARIOS", ""},
             Caso{"SELECT ID, Nombre INTO NUEVA_TABLA FROM V_MV_CPTE", ""},
             Caso{"SELECT ID, Nombre INTO #NUEVA FROM V_MV_CPTE", ""},
             Caso{"EXEC ('DELETE FROM TA_USUARIOS')", ""},
             Caso{"EXECUTE sp_executesql N'DELETE FROM TA_USUARIOS'", ""},
             Caso{"", "ID /* /* */ '*/ DELETE FROM TA_USUARIOS --'"},
             Caso{"", "ID|Nombre FROM V_MV_CPTE WHERE 1=1DROP TABLE TA_USUARIOS --"},
             Caso{"", "ID INTO NUEVA_DESDE_COLUMNAS"},
         }) {
        SCOPED_TRACE(caso.consulta);
        SCOPED_TRACE(caso.eleccionGuardada);
        const QString texto = QString::fromUtf8(caso.consulta);
        db.execute(QStringLiteral("DELETE FROM TA_CONFIG_FORM"));
        if (*caso.eleccionGuardada)
            db.execute(ColumnasGuardadas::insertar(claves, QString::fromUtf8(caso.eleccionGuardada)));
        const QMap<QString, Filas> antes = estado();
        dialogos.expectMsgBox(
            support::BoxMatch::text(
                QStringLiteral(
                    "La grilla sólo ejecuta una consulta: el texto contiene otra sentencia y no se ejecutó."))
                .withTitle(QStringLiteral("Aviso al Usuario")));
        auto grid = grilla(texto.isEmpty() || texto.startsWith(u' ') ? consulta + texto : texto);
        dialogos.verify();
        igual(estado(), antes);
        // A refused choice leaves the query's own columns.
        EXPECT_EQ(grid->isEnabled(), *caso.eleccionGuardada != 0);
        if (*caso.eleccionGuardada) {
            EXPECT_EQ(captions(*grid), QStringList({"ID", "TC", "Nombre"}));
        }
    }
}

TEST_F(UnaConsulta, QueriesThatOnlyReadLoadWhateverTheirLiteralsNamesAndCommentsHold)
{
    struct Caso {
        const char *consulta;
        QStringList columnas;
    };
    for (const Caso &caso : {
             Caso{"SELECT ID, TC FROM V_MV_CPTE WHERE TC = 'FC' UNION ALL SELECT ID, TC FROM V_MV_CPTE WHERE TC = 'NC'",
                  {"ID", "TC"}},
             Caso{"SELECT ID, Nombre FROM V_MV_CPTE WHERE Nombre <> 'x; DELETE FROM TA_USUARIOS */'", {"ID", "Nombre"}},
             Caso{"SELECT ID, Nombre AS [Cliente; DROP TABLE TA_USUARIOS */] FROM V_MV_CPTE",
                  {"ID", "Cliente; DROP TABLE TA_USUARIOS */"}},
             Caso{"SELECT ID, Nombre FROM V_MV_CPTE AS [a]]b; DELETE FROM TA_USUARIOS] WHERE ID > 0", {"ID", "Nombre"}},
             Caso{"SELECT ID, /* DELETE FROM TA_USUARIOS /* nested */ */ Nombre FROM V_MV_CPTE -- DROP TABLE x",
                  {"ID", "Nombre"}},
             Caso{"SELECT ID AS \"Clave\" FROM V_MV_CPTE", {"Clave", "ID"}},
         }) {
        SCOPED_TRACE(caso.consulta);
        const QMap<QString, Filas> antes = estado();
        auto grid = grilla(QString::fromUtf8(caso.consulta));
        dialogos.verify();
        EXPECT_TRUE(grid->isEnabled());
        EXPECT_EQ(captions(*grid), caso.columnas);
        EXPECT_GT(flex(*grid)->Rows(), 1);
        EXPECT_FALSE(flex(*grid)->TextMatrix(1, 1).isEmpty());
        igual(estado(), antes);
    }
}

using UnaSentencia = PruebaGrilla;

// A bracketed name holds any character, its "]" doubled, one ";" may end the query and comments
// may stand anywhere in it: each is one statement that loads, pages, sorts, searches and takes a
// column choice, named as written.
TEST_F(UnaSentencia, NamesHoldingAnyCharacterAndOneEndingSemicolonLoadAsAnyQuery)
{
    struct Caso {
        const char *consulta;
        QStringList columnas;
        QStringList pagina1; // the key, ID, in the last column, 3 rows a page
        QStringList pagina2;
    };
    for (const Caso &caso : {
             Caso{"SELECT ID AS [a]]b], Nombre AS [x;y] FROM Clientes",
                  {"a]b", "x;y", "ID"},
                  {"1", "2", "3"},
                  {"4", "5", "6"}},
             Caso{"SELECT ID AS [a]];DELETE FROM TA_USUARIOS;--], Nombre AS [x,y] FROM Clientes",
                  {"a];DELETE FROM TA_USUARIOS;--", "x,y", "ID"},
                  {"1", "2", "3"},
                  {"4", "5", "6"}},
             Caso{"SELECT ID AS \"a,b\", Nombre AS \"x,\"\"y\" FROM Clientes",
                  {"a,b", "x,\"y", "ID"},
                  {"1", "2", "3"},
                  {"4", "5", "6"}},
             Caso{"SELECT Nombre, ID FROM Clientes WHERE ID > 3;", {"Nombre", "ID"}, {"4", "5", "6"}, {"7", "8", "9"}},
             Caso{"SELECT Nombre, ID FROM Clientes ; -- fin\n", {"Nombre", "ID"}, {"1", "2", "3"}, {"4", "5", "6"}},
             Caso{"SELECT Nombre, ID FROM Clientes -- fin", {"Nombre", "ID"}, {"1", "2", "3"}, {"4", "5", "6"}},
             Caso{"SELECT Nombre, ID FROM Clientes -- de 4\nWHERE ID > 3 /* en */ ORDER BY ID",
                  {"Nombre", "ID"},
                  {"4", "5", "6"},
                  {"7", "8", "9"}},
         }) {
        SCOPED_TRACE(caso.consulta);
        db.execute(QStringLiteral("DELETE FROM TA_CONFIG_FORM"));
        auto grid = grilla(QString::fromUtf8(caso.consulta), 3);
        EXPECT_EQ(captions(*grid), caso.columnas);
        const int clave = static_cast<int>(caso.columnas.size());
        EXPECT_EQ(columna(*grid, clave), caso.pagina1);
        grid->CargarPagina(2);
        EXPECT_EQ(columna(*grid, clave), caso.pagina2);
        flex(*grid)->setCol(1);
        grid->ImgOrdenDesc_Click();
        EXPECT_EQ(columna(*grid, clave), QStringList({"20", "19", "18"}));
        control<QComboBox>(*grid, "CboFiltroCampo")->setCurrentIndex(1);
        control<QLineEdit>(*grid, "txtBuscar")->setText(QStringLiteral("2"));
        QTest::keyClick(control<QLineEdit>(*grid, "txtBuscar"), Qt::Key_Return);
        EXPECT_EQ(columna(*grid, clave), QStringList({"23", "22", "21"}));
        EXPECT_EQ(grid->UltimaPagina(), 2) << "the rows found are counted";
        onNextModal([](QWidget *ventana) {
            QTest::mouseClick(ventana->findChild<QPushButton *>(QStringLiteral("CmdAll")), Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(*grid, "cmdColumnas"), Qt::LeftButton);
        EXPECT_EQ(captions(*grid), caso.columnas);
        EXPECT_EQ(captions(*grilla(QString::fromUtf8(caso.consulta), 3)), caso.columnas);
        dialogos.verify();
    }
}

// A literal, name or comment left open is the engine's to refuse: its syntax error shows through
// the connection's own dialog, and the grid loads nothing.
TEST_F(UnaSentencia, ATextLeftOpenShowsTheEnginesSyntaxErrorAndLoadsNothing)
{
    for (const char *consulta :
         {"SELECT ID FROM Clientes WHERE Nombre = 'x", "SELECT ID FROM Clientes /* x", "SELECT [ID FROM Clientes"}) {
        SCOPED_TRACE(consulta);
        dialogos.expectMsgBox(support::BoxMatch::textContaining(
                                  QStringLiteral("Ha ocurrido el Siguiente Error (-2147217900) Incorrect syntax")),
                              ui::vbAbort);
        auto grid = grilla(QString::fromUtf8(consulta));
        dialogos.verify();
        EXPECT_FALSE(grid->isEnabled());
    }
}

using UnaConsultaEnServidor = PruebaGrilla;

// Where the engine prepares the query its answer refuses it too; a server, which cannot tell
// without running it, leaves the text's own words to decide: an EXEC of a named procedure runs
// there, an EXEC of a text never does, nor a text that hides another statement.
TEST_F(UnaConsultaEnServidor, TheEnginesAnswerRefusesAndWithoutOneTheWordsDecide)
{
    ScriptedServer servidor;
    gBaseDatos->gCnn.Close();
    gBaseDatos->gCnn.Open(TestDatabase::connectionString());
    const auto cerrar = qScopeGuard([] { gBaseDatos->gCnn.Close(); });
    const ado::ResultSet filas = ScriptedServer::rows({"ID", "Nombre"}, {{1, "Ana"}, {2, "Luis"}});
    servidor.answerRows(QStringLiteral("sp_Saldos"), filas);
    servidor.answerRows(QStringLiteral("UNION ALL"), filas);
    using Motor = ado::ReadOnlyCheck;
    struct Caso {
        const char *consulta;
        Motor motor;
        bool rechazada;
    };
    for (const Caso &caso : {
             Caso{"EXEC sp_Saldos 1", Motor::CannotTell, false},
             Caso{"SELECT ID, Nombre FROM A UNION ALL SELECT ID, Nombre FROM B", Motor::CannotTell, false},
             Caso{"EXEC sp_Saldos 1", Motor::NotOneReadOnlyStatement, true},
             Caso{"EXEC ('SELECT 1')", Motor::CannotTell, true},
             Caso{"EXEC master.dbo.[sp_executesql] N'SELECT 1'", Motor::CannotTell, true},
             Caso{"SELECT ID FROM A /* /* */ '*/ DELETE FROM TA_USUARIOS --'", Motor::CannotTell, true},
             Caso{"SELECT ID FROM A WHERE ID>0DELETE FROM TA_USUARIOS", Motor::CannotTell, true},
             Caso{"SELECT ID FROM A --x\rDELETE FROM TA_USUARIOS", Motor::CannotTell, true},
             Caso{"SELECT ID FROM A WHERE ID>1eDELETE FROM TA_USUARIOS", Motor::CannotTell, true},
             Caso{"SELECT ID INTO #B FROM A", Motor::CannotTell, true},
         }) {
        SCOPED_TRACE(caso.consulta);
        servidor.answerReadOnly(caso.motor);
        servidor.clearCalls();
        if (caso.rechazada)
            dialogos.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("sólo ejecuta una consulta")));
        auto grid = grilla(QString::fromUtf8(caso.consulta));
        dialogos.verify();
        EXPECT_EQ(grid->isEnabled(), !caso.rechazada);
        EXPECT_EQ(servidor.statements().isEmpty(), caso.rechazada);
        if (!caso.rechazada) {
            EXPECT_EQ(columna(*grid, 2), QStringList({"Ana", "Luis"}));
        }
    }
}

} // namespace
