// The column lists of the grid, the column chooser's list and the stored column choice, without
// widgets or database.

#include "grid/ColumnasGuardadas.h"
#include "grid/EleccionColumnas.h"
#include "grid/ListaCampos.h"
#include "platform/ado/Engine.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

using Campo = ListaCampos::CampoSonda;

const QList<Campo> Sonda{{QStringLiteral("Alta"), ado::adDBTimeStamp},   {QStringLiteral("Nombre"), ado::adVarWChar},
                         {QStringLiteral("Notas"), ado::adLongVarWChar}, {QStringLiteral("Saldo"), ado::adCurrency},
                         {QStringLiteral("Total"), ado::adNumeric},      {QStringLiteral("Foto"), ado::adLongVarBinary},
                         {QStringLiteral("Zona"), ado::adInteger}};
const QString SondaTexto =
    QStringLiteral("SELECT TOP 1 Alta, Nombre, Notas, Saldo, Importe * 2 AS Total, Foto, Zona FROM T");

TEST(CargarCampos, AllColumnsConvertDatesAndAmountsSkipLongTextAndEndWithTheKey)
{
    const ListaCampos lista = ListaCampos::armar(Sonda, SondaTexto, QString(), QString(), 103);
    EXPECT_EQ(lista.Campos,
              QStringLiteral(" CONVERT(NVARCHAR,[Alta],103) AS [Alta], [Nombre], CONVERT(Decimal(10â2),[Saldo]) "
                             "AS [Saldo], [Total], [Zona], ID"));
    EXPECT_EQ(lista.pListaCampos, QStringLiteral("[Alta], [Nombre],[Saldo],[Total], [Zona], ID"));
    EXPECT_EQ(lista.pColumnasFecha, QStringLiteral("|0|"));
    EXPECT_EQ(lista.pColumnasTexto, QStringLiteral("|1||4|"));
    EXPECT_EQ(lista.filtros, QStringList({"Alta", "Nombre", "Saldo", "Total", "Zona"}));
}

TEST(CargarCampos, AKeyTheListAlreadyHoldsIsNotAddedAgain)
{
    const QList<Campo> campos{{QStringLiteral("ID"), ado::adInteger}, {QStringLiteral("Nombre"), ado::adVarWChar}};
    const ListaCampos lista =
        ListaCampos::armar(campos, QStringLiteral("SELECT TOP 1 * FROM T"), QString(), QStringLiteral("Codigo"), 103);
    EXPECT_EQ(lista.Campos, QStringLiteral("[ID], [Nombre]"));
    const ListaCampos otra =
        ListaCampos::armar({{QStringLiteral("Nombre"), ado::adVarWChar}}, QStringLiteral("SELECT TOP 1 * FROM T"),
                           QString(), QStringLiteral("Codigo"), 112);
    EXPECT_EQ(otra.Campos, QStringLiteral("[Nombre], Codigo"));
}

// The date and text positions and the filter columns follow the chosen columns the grid shows, not the
// columns of the query.
TEST(CargarCampos, ChosenColumnsConvertOnlyDatesAndTheirDateAndTextPositionsFollowTheChoice)
{
    const QString elegidas = QStringLiteral("[Zona], [Nombre], CONVERT(NVARCHAR,[Alta],103)AS[Alta], ID");
    const ListaCampos lista = ListaCampos::armar(Sonda, SondaTexto, elegidas, QString(), 103);
    EXPECT_EQ(lista.Campos,
              QStringLiteral("convert(nvarchar,[Alta],103) as [Alta], [Nombre], [Saldo], [Total], [Zona], ID"));
    EXPECT_EQ(lista.pListaCampos, QStringLiteral("[Alta], [Nombre], [Saldo], [Total], [Zona], ID"));
    EXPECT_EQ(lista.pColumnasFecha, QStringLiteral("|2|"));
    EXPECT_EQ(lista.pColumnasTexto, QStringLiteral("|0||1|"));
    EXPECT_EQ(lista.filtros, QStringList({"Zona", "Nombre", "Alta"}));
    EXPECT_EQ(ListaCampos::elegidosDe(elegidas), QStringLiteral("[Zona], [Nombre], [Alta], ID"));
    EXPECT_EQ(ListaCampos::elegidosDe(QStringLiteral("Zona AS \"Razon, \"\"Social\", \"a,b\", ID")),
              QStringLiteral("[Razon, \"Social], [a,b], ID"))
        << "a \"quoted\" name holds any character, its quote doubled";
}

struct Carga {
    const char *caso;
    const char *gCampos;
    const char *gCamposSel;
    const char *gOrdinalSel;
    QStringList listadas; // "+" before a checked entry
    const char *oculta;
};

void PrintTo(const Carga &caso, std::ostream *os)
{
    *os << caso.caso;
}

QStringList listadas(const EleccionColumnas &eleccion)
{
    QStringList textos;
    for (const EleccionColumnas::Entrada &entrada : eleccion.entradas())
        textos << (entrada.marcada ? QStringLiteral("+") : QString()) + entrada.texto;
    return textos;
}

class CargaDelElector : public ::testing::TestWithParam<Carga> { };

TEST_P(CargaDelElector, ListsTheChosenColumnsCheckedThenTheOthersAndHidesTheLast)
{
    EleccionColumnas eleccion;
    QString campos = QString::fromUtf8(GetParam().gCampos);
    eleccion.cargar(campos, QString::fromUtf8(GetParam().gCamposSel), QString::fromUtf8(GetParam().gOrdinalSel));
    EXPECT_EQ(listadas(eleccion), GetParam().listadas);
    EXPECT_EQ(eleccion.oculta(), QString::fromUtf8(GetParam().oculta));
    EXPECT_TRUE(campos.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CargaDelElector,
    ::testing::Values(
        Carga{"chosen", "[a]|[b]|[c]|ID|", "[c], [a], ID", "3|1|", {"+c", "+a", "b"}, "ID"},
        Carga{"nothing chosen", "[a]|[b]|[c]|ID|", "", "", {"a", "b", "c"}, "ID"},
        Carga{"more positions than columns", "[a]|[b]|ID|", "[b], ID", "1|2|3|", {"+b", "a"}, "ID"},
        Carga{"blank in a name", "[Razon Social]|[b]|ID|", "[Razon Social], ID", "1|", {"+Razon Social", "b"}, "ID"}));

TEST(ElectorDeColumnas, ApplyingHandsBackTheCheckedColumnsTheirPositionsAndTheWholeOrder)
{
    EleccionColumnas eleccion;
    QString campos = QStringLiteral("[a]|[b]|[c]|ID|");
    eleccion.cargar(campos, QStringLiteral("[c], [a], ID"), QStringLiteral("3|1|"));
    QString sel, ordinales, orden;
    eleccion.aplicar(sel, ordinales, orden);
    EXPECT_EQ(sel, QStringLiteral("[c], [a], [ID]"));
    EXPECT_EQ(ordinales, QStringLiteral("1|2|"));
    EXPECT_EQ(orden, QStringLiteral("[c], [a], [b], [ID]"));

    eleccion.marcar(0, false);
    eleccion.marcar(2, true);
    eleccion.aplicar(sel, ordinales, orden);
    EXPECT_EQ(sel, QStringLiteral("[a], [b], [ID]"));
    EXPECT_EQ(ordinales, QStringLiteral("2|3|"));

    for (int i = 0; i < 3; ++i)
        eleccion.marcar(i, false);
    eleccion.aplicar(sel, ordinales, orden);
    EXPECT_EQ(sel, QString());
    EXPECT_EQ(ordinales, QString());
    EXPECT_EQ(orden, QStringLiteral("[c], [a], [b], [ID]"));
}

TEST(ElectorDeColumnas, AMovedEntryKeepsItsCheckAndStopsAtTheEnds)
{
    EleccionColumnas eleccion;
    QString campos = QStringLiteral("[a]|[b]|[c]|ID|");
    eleccion.cargar(campos, QStringLiteral("[a], ID"), QStringLiteral("1|"));
    EXPECT_EQ(eleccion.bajar(0), 1);
    EXPECT_EQ(listadas(eleccion), QStringList({"b", "+a", "c"}));
    EXPECT_EQ(eleccion.bajar(1), 2);
    EXPECT_EQ(eleccion.bajar(2), 2);
    EXPECT_EQ(eleccion.subir(0), 0);
    EXPECT_EQ(eleccion.subir(2), 1);
    EXPECT_EQ(listadas(eleccion), QStringList({"b", "+a", "c"}));
    EXPECT_EQ(eleccion.subir(-1), -1);
}

TEST(ColumnaGuardada, TheFormKeyNeverHoldsThePasswordOfTheCommandLine)
{
    const ColumnasGuardadas::Claves claves = ColumnasGuardadas::claves(
        QStringLiteral("comisiones"), QStringLiteral("@Server=srv;@DbName=EMP;@Usuario=ana;@Password=secreta;@Caja=2;"),
        QStringLiteral("EMP"));
    EXPECT_EQ(claves.formulario, QStringLiteral("comisiones@Server=srv;@DbName=EMP;@Usuario=ana;@Caja=2;"));
    EXPECT_EQ(claves.usuario, QStringLiteral("EMP"));
    EXPECT_EQ(claves.nombre, QStringLiteral("@QVDBGRID"));
    EXPECT_EQ(
        ColumnasGuardadas::claves(QStringLiteral("p"), QStringLiteral("@password=x"), QStringLiteral("u")).formulario,
        QStringLiteral("p"));
    const QString larga = QStringLiteral("comisiones ") + QString(120, u'x');
    const ColumnasGuardadas::Claves cortadas = ColumnasGuardadas::claves(larga, QString(), QStringLiteral("O'Brien"));
    EXPECT_EQ(cortadas.formulario.size(), 100);
    EXPECT_EQ(cortadas.usuario, QStringLiteral("O´Brien"));
}

TEST(ColumnaGuardada, StoredWithoutBlanksOutsideNamesAndReadBackAsASelectList)
{
    const QString elegidas = QStringLiteral("[Razon Social], CONVERT(NVARCHAR,[Alta],103) AS [Alta], ID");
    const QString valor = ColumnasGuardadas::valorGuardado(elegidas);
    EXPECT_EQ(valor, QStringLiteral("[Razon Social]|CONVERT(NVARCHAR|[Alta]|103)AS[Alta]|ID"));
    EXPECT_EQ(ColumnasGuardadas::camposDeValor(valor),
              QStringLiteral("[Razon Social],CONVERT(NVARCHAR,[Alta],103)AS[Alta],ID"));
    const ColumnasGuardadas::Claves c{QStringLiteral("prog"), QStringLiteral("EMP"), QStringLiteral("@QVDBGRID")};
    EXPECT_EQ(ColumnasGuardadas::leer(c), QStringLiteral("SELECT * FROM TA_CONFIG_FORM WHERE FORMULARIO = 'prog' AND "
                                                         "USUARIO= 'EMP' and Nombre = '@QVDBGRID'"));
    EXPECT_EQ(ColumnasGuardadas::borrar(c), QStringLiteral("DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'prog' AND "
                                                           "USUARIO= 'EMP' and Nombre = '@QVDBGRID'"));
    EXPECT_EQ(
        ColumnasGuardadas::insertar(c, QStringLiteral("[O'Hara]|ID")),
        QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) "
                       "VALUES ('prog','EMP','@QvDbGrid','@QVDBGRID','CamposSel','@QvDbGrid','[O''Hara]|ID')"));
}

} // namespace
