#include "AdoFixture.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Recordset.h"

using ado::Connection;
using ado::Recordset;
using rt::Variant;
namespace err = rt::err;

namespace {

const QString schema = QStringLiteral(
    "CREATE TABLE CLIENTES (Codigo TEXT(10) COLLATE TSQLCI PRIMARY KEY, Nombre TEXT(50) COLLATE TSQLCI NOT NULL, "
    "Saldo MONEY);"
    "INSERT INTO CLIENTES VALUES ('A1', 'Ana', 10), ('B2', 'Beto', NULL), ('C3', 'Carla', 30.25);"
    "CREATE TABLE AUX_MV_CPTE (Id INTEGER PRIMARY KEY AUTOINCREMENT, Equipo TEXT(50) COLLATE TSQLCI NOT NULL, "
    "Importe MONEY, Nota TEXT(20) COLLATE TSQLCI DEFAULT 'sin nota');");

class AdoRecordsetTest : public DemoDatabaseTest {
protected:
    AdoRecordsetTest()
        : DemoDatabaseTest(schema)
    {
    }

    Recordset open(const QString &sql, int lockType = ado::adLockReadOnly)
    {
        Recordset recordset;
        recordset.Open(sql, m_connection, ado::adOpenForwardOnly, lockType);
        return recordset;
    }

    QStringList names(Recordset &recordset)
    {
        QStringList found;
        for (; !recordset.EOF_(); recordset.MoveNext())
            found.append(recordset(QStringLiteral("Nombre")).asString());
        return found;
    }
};

TEST_F(AdoRecordsetTest, EmptyResultIsAtBofAndEof)
{
    Recordset recordset = open(QStringLiteral("SELECT * FROM CLIENTES WHERE Codigo = 'ZZ'"));
    EXPECT_EQ(recordset.State(), ado::adStateOpen);
    EXPECT_TRUE(recordset.BOF());
    EXPECT_TRUE(recordset.EOF_());
    EXPECT_EQ(recordset.RecordCount(), 0);
    EXPECT_EQ(errorNumberOf([&] { recordset.MoveFirst(); }), err::AdoBofOrEof);
    EXPECT_EQ(errorNumberOf([&] { recordset.MoveNext(); }), err::AdoBofOrEof);
    EXPECT_EQ(errorNumberOf([&] { recordset(QStringLiteral("Nombre")); }), err::AdoBofOrEof);
}

TEST_F(AdoRecordsetTest, WalksEveryRowBothWays)
{
    Recordset recordset = open(QStringLiteral("SELECT * FROM CLIENTES ORDER BY Codigo"));
    EXPECT_EQ(recordset.RecordCount(), 3);
    EXPECT_FALSE(recordset.BOF());
    EXPECT_EQ(recordset.AbsolutePosition(), 1);
    recordset.MoveLast();
    EXPECT_EQ(recordset(QStringLiteral("Codigo")).asString(), QStringLiteral("C3"));
    EXPECT_EQ(recordset.AbsolutePosition(), 3);
    recordset.MoveFirst();
    EXPECT_EQ(recordset(QStringLiteral("Codigo")).asString(), QStringLiteral("A1"));
    recordset.MovePrevious();
    EXPECT_TRUE(recordset.BOF());
    EXPECT_EQ(recordset.AbsolutePosition(), -2);
    EXPECT_EQ(errorNumberOf([&] { recordset.MovePrevious(); }), err::AdoBofOrEof);
    recordset.MoveNext();
    EXPECT_EQ(names(recordset), (QStringList{"Ana", "Beto", "Carla"}));
    EXPECT_TRUE(recordset.EOF_());
    EXPECT_EQ(recordset.AbsolutePosition(), -3);
    EXPECT_EQ(errorNumberOf([&] { recordset.MoveNext(); }), err::AdoBofOrEof);
    EXPECT_EQ(errorNumberOf([&] { recordset.Fields(QStringLiteral("Nombre")).Value(); }), err::AdoBofOrEof);
}

TEST_F(AdoRecordsetTest, FieldsAreFoundByNameInAnyCaseAndByIndex)
{
    Recordset recordset = open(QStringLiteral("SELECT Codigo, Nombre AS nombre, Saldo, Codigo AS CODIGO FROM CLIENTES "
                                              "WHERE Codigo = 'B2'"));
    EXPECT_EQ(recordset(QStringLiteral("NOMBRE")).asString(), QStringLiteral("Beto"));
    EXPECT_EQ(recordset(QStringLiteral("nombre")).asString(), QStringLiteral("Beto"));
    EXPECT_EQ(recordset.Fields(QStringLiteral("codigo")).Name(), QStringLiteral("Codigo")); // the first of two
    EXPECT_EQ(recordset.Fields(1L).Name(), QStringLiteral("nombre"));
    EXPECT_EQ(recordset.FieldCount(), 4);
    EXPECT_TRUE(recordset(QStringLiteral("Saldo")).isNull());
    EXPECT_EQ(errorNumberOf([&] { recordset.Fields(QStringLiteral("Apellido")); }), err::AdoItemNotFound);
    EXPECT_EQ(errorNumberOf([&] { recordset.Fields(4L); }), err::AdoItemNotFound);
}

TEST_F(AdoRecordsetTest, ClosedRecordsetRefusesEveryRead)
{
    Recordset never;
    EXPECT_EQ(never.State(), ado::adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { never.Close(); }), err::AdoObjectClosed);
    Recordset recordset = open(QStringLiteral("SELECT * FROM CLIENTES"));
    EXPECT_EQ(errorNumberOf([&] { recordset.Open(QStringLiteral("SELECT 1"), m_connection); }), err::AdoObjectOpen);
    recordset.Close();
    EXPECT_EQ(recordset.State(), ado::adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { recordset.EOF_(); }), err::AdoObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { recordset.RecordCount(); }), err::AdoObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { recordset.MoveFirst(); }), err::AdoObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { recordset(QStringLiteral("Nombre")); }), err::AdoObjectClosed);
    recordset.Open(QStringLiteral("SELECT * FROM CLIENTES"), m_connection);
    EXPECT_EQ(recordset.RecordCount(), 3);
}

TEST_F(AdoRecordsetTest, ActionStatementsLeaveTheRecordsetClosed)
{
    EXPECT_EQ(m_connection.Execute(QStringLiteral("UPDATE CLIENTES SET Saldo = 1")).State(), ado::adStateClosed);
    EXPECT_EQ(open(QStringLiteral("DELETE FROM CLIENTES WHERE Codigo = 'C3'")).State(), ado::adStateClosed);
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);
}

TEST_F(AdoRecordsetTest, AddNewAndUpdateInsertTheRowWithDefaultsForFieldsLeftOut)
{
    Recordset recordset = open(QStringLiteral("SELECT * FROM AUX_MV_CPTE WHERE Equipo = 'PC1'"), ado::adLockOptimistic);
    recordset.AddNew();
    EXPECT_EQ(recordset.EditMode(), ado::adEditAdd);
    recordset.Fields(QStringLiteral("equipo")).setValue(Variant("PC1"));
    recordset.Fields(QStringLiteral("Importe")).setValue(Variant(rt::Currency::fromRaw(125000)));
    EXPECT_EQ(recordset(QStringLiteral("Equipo")).asString(), QStringLiteral("PC1"));
    recordset.Update();
    EXPECT_EQ(recordset.EditMode(), ado::adEditNone);
    EXPECT_EQ(recordset.RecordCount(), 1);
    recordset.AddNew();
    recordset.Fields(QStringLiteral("Equipo")).setValue(Variant("PC1"));
    recordset.MoveFirst(); // moving while adding stores the pending row
    EXPECT_EQ(recordset.RecordCount(), 2);
    recordset.Close();

    Recordset stored = open(QStringLiteral("SELECT Equipo, Importe, Nota FROM AUX_MV_CPTE ORDER BY Id"));
    ASSERT_EQ(stored.RecordCount(), 2);
    EXPECT_EQ(stored(QStringLiteral("Importe")).asCurrency(), rt::Currency::fromRaw(125000));
    EXPECT_EQ(stored(QStringLiteral("Nota")).asString(), QStringLiteral("sin nota"));
    stored.MoveNext();
    EXPECT_TRUE(stored(QStringLiteral("Importe")).isNull());
}

TEST_F(AdoRecordsetTest, RowsCanOnlyBeAddedToAnUpdatableOneTableSelect)
{
    Recordset readOnly = open(QStringLiteral("SELECT * FROM AUX_MV_CPTE"));
    EXPECT_EQ(errorNumberOf([&] { readOnly.AddNew(); }), rt::err::AdoOperationNotSupported);
    EXPECT_EQ(errorNumberOf([&] { readOnly.Fields(QStringLiteral("Equipo")).setValue(Variant("x")); }),
              rt::err::AdoOperationNotSupported);
    Recordset joined = open(QStringLiteral("SELECT a.* FROM AUX_MV_CPTE a JOIN CLIENTES c ON c.Codigo = a.Equipo"),
                            ado::adLockOptimistic);
    EXPECT_EQ(errorNumberOf([&] { joined.AddNew(); }), rt::err::AdoOperationNotSupported);
}

TEST_F(AdoRecordsetTest, ClosingWithAPendingRowRaises3219UntilCancelled)
{
    Recordset recordset = open(QStringLiteral("SELECT * FROM AUX_MV_CPTE"), ado::adLockOptimistic);
    recordset.AddNew();
    recordset.Fields(QStringLiteral("Equipo")).setValue(Variant("PC9"));
    EXPECT_EQ(errorNumberOf([&] { recordset.Close(); }), err::AdoEditPending);
    EXPECT_EQ(recordset.State(), ado::adStateOpen);
    recordset.CancelUpdate();
    EXPECT_TRUE(recordset.EOF_());
    recordset.Close();
    EXPECT_EQ(count(QStringLiteral("AUX_MV_CPTE")), 0);
}

TEST_F(AdoRecordsetTest, FailedUpdateKeepsTheRowPendingAndFillsErrors)
{
    Recordset recordset = open(QStringLiteral("SELECT * FROM AUX_MV_CPTE"), ado::adLockOptimistic);
    recordset.AddNew();
    recordset.Fields(QStringLiteral("Importe")).setValue(Variant(5.0)); // Equipo is required
    EXPECT_EQ(errorNumberOf([&] { recordset.Update(); }), err::AdoIntegrityViolation);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 515);
    EXPECT_EQ(recordset.EditMode(), ado::adEditAdd);
    recordset.Fields(QStringLiteral("Equipo")).setValue(Variant("PC2"));
    recordset.Update();
    EXPECT_EQ(m_connection.Errors().Count(), 0);
    EXPECT_EQ(recordset.RecordCount(), 1);
}

TEST_F(AdoRecordsetTest, RecordsetOutlivingItsConnectionStillReadsButCannotAddRows)
{
    Recordset recordset;
    {
        Connection other;
        other.Open(connectionString());
        recordset.Open(QStringLiteral("SELECT * FROM CLIENTES"), other, ado::adOpenDynamic, ado::adLockOptimistic);
    }
    EXPECT_EQ(recordset.RecordCount(), 3);
    EXPECT_EQ(recordset(QStringLiteral("Nombre")).asString(), QStringLiteral("Ana"));
    EXPECT_EQ(errorNumberOf([&] { recordset.AddNew(); }), rt::err::AdoOperationNotSupported);
}

} // namespace
