// The object model's variant: comparison across kinds and the conversions between them.

#include <gtest/gtest.h>
#include <strings.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "ddlib/common_variant.h"
#include "ddlib/type.h"
#include "engine/call_trace.h"
#include "support/comma_decimal_locale.h"

namespace {

std::string Show(const CDDCommonVariant& v) {
    static const char* const kKinds[] = {"empty", "int", "double", "string", "bool"};
    return std::string(kKinds[v.getKind()]) + " " + v.getString().ptr();
}

TEST(DdVariant, EqualityIsByValueForNumbersByBytesForStringsAndNeverAcross) {
    struct Row {
        CDDCommonVariant value;
        int group;  // rows of one group are equal, rows of different groups are not
    };
    const std::vector<Row> rows = {
        {CDDCommonVariant(), 0},
        {CDDCommonVariant(0), 1},
        {CDDCommonVariant(0.0), 1},
        {CDDCommonVariant(-0.0), 1},
        {CDDCommonVariant(false), 1},
        {CDDCommonVariant(0.5), 2},
        {CDDCommonVariant(253), 3},
        {CDDCommonVariant(253.0), 3},
        {CDDCommonVariant(253.5), 4},
        {CDDCommonVariant(1), 5},
        {CDDCommonVariant(1.0), 5},
        {CDDCommonVariant(true), 5},
        {CDDCommonVariant(2), 6},
        {CDDCommonVariant(INT32_MAX), 7},
        {CDDCommonVariant(2147483647.0), 7},
        {CDDCommonVariant(2147483648.0), 8},
        {CDDCommonVariant(1e10), 9},
        {CDDCommonVariant(INT32_MIN), 10},
        {CDDCommonVariant(-2147483648.0), 10},
        {CDDCommonVariant(-2147483649.0), 11},
        {CDDCommonVariant(""), 12},
        {CDDCommonVariant(CStrPP()), 12},
        {CDDCommonVariant("0"), 13},
        {CDDCommonVariant("253"), 14},
        {CDDCommonVariant(CStrPP("253")), 14},
        {CDDCommonVariant("253 "), 15},
        {CDDCommonVariant("Ger\xE4t"), 16},
        {CDDCommonVariant("Ger\xC4t"), 17},
        {CDDCommonVariant("ger\xE4t"), 18},
    };
    for (const Row& left : rows) {
        for (const Row& right : rows) {
            const bool same = left.group == right.group;
            EXPECT_EQ(left.value == right.value, same)
                << Show(left.value) << " == " << Show(right.value);
            EXPECT_EQ(left.value != right.value, !same)
                << Show(left.value) << " != " << Show(right.value);
        }
    }
}

TEST(DdVariant, NotANumberEqualsNothing) {
    const CDDCommonVariant nan(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(nan == nan);
    EXPECT_FALSE(nan == CDDCommonVariant(0));
    EXPECT_TRUE(nan != CDDCommonVariant(0));
}

TEST(DdVariant, GetIntTruncatesAndClampsDoublesToTheIntRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::int32_t expected;
    } rows[] = {
        {3.9, 3},
        {-3.9, -3},
        {2147483647.0, INT32_MAX},
        {2147483647.9, INT32_MAX},
        {2147483648.0, INT32_MAX},
        {1e300, INT32_MAX},
        {inf, INT32_MAX},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},
        {-1e300, INT32_MIN},
        {-inf, INT32_MIN},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CDDCommonVariant(row.value).getInt(), row.expected) << row.value;
}

TEST(DdVariant, StringsConvertToTheDecimalNumberTheyStartWith) {
    EXPECT_EQ(CDDCommonVariant("253").getInt(), 253);
    EXPECT_EQ(CDDCommonVariant("  -17 m/s").getInt(), -17);
    EXPECT_EQ(CDDCommonVariant("2.9").getInt(), 2);
    EXPECT_EQ(CDDCommonVariant("010").getInt(), 10);
    EXPECT_EQ(CDDCommonVariant("unit").getInt(), 0);
    EXPECT_EQ(CDDCommonVariant("").getInt(), 0);
    // Beyond the int range the text clamps like a double does; it never wraps.
    EXPECT_EQ(CDDCommonVariant("2147483648").getInt(), INT32_MAX);
    EXPECT_EQ(CDDCommonVariant("4294967296").getInt(), INT32_MAX);
    EXPECT_EQ(CDDCommonVariant("-2147483649").getInt(), INT32_MIN);

    EXPECT_EQ(CDDCommonVariant("2.5e3").getDouble(), 2500.0);
    EXPECT_EQ(CDDCommonVariant("010").getDouble(), 10.0);
    EXPECT_EQ(CDDCommonVariant("x").getDouble(), 0.0);
}

TEST(DdVariant, StringsBeyondADoublesRangeAndHexadecimalStringsReadAsStrtodReadsThem) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double expected;
    } rows[] = {
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {"0x1p2000", inf},
        {"0x1p-2000", 0.0},
        {"123456789012345678901234567890123456789", 1.2345678901234568e38},
        {"1" + std::string(400, '0'), inf},
        {"0." + std::string(400, '0') + "1", 0.0},
        {"0x1.8p1", 3.0},
        {"0X10", 16.0},
        {"-0x1p-2", -0.25},
        {"0x.8", 0.5},
        {"0x1P-1074", std::numeric_limits<double>::denorm_min()},
        // A "0x" with no digit after it is a zero followed by an "x".
        {"0x", 0.0},
        {"0xp3", 0.0},
        // An exponent mark without an exponent is not part of the number.
        {"0x1p", 1.0},
        {"0x1p+-5", 1.0},
    };
    for (const auto& row : rows) {
        const double value = CDDCommonVariant(row.text.c_str()).getDouble();
        EXPECT_EQ(value, row.expected) << row.text.substr(0, 40);
        EXPECT_EQ(std::signbit(value), std::signbit(row.expected)) << row.text.substr(0, 40);
    }
}

TEST(DdVariant, NumbersConvertToTextThatReadsBackExactly) {
    EXPECT_STREQ(CDDCommonVariant(253).getString().ptr(), "253");
    EXPECT_STREQ(CDDCommonVariant(INT32_MIN).getString().ptr(), "-2147483648");
    EXPECT_STREQ(CDDCommonVariant(253.0).getString().ptr(), "253");
    EXPECT_STREQ(CDDCommonVariant(2.5).getString().ptr(), "2.5");
    EXPECT_STREQ(CDDCommonVariant(0.1).getString().ptr(), "0.1");
    EXPECT_STREQ(CDDCommonVariant().getString().ptr(), "");
    for (const double value : {1234567.0, 123456.789, 2147483648.0, 1e-7, -0.3, 1.0 / 3.0}) {
        const CStrPP text = CDDCommonVariant(value).getString();
        EXPECT_EQ(CDDCommonVariant(text).getDouble(), value) << text.ptr();
    }
    // Numbers whose nearest double a reader that rounds twice (x87 at 64 bits) misses by one.
    EXPECT_STREQ(CDDCommonVariant(-4.5175861365892706e+29).getString().ptr(),
                 "-4.5175861365892706e+29");
    EXPECT_EQ(CDDCommonVariant("-2.612510416242496e+32").getDouble(), -2.612510416242496e+32);
}

TEST(DdVariant, NumbersReadAndWriteTheSameTextsUnderACommaDecimalLocale) {
    DD_UNDER_COMMA_DECIMAL_LOCALE(locale);
    EXPECT_EQ(CDDCommonVariant("1.5").getDouble(), 1.5);
    EXPECT_EQ(CDDCommonVariant(" -2.5e-3 m").getDouble(), -0.0025);
    EXPECT_EQ(CDDCommonVariant("1,5").getDouble(), 1.0);
    EXPECT_STREQ(CDDCommonVariant(1.5).getString().ptr(), "1.5");
    EXPECT_STREQ(CDDCommonVariant(-0.1).getString().ptr(), "-0.1");
    // The trace's numbers too.
    const ddhost::CallTrace trace;
    CDDType type(DD_TYPE_FLOAT);
    type.putScalingFactor(1.5);
    type.putDefaultValue(CDDCommonVariant(-0.25));
    ASSERT_EQ(trace.calls().size(), 2u);
    EXPECT_EQ(trace.calls()[0].call, "putScalingFactor(1.5)");
    EXPECT_EQ(trace.calls()[1].call, "putDefaultValue(-0.25)");
}

TEST(DdVariant, OtherConversionsFollowTheValue) {
    EXPECT_EQ(CDDCommonVariant(7).getDouble(), 7.0);
    EXPECT_EQ(CDDCommonVariant(true).getInt(), 1);
    EXPECT_EQ(CDDCommonVariant(true).getDouble(), 1.0);
    EXPECT_EQ(CDDCommonVariant().getInt(), 0);
    EXPECT_EQ(CDDCommonVariant().getDouble(), 0.0);
    // getBool does not truncate a double first.
    EXPECT_TRUE(CDDCommonVariant(0.5).getBool());
    EXPECT_FALSE(CDDCommonVariant(0.0).getBool());
    EXPECT_TRUE(CDDCommonVariant(-3).getBool());
    EXPECT_FALSE(CDDCommonVariant(0).getBool());
    EXPECT_TRUE(CDDCommonVariant("x").getBool());
    EXPECT_FALSE(CDDCommonVariant("").getBool());
    EXPECT_FALSE(CDDCommonVariant().getBool());
}

TEST(DdVariant, TheConstructorFollowsTheArgumentType) {
    EXPECT_EQ(CDDCommonVariant().getKind(), CDDCommonVariant::Empty);
    EXPECT_EQ(CDDCommonVariant(17).getKind(), CDDCommonVariant::Integer);
    EXPECT_EQ(CDDCommonVariant(17.0).getKind(), CDDCommonVariant::Float);
    EXPECT_EQ(CDDCommonVariant("17").getKind(), CDDCommonVariant::String);
    EXPECT_EQ(CDDCommonVariant(CStrPP("17")).getKind(), CDDCommonVariant::String);
    EXPECT_EQ(CDDCommonVariant(static_cast<const char*>(nullptr)).getKind(),
              CDDCommonVariant::String);
    EXPECT_EQ(CDDCommonVariant(true).getKind(), CDDCommonVariant::Boolean);
    EXPECT_FALSE(CDDCommonVariant().isNumber());
    EXPECT_FALSE(CDDCommonVariant("1").isNumber());
    EXPECT_TRUE(CDDCommonVariant(false).isNumber());
}

TEST(DdVariant, CopiesAndAssignmentsAreIndependent) {
    auto original = std::make_unique<CDDCommonVariant>("Ger\xE4t");
    const CDDCommonVariant copy(*original);
    CDDCommonVariant assigned(3.5);
    assigned = *original;
    *original = CDDCommonVariant(4);
    EXPECT_EQ(original->getKind(), CDDCommonVariant::Integer);
    EXPECT_STREQ(original->getString().ptr(), "4");
    original.reset();
    EXPECT_EQ(copy.getKind(), CDDCommonVariant::String);
    EXPECT_STREQ(copy.getString().ptr(), "Ger\xE4t");
    EXPECT_EQ(assigned, copy);

    // Assigning a number over a string drops the text; self-assignment keeps the value.
    assigned = CDDCommonVariant(12);
    EXPECT_EQ(assigned.getKind(), CDDCommonVariant::Integer);
    EXPECT_STREQ(assigned.getString().ptr(), "12");
    CDDCommonVariant text("kept");
    const CDDCommonVariant& alias = text;
    text = alias;
    EXPECT_STREQ(text.getString().ptr(), "kept");
}

int CaseBlindCompare(const char* a, const char* b) { return strcasecmp(a, b); }

TEST(DdVariant, TextsCompareByBytesWhateverComparisonStringsWereGiven) {
    auto* saved = CStrPP::strCompare;
    CStrPP::strCompare = CaseBlindCompare;
    EXPECT_TRUE(CStrPP("a") == "A");
    EXPECT_FALSE(CDDCommonVariant("a") == CDDCommonVariant("A"));
    CStrPP::strCompare = saved;
}

}  // namespace
