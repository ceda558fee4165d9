#include "support/TestHelpers.h"

#include "platform/runtime/Variant.h"

#include <functional>
#include <gtest/gtest.h>

using rt::Variant;
using rt::VarType;

namespace {

TEST(Variant, ReportsTheKindItHolds)
{
    struct Case {
        Variant value;
        VarType type;
        bool number;
    };
    const Case cases[] = {
        {Variant(), VarType::Empty, false},
        {Variant::null(), VarType::Null, false},
        {Variant(true), VarType::Boolean, true},
        {Variant::integer(7), VarType::Integer, true},
        {Variant(7), VarType::Long, true},
        {Variant(7.5), VarType::Double, true},
        {Variant(rt::Currency::fromRaw(75000)), VarType::Currency, true},
        {Variant(rt::DateTime(45000.0)), VarType::Date, false},
        {Variant("texto"), VarType::String, false},
        {Variant(QByteArray("\x01\x02", 2)), VarType::ByteArray, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.value.type(), c.type) << static_cast<int>(c.type);
        EXPECT_EQ(c.value.isNumber(), c.number) << static_cast<int>(c.type);
    }
    EXPECT_TRUE(Variant().isEmpty());
    EXPECT_TRUE(Variant::null().isNull());
    EXPECT_FALSE(Variant("").isEmpty());
}

TEST(Variant, ReadingAnotherKindIsATypeMismatch)
{
    EXPECT_EQ(Variant::integer(-3).asLong(), -3); // an Integer reads as a Long
    const std::function<void()> reads[] = {
        [] { (void)Variant("12").asLong(); }, [] { (void)Variant(1.0).asLong(); },
        [] { (void)Variant(1).asDouble(); },  [] { (void)Variant::null().asString(); },
        [] { (void)Variant().asBoolean(); },  [] { (void)Variant(1).asCurrency(); },
        [] { (void)Variant(1.0).asDate(); },  [] { (void)Variant("x").asBytes(); },
    };
    for (std::size_t i = 0; i < std::size(reads); ++i)
        EXPECT_EQ(errorNumber(reads[i]), rt::err::TypeMismatch) << "read " << i;
}

TEST(Variant, EqualityNeedsSameKindAndValue)
{
    EXPECT_EQ(Variant("Abc"), Variant("Abc"));
    EXPECT_NE(Variant("Abc"), Variant("abc"));
    EXPECT_NE(Variant(1), Variant::integer(1));
    EXPECT_NE(Variant(1), Variant(1.0));
    EXPECT_EQ(Variant::null(), Variant::null());
    EXPECT_NE(Variant::null(), Variant());
}

} // namespace
