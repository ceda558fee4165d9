#include "platform/outside/Buscador.h"
#include "platform/outside/CatalogoConsultas.h"
#include "platform/runtime/RuntimeError.h"
#include "support/TestDatabase.h"
#include "support/WidgetTest.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray record(const QByteArray &caption, const QByteArray &view, const QByteArray &fields)
{
    return caption.leftJustified(100, ' ') + view.leftJustified(100, ' ') + fields.leftJustified(500, ' ')
           + QByteArray(500, ' ') + "\r\n";
}

class BuscadorTest : public support::WidgetTest {
protected:
    void SetUp() override
    {
        database.execute(QStringLiteral("INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) "
                                        "VALUES ('0001', 'PEREZ'), ('0002', 'D''ANGELO'), ('0003', 'GOMEZ')"));
        QFile file(catalogue());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(record("ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"));
        file.write(record("VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"));
        file.close();
        buscador.setCadenaConexion(TestDatabase::connectionString());
        buscador.setHabilitado(true);
        buscador.setArchivoConsultas(catalogue());
        buscador.setCampoClave(QStringLiteral("IDVENDEDOR"));
    }

    QString catalogue() const { return folder.filePath(QStringLiteral("consultas.ntw")); }

    QTemporaryDir folder;
    TestDatabase database;
    outside::Buscador buscador;
};

TEST_F(BuscadorTest, ReadsTheCatalogueRecordOfATable)
{
    const auto entry = outside::CatalogoConsultas::buscar(catalogue(), QStringLiteral(" v_ta_vendedores "));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->titulo, QStringLiteral("VENDEDORES"));
    EXPECT_EQ(entry->campos, (QStringList{QStringLiteral("NOMBRE"), QStringLiteral("IDVENDEDOR")}));
    EXPECT_FALSE(outside::CatalogoConsultas::buscar(catalogue(), QStringLiteral("MA_CUENTAS")).has_value());
    EXPECT_FALSE(outside::CatalogoConsultas::buscar(folder.filePath(QStringLiteral("otro.ntw")), QStringLiteral("X"))
                     .has_value());
}

TEST_F(BuscadorTest, BuildsItsQuery)
{
    EXPECT_EQ(outside::Buscador::textoConsulta(QStringLiteral("T "), {QStringLiteral("A"), QStringLiteral("B")},
                                               QStringLiteral(" X = 1"), QStringLiteral("A")),
              QStringLiteral("SELECT A, B FROM T WHERE X = 1 ORDER BY A"));
    EXPECT_EQ(outside::Buscador::textoConsulta(QStringLiteral("T"), {}, {}, {}), QStringLiteral("SELECT * FROM T"));
}

TEST_F(BuscadorTest, GivesTheKeyOfTheRowTheUserChooses)
{
    onNextModal([](QWidget *window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("VENDEDORES"));
        auto *list = window->findChild<QTableWidget *>(QStringLiteral("lstResultados"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->rowCount(), 3);
        EXPECT_EQ(list->horizontalHeaderItem(0)->text(), QStringLiteral("Nombre"));
        QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("txtFiltro")), QStringLiteral("ang"));
        int visible = 0;
        for (int row = 0; row < list->rowCount(); ++row)
            visible += list->isRowHidden(row) ? 0 : 1;
        EXPECT_EQ(visible, 1);
        window->findChild<QPushButton *>(QStringLiteral("cmdAceptar"))->click();
    });
    buscador.MostrarBusqueda(QStringLiteral("V_TA_VENDEDORES"), buscador.ObjetoBusqueda(), {}, {}, {}, {}, false, {});
    EXPECT_EQ(buscador.ValorElegido(), QStringLiteral("0002"));
}

TEST_F(BuscadorTest, EnterInTheFilterChoosesTheFirstRowLeft)
{
    onNextModal([](QWidget *window) {
        auto *filter = window->findChild<QLineEdit *>(QStringLiteral("txtFiltro"));
        QTest::keyClicks(filter, QStringLiteral("mez"));
        QTest::keyClick(filter, Qt::Key_Return);
    });
    buscador.MostrarBusqueda(QStringLiteral("V_TA_VENDEDORES"), nullptr, {}, {}, {}, QStringLiteral("IdVendedor"));
    EXPECT_EQ(buscador.ValorElegido(), QStringLiteral("0003"));
}

TEST_F(BuscadorTest, CancellingGivesNothing)
{
    onNextModal([](QWidget *window) { window->findChild<QPushButton *>(QStringLiteral("cmdCancelar"))->click(); });
    buscador.MostrarBusqueda(QStringLiteral("V_TA_VENDEDORES"), buscador.ObjetoBusqueda());
    EXPECT_EQ(buscador.ValorElegido(), QString());
}

TEST_F(BuscadorTest, ATableOutsideTheCatalogueShowsAllItsColumns)
{
    buscador.setCampoClave(QStringLiteral("Nombre"));
    onNextModal([](QWidget *window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Vendedores de la zona"));
        auto *list = window->findChild<QTableWidget *>(QStringLiteral("lstResultados"));
        EXPECT_EQ(list->rowCount(), 1);
        window->findChild<QPushButton *>(QStringLiteral("cmdAceptar"))->click();
    });
    buscador.setArchivoConsultas(folder.filePath(QStringLiteral("no-existe.ntw")));
    buscador.MostrarBusqueda(QStringLiteral("V_TA_VENDEDORES"), nullptr, QStringLiteral("Vendedores de la zona"), {},
                             QStringLiteral("IdVendedor = '0001'"));
    EXPECT_EQ(buscador.ValorElegido(), QStringLiteral("PEREZ"));
}

TEST_F(BuscadorTest, DoesNothingWhileDisabled)
{
    buscador.setHabilitado(false);
    buscador.MostrarBusqueda(QStringLiteral("V_TA_VENDEDORES"), nullptr);
    EXPECT_EQ(buscador.ValorElegido(), QString());
}

TEST_F(BuscadorTest, AQueryThatFailsIsRaised)
{
    EXPECT_THROW(buscador.MostrarBusqueda(QStringLiteral("NO_EXISTE"), nullptr), rt::RuntimeError);
}

} // namespace
