#include "platform/ado/SelectTable.h"

#include <gtest/gtest.h>

namespace {

TEST(AdoSelectTableTest, FindsTheOneTableOfASelect)
{
    struct Case {
        const char *select;
        const char *table;
    };
    const Case cases[] = {
        {"SELECT * FROM AUX_MV_CPTE WHERE Equipo = 'PC1'", "AUX_MV_CPTE"},
        {"select * from dbo.[AUX_MV_CPTE] with(nolock) where 1=0", "AUX_MV_CPTE"},
        {"SELECT a, (SELECT MAX(b) FROM T2) AS m FROM T1 ORDER BY a", "T1"},
        {"SELECT 'FROM X, Y' AS t FROM T", "T"},
        {"SELECT * FROM [MIS DATOS] d WHERE d.x = 1", "MIS DATOS"},
        {"SELECT * FROM T1, T2", ""},
        {"SELECT * FROM T1 a JOIN T2 b ON a.k = b.k", ""},
        {"SELECT * FROM T1 a LEFT OUTER JOIN T2 b ON a.k = b.k WHERE a.x = 1", ""},
        {"SELECT * FROM (SELECT * FROM T) x", ""},
        {"SELECT * FROM T1 UNION SELECT * FROM T2", ""},
        {"UPDATE T SET a = 1", ""},
        {"SELECT 1", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ado::singleSelectTable(QString::fromUtf8(c.select)), QString::fromUtf8(c.table)) << c.select;
}

} // namespace
