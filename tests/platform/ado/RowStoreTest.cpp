#include "platform/ado/RowStore.h"

#include <gtest/gtest.h>
#include <stdexcept>

using ado::RowCursor;
using ado::RowStore;
using rt::Variant;

namespace {

// Every kind of value, each read back as the same kind with the same value, whatever the rows
// around it and the blocks the rows fill; one row longer than a block among them.
TEST(RowStore, EveryValueReadsBackOfItsKindAcrossBlocks)
{
    const QList<Variant> kinds = {
        Variant(),
        Variant::null(),
        Variant(true),
        Variant(false),
        Variant::integer(-32768),
        Variant(2147483647),
        Variant(-0.1),
        Variant(rt::Currency::fromRaw(-92233720368547758)),
        Variant(rt::DateTime(45352.75)),
        Variant(QString()),
        Variant(QStringLiteral("D'ANGELO Ñandú 𝄞")),
        Variant(QString(300, u'x')),
        Variant(QByteArray("\0\x01\xff", 3)),
    };
    const auto valueOf = [&](int row) {
        return row == 7 ? Variant(QByteArray(3 << 20, 'b')) : kinds.at(row % kinds.size());
    };
    const auto engineText = [](int row) { return QStringLiteral("línea %1 ✓").arg(row); };
    constexpr int Rows = 40000;
    RowStore store;
    for (int row = 0; row < Rows; ++row) {
        store.append({Variant(row), valueOf(row)});
        const QByteArray utf8 = engineText(row).toUtf8();
        store.beginRow();
        store.appendUtf8(utf8.constData(), static_cast<int>(utf8.size()));
        store.endRow();
    }
    ASSERT_EQ(store.size(), 2 * Rows);
    for (int row = 0; row < Rows; ++row) {
        const QList<Variant> written = store.at(2 * row);
        ASSERT_EQ(written.size(), 2);
        EXPECT_EQ(written.at(0), Variant(row));
        EXPECT_EQ(written.at(1).type(), valueOf(row).type()) << row;
        EXPECT_EQ(written.at(1), valueOf(row)) << row;
        EXPECT_EQ(store.at(2 * row + 1), QList<Variant>{Variant(engineText(row))}) << row;
    }
    EXPECT_EQ(store.value(2 * Rows), QList<Variant>());
}

// A cursor gives each value of the row it stands on, asked in any order and asked again, over
// rows of other lengths; a column the row does not hold is refused.
TEST(RowStore, CursorGivesTheValuesOfItsRowAskedInAnyOrder)
{
    const QList<QList<Variant>> rows = {
        {Variant(1), Variant(QStringLiteral("uno")), Variant::null(), Variant(1.5)},
        {Variant(QStringLiteral("dos"))},
        {Variant(3), Variant(QStringLiteral("tres")), Variant(rt::Currency::fromRaw(30000)), Variant(true),
         Variant(QByteArray("x"))},
    };
    struct Visit {
        qsizetype row;
        QList<int> columns; // in the order asked
    };
    const QList<Visit> visits = {{0, {3, 1, 3, 0}}, {2, {4, 0, 2}}, {1, {0, 0}}, {0, {2}}, {2, {1, 3, 4}}, {0, {0}}};
    const RowStore store(rows);
    RowCursor cursor;
    for (const Visit &visit : visits) {
        cursor.moveTo(store, visit.row);
        for (const int column : visit.columns)
            EXPECT_EQ(cursor.value(column), rows.at(visit.row).at(column)) << visit.row << " " << column;
        EXPECT_THROW(cursor.value(static_cast<int>(rows.at(visit.row).size())), std::out_of_range) << visit.row;
    }
}

} // namespace
