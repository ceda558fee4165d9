#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Variant.h"

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

TEST(Variant, GivesBackTheStoredValue)
{
    EXPECT_EQ(Variant::integer(-3).asLong(), -3);
    EXPECT_EQ(Variant(123456).asLong(), 123456);
    EXPECT_EQ(Variant(2.25).asDouble(), 2.25);
    EXPECT_EQ(Variant(rt::Currency::fromRaw(12345)).asCurrency().raw(), 12345);
    EXPECT_EQ(Variant(rt::DateTime(2.5)).asDate().serial(), 2.5);
    EXPECT_EQ(Variant("ñandú").asString(), QString::fromUtf8("ñandú"));
    EXPECT_EQ(Variant(QByteArray("ab")).asBytes(), QByteArray("ab"));
    EXPECT_TRUE(Variant(true).asBoolean());
}

TEST(Variant, ReadingAnotherKindIsATypeMismatch)
{
    try {
        (void)Variant("12").asLong();
        FAIL() << "no error";
    } catch (const rt::RuntimeError &e) {
        EXPECT_EQ(e.Number, rt::err::TypeMismatch);
    }
    EXPECT_THROW((void)Variant(1.0).asLong(), rt::RuntimeError);
    EXPECT_THROW((void)Variant(1).asDouble(), rt::RuntimeError);
    EXPECT_THROW((void)Variant::null().asString(), rt::RuntimeError);
    EXPECT_THROW((void)Variant().asBoolean(), rt::RuntimeError);
    EXPECT_THROW((void)Variant(1).asCurrency(), rt::RuntimeError);
    EXPECT_THROW((void)Variant(1.0).asDate(), rt::RuntimeError);
    EXPECT_THROW((void)Variant("x").asBytes(), rt::RuntimeError);
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
