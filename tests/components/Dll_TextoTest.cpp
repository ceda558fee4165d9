#include "PruebaComponentes.h"

#include "components/Dll_Texto.h"
#include "components/TeclasTexto.h"
#include "platform/ado/Recordset.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using support::BoxMatch;

namespace {

// A window with boxes named txtfields_<index>, bound to the given columns.
class Ventana : public QWidget {
public:
    explicit Ventana(const std::map<int, QString> &campos)
    {
        auto *columna = new QVBoxLayout(this);
        for (const auto &[indice, campo] : campos) {
            auto *box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("txtfields_%1").arg(indice));
            setDataField(box, campo);
            columna->addWidget(box);
        }
    }
    MatrizTextos txtfields() const { return matrizTextos(this, QStringLiteral("txtfields")); }
    QLineEdit *caja(int indice) const { return txtfields().at(indice); }
};

void mostrarActiva(QWidget &ventana)
{
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
}

TEST_F(PruebaComponentes, ControlArraysAreFoundByNameAndClsIDFindsTheBoxOfAColumnIgnoringCase)
{
    Ventana ventana({{0, "IdLiquidacion"}, {2, "idvendedor"}, {5, "Importe"}});
    auto *otra = new QLineEdit(&ventana);
    otra->setObjectName("txtOtro_1");
    const MatrizTextos txtfields = matrizTextos(&ventana, "TXTFIELDS");
    ASSERT_EQ(txtfields.size(), 3U);
    EXPECT_EQ(DataField(txtfields.at(2)), "idvendedor");
    EXPECT_FALSE(txtfields.contains(1));

    EXPECT_EQ(gTexto->ClsID("idLiquidacion", txtfields), 0);
    EXPECT_EQ(gTexto->ClsID("IDVENDEDOR", txtfields), 2);
    EXPECT_EQ(gTexto->ClsID("importe", txtfields, false), 5);
    // The name is compared as it stands, untrimmed.
    EXPECT_EQ(gTexto->ClsID("importe ", txtfields, false), 0);
}

TEST_F(PruebaComponentes, ClsIDReportsAColumnWithoutBoxUnlessToldNotTo)
{
    Ventana ventana({{0, "IdLiquidacion"}, {1, "idvendedor"}});
    dialogos.expectMsgBox(
        BoxMatch::text("ERROR NO CODIFICADO, Campo Buscado: Fecha").withTitle("AVISO AL PROGRAMADOR"));
    EXPECT_EQ(gTexto->ClsID("Fecha", ventana.txtfields()), 0);
    dialogos.verify();
    EXPECT_EQ(dialogos.shown().back().style & 0xF0, ui::vbCritical);

    EXPECT_EQ(gTexto->ClsID("Fecha", ventana.txtfields(), false), 0);
    EXPECT_EQ(dialogos.shown().size(), 1U);
}

TEST_F(PruebaComponentes, ClsValidarTellsTheKeysThatConfirmAField)
{
    for (const int tecla : {13, 38, 40})
        EXPECT_TRUE(Dll_Texto::ClsValidar(static_cast<qint16>(tecla))) << tecla;
    for (const int tecla : {9, 8, 27, 37, 39, 116, int('A')})
        EXPECT_FALSE(Dll_Texto::ClsValidar(static_cast<qint16>(tecla))) << tecla;
}

// The window of the program hands key-down to ClsValidar and ClsKeyDown.
TEST_F(PruebaComponentes, EnterAndDownMoveTheFocusOnAndUpMovesItBack)
{
    Ventana ventana({{0, "a"}, {1, "b"}, {2, "c"}});
    for (const auto &[indice, box] : ventana.txtfields())
        TeclasTexto::instalar(box,
                              [](QLineEdit *, int &KeyCode, int) {
                                  if (Dll_Texto::ClsValidar(static_cast<qint16>(KeyCode)))
                                      gTexto->ClsKeyDown(KeyCode);
                              },
                              {});
    mostrarActiva(ventana);
    ventana.caja(0)->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), ventana.caja(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTRY_COMPARE(QApplication::focusWidget(), ventana.caja(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTRY_COMPARE(QApplication::focusWidget(), ventana.caja(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::qWait(20);
    EXPECT_EQ(QApplication::focusWidget(), ventana.caja(1));
}

TEST_F(PruebaComponentes, ClsKeyDownMovesTheFocusOnlyAfterTheHandlerReturns)
{
    Ventana ventana({{0, "a"}, {1, "b"}});
    mostrarActiva(ventana);
    ventana.caja(0)->setFocus();
    gTexto->ClsKeyDown(13);
    EXPECT_EQ(QApplication::focusWidget(), ventana.caja(0));
    QTRY_COMPARE(QApplication::focusWidget(), ventana.caja(1));
}

TEST_F(PruebaComponentes, ClsTabindexNumbersTheBoxesAndPassesOverGaps)
{
    Ventana ventana({{0, "a"}, {1, "b"}, {3, "d"}});
    gTexto->ClsTabindex(ventana.txtfields(), std::nullopt, std::nullopt, 5);
    EXPECT_EQ(TabIndex(ventana.caja(0)), 5);
    EXPECT_EQ(TabIndex(ventana.caja(1)), 6);
    EXPECT_EQ(TabIndex(ventana.caja(3)), 7);
    EXPECT_EQ(ventana.caja(1)->nextInFocusChain(), ventana.caja(3));

    gTexto->ClsTabindex(ventana.txtfields(), 1, 1);
    EXPECT_EQ(TabIndex(ventana.caja(1)), 0);
    EXPECT_EQ(TabIndex(ventana.caja(0)), 5);
}

TEST_F(PruebaComponentes, ClsEnfoqueSelectsTheTrimmedTextOnlyWhenAsked)
{
    QLineEdit box;
    box.setText("abc   ");
    gTexto->ClsEnfoque(&box);
    EXPECT_FALSE(box.hasSelectedText());
    gTexto->ClsEnfoque(&box, rt::Variant(true));
    EXPECT_EQ(box.selectedText(), "abc");
    box.setText("   ");
    gTexto->ClsEnfoque(&box, rt::Variant(true));
    EXPECT_FALSE(box.hasSelectedText());
}

TEST_F(PruebaComponentes, ClsInicializaEmptiesTheDataControls)
{
    Ventana ventana({{0, "a"}, {1, "b"}, {2, "c"}});
    const auto caja = [&](const char *nombre) {
        auto *box = new QLineEdit("x", &ventana);
        box->setObjectName(nombre);
        return box;
    };
    const auto etiqueta = [&](const char *nombre) {
        auto *label = new QLabel("x", &ventana);
        label->setObjectName(nombre);
        return label;
    };
    for (const auto &[indice, box] : ventana.txtfields())
        box->setText("x");
    QLineEdit *total = caja("txttotal");
    QLineEdit *otra = caja("txtNotas");
    QLabel *descripcion = etiqueta("LBLDESC");
    QLabel *nota = etiqueta("lblNota");
    QLabel *titulo = etiqueta("lblTitulo");

    gTexto->ClsInicializa(&ventana, 1, "lblnota");

    EXPECT_EQ(ventana.caja(0)->text(), "x");
    EXPECT_EQ(ventana.caja(1)->text(), "");
    EXPECT_EQ(ventana.caja(2)->text(), "");
    EXPECT_EQ(total->text(), "");
    EXPECT_EQ(otra->text(), "x");
    EXPECT_EQ(descripcion->text(), "");
    EXPECT_EQ(nota->text(), "");
    EXPECT_EQ(titulo->text(), "x");
}

TEST_F(PruebaComponentes, ClsInicializaWithOneNameClearsOnlyThoseControls)
{
    QWidget ventana;
    auto *opcion = new QRadioButton(&ventana);
    opcion->setObjectName("optTipo_0");
    auto *otraOpcion = new QRadioButton(&ventana);
    otraOpcion->setObjectName("optTipo_1");
    auto *casilla = new QCheckBox(&ventana);
    casilla->setObjectName("chkTipo");
    opcion->setChecked(true);
    casilla->setChecked(true);

    gTexto->ClsInicializa(&ventana, 0, "..", QString("OPTTIPO"));
    EXPECT_FALSE(opcion->isChecked());
    EXPECT_TRUE(casilla->isChecked());

    gTexto->ClsInicializa(&ventana, 0, "..", QString("chkTipo"));
    EXPECT_FALSE(casilla->isChecked());
}

class TextosConBase : public PruebaComponentes {
protected:
    TextosConBase()
    {
        db.execute("CREATE TABLE PRUEBA_TEXTOS (Nombre varchar(60), Alta datetime, Cantidad int, Notas varchar(60000), "
                   "Memo text, Codigo char(4))");
        db.execute("INSERT INTO PRUEBA_TEXTOS VALUES ('  Tornillo  ', '15/05/2024', 12, NULL, 'libre', 'A1')");
    }

    TestDatabase db;
};

TEST_F(TextosConBase, ClsLimitaTextosTakesTheRulesFromTheColumnTypes)
{
    Ventana ventana(
        {{0, " nombre "}, {1, "ALTA"}, {2, "cantidad"}, {3, "notas"}, {4, "memo"}, {5, "codigo"}, {6, "otro"}});
    setMaxLength(ventana.caja(6), 3);

    gTexto->ClsLimitaTextos(ventana.txtfields(), "prueba_textos", TestDatabase::connectionString());

    const std::pair<int, int> largos[] = {{0, 60}, {1, 10}, {2, 0}, {3, 50000}, {4, 50000}, {5, 4}, {6, 3}};
    for (const auto &[indice, largo] : largos)
        EXPECT_EQ(MaxLength(ventana.caja(indice)), largo) << indice;
    EXPECT_EQ(Tag(ventana.caja(1)), "FECHA");
    EXPECT_EQ(Tag(ventana.caja(0)), "");
    EXPECT_EQ(ventana.caja(0)->maxLength(), 60);
}

TEST_F(TextosConBase, ClsLimitaTextosPassesOverATableThatDoesNotExist)
{
    Ventana ventana({{0, "Nombre"}});
    setMaxLength(ventana.caja(0), 7);
    gTexto->ClsLimitaTextos(ventana.txtfields(), "NO_EXISTE", TestDatabase::connectionString());
    EXPECT_EQ(MaxLength(ventana.caja(0)), 7);
}

TEST_F(TextosConBase, ClsLimitaTextosReportsAGapAndABadConnection)
{
    Ventana conHueco({{0, "Nombre"}, {2, "Cantidad"}});
    dialogos.expectMsgBox(BoxMatch::text("Error en ClsLimitaTextos, falta un elemento de la matriz de controles")
                              .withTitle("Aviso al operador"));
    gTexto->ClsLimitaTextos(conHueco.txtfields(), "PRUEBA_TEXTOS", TestDatabase::connectionString());
    dialogos.verify();

    Ventana ventana({{0, "Nombre"}});
    dialogos.expectMsgBox(BoxMatch::textContaining("Error en ClsLimitaTextos\n").withTitle("Aviso al operador"));
    gTexto->ClsLimitaTextos(ventana.txtfields(), "PRUEBA_TEXTOS",
                            "PROVIDER=SQLOLEDB;Server=sqlite;Database =NO_HAY;UId=x;Pwd=x;");
    dialogos.verify();
    EXPECT_EQ(MaxLength(ventana.caja(0)), 0);
}

TEST_F(TextosConBase, ClsAsignarDatosFillsTheBoxesFromTheRecord)
{
    Ventana ventana({{0, " nombre "}, {1, "Notas"}, {2, "Cantidad"}, {4, "NoEsCampo"}, {5, ""}});
    for (const auto &[indice, box] : ventana.txtfields())
        box->setText("previo");
    ado::Recordset registro = db.connection().Execute("SELECT * FROM PRUEBA_TEXTOS");

    gTexto->ClsAsignarDatos(ventana.txtfields(), registro);

    EXPECT_EQ(ventana.caja(0)->text(), "Tornillo");
    EXPECT_EQ(ventana.caja(1)->text(), "");
    EXPECT_EQ(ventana.caja(2)->text(), "12");
    EXPECT_EQ(ventana.caja(4)->text(), "previo");
    EXPECT_EQ(ventana.caja(5)->text(), "previo");
}

TEST_F(TextosConBase, ClsAsignarDatosWithoutACurrentRecordChangesNothing)
{
    Ventana ventana({{0, "Nombre"}});
    ventana.caja(0)->setText("previo");
    ado::Recordset vacio = db.connection().Execute("SELECT * FROM PRUEBA_TEXTOS WHERE 1 = 0");
    gTexto->ClsAsignarDatos(ventana.txtfields(), vacio);
    ado::Recordset alFinal = db.connection().Execute("SELECT * FROM PRUEBA_TEXTOS");
    alFinal.MoveNext();
    gTexto->ClsAsignarDatos(ventana.txtfields(), alFinal);
    EXPECT_EQ(ventana.caja(0)->text(), "previo");

    ado::Recordset cerrado;
    dialogos.expectMsgBox(BoxMatch::text("Error en AsignarDatos").withTitle("Aviso al programador"));
    gTexto->ClsAsignarDatos(ventana.txtfields(), cerrado);
}

} // namespace
