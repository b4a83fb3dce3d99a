#include "engine/decimal/Decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrix {
namespace {

Decimal dec(const char* text) {
    DecimalResult r = Decimal::parse(text, ".");
    EXPECT_TRUE(r.ok()) << text;
    return r.value;
}

enum class Op { Add, Sub, Mul, Div };

struct ArithmeticCase {
    const char* a;
    Op op;
    const char* b;
    const char* expected; // shortest text, or "" when a status is expected
    DecimalStatus status;
};

DecimalResult apply(const ArithmeticCase& c) {
    Decimal a = dec(c.a);
    Decimal b = dec(c.b);
    switch (c.op) {
    case Op::Add:
        return a.add(b);
    case Op::Sub:
        return a.sub(b);
    case Op::Mul:
        return a.mul(b);
    case Op::Div:
        return a.div(b);
    }
    return {};
}

TEST(DecimalArithmetic, ExactWhereItFitsRoundedHalfEvenWhereItDoesNot) {
    const ArithmeticCase cases[] = {
        {"1", Op::Div, "3", "0.3333333333333333333333333333", DecimalStatus::Ok},
        {"2", Op::Div, "3", "0.6666666666666666666666666667", DecimalStatus::Ok},
        {"10", Op::Div, "3", "3.3333333333333333333333333333", DecimalStatus::Ok},
        {"0.1", Op::Add, "0.2", "0.3", DecimalStatus::Ok},
        {"1.95583", Op::Mul, "100", "195.583", DecimalStatus::Ok},
        {"0.3333333333333333333333333333", Op::Mul, "3", "0.9999999999999999999999999999",
         DecimalStatus::Ok},
        {"79228162514264337593543950335", Op::Add, "1", "", DecimalStatus::Overflow},
        {"-79228162514264337593543950335", Op::Sub, "1", "", DecimalStatus::Overflow},
        {"79228162514264337593543950335", Op::Mul, "2", "", DecimalStatus::Overflow},
        {"79228162514264337593543950335", Op::Div, "0.5", "", DecimalStatus::Overflow},
        {"5", Op::Div, "0", "", DecimalStatus::DivisionByZero},
        {"0", Op::Div, "0", "", DecimalStatus::DivisionByZero},
        {"0", Op::Div, "7", "0", DecimalStatus::Ok},
        {"1", Op::Div, "4", "0.25", DecimalStatus::Ok},
        {"-7", Op::Div, "2", "-3.5", DecimalStatus::Ok},
        {"1", Op::Div, "-8", "-0.125", DecimalStatus::Ok},
        // Ties at the 28th decimal go to the even digit; anything past the tie rounds up.
        {"0.0000000000000000000000000001", Op::Div, "2", "0", DecimalStatus::Ok},
        {"0.0000000000000000000000000003", Op::Div, "2", "0.0000000000000000000000000002",
         DecimalStatus::Ok},
        {"0.0000000000000000000000000001", Op::Div, "1.9999", "0.0000000000000000000000000001",
         DecimalStatus::Ok},
        {"0.0000000000000000000000000001", Op::Mul, "0.5", "0", DecimalStatus::Ok},
        {"0.0000000000000000000000000003", Op::Mul, "0.5", "0.0000000000000000000000000002",
         DecimalStatus::Ok},
        // A result too wide for 96 bits keeps the largest scale that fits.
        {"79228162514264337593543950335", Op::Div, "10", "7922816251426433759354395033.5",
         DecimalStatus::Ok},
        {"7922816251426433759354395032.5", Op::Add, "0.25", "7922816251426433759354395032.8",
         DecimalStatus::Ok},
        {"7922816251426433759354395032.5", Op::Add, "0.05", "7922816251426433759354395032.6",
         DecimalStatus::Ok},
        {"7922816251426433759354395032.4", Op::Add, "0.05", "7922816251426433759354395032.4",
         DecimalStatus::Ok},
        {"7922816251426433759354395033.5", Op::Add, "0.25", "7922816251426433759354395034",
         DecimalStatus::Ok},
        // Rounding that carries past 96 bits rounds the exact value at the next scale.
        {"7922816251426433759354395033.5", Op::Add, "0.06", "7922816251426433759354395034",
         DecimalStatus::Ok},
        {"7922816251426433759354395033.5", Op::Add, "0.04", "7922816251426433759354395033.5",
         DecimalStatus::Ok},
        {"79228162514264337593543950335", Op::Add, "0.5", "", DecimalStatus::Overflow},
        {"79228162514264337593543950334", Op::Add, "0.5", "79228162514264337593543950334",
         DecimalStatus::Ok},
        {"79228162514264337593543950335", Op::Add, "0.4", "79228162514264337593543950335",
         DecimalStatus::Ok},
        {"8.9999999999999999999999999999", Op::Mul, "9.0000000000000000000000000001", "81",
         DecimalStatus::Ok},
        {"1.0000000000000000000000000001", Op::Mul, "1.0000000000000000000000000001",
         "1.0000000000000000000000000002", DecimalStatus::Ok},
        {"1234567890.123456789", Op::Mul, "9876543210.987654321", "12193263113702179522.374638011",
         DecimalStatus::Ok},
        {"12345678901234567890.123456789", Op::Mul, "9876543210.987654321", "",
         DecimalStatus::Overflow},
        // Aligned to the finer scale the first operand passes 2^128; the borrow crosses it.
        {"34028236692093846346337460744", Op::Sub, "1844674407.3709551616",
         "34028236692093846344492786337", DecimalStatus::Ok},
        {"1.5", Op::Sub, "2.25", "-0.75", DecimalStatus::Ok},
        {"-1.5", Op::Add, "1.5", "0", DecimalStatus::Ok},
        {"-2", Op::Mul, "-3.5", "7", DecimalStatus::Ok},
        {"1", Op::Div, "0.0000000000000000000000000001", "10000000000000000000000000000",
         DecimalStatus::Ok},
    };
    for (const ArithmeticCase& c : cases) {
        DecimalResult r = apply(c);
        EXPECT_EQ(r.status, c.status) << c.a << " op " << c.b;
        if (c.status == DecimalStatus::Ok) {
            EXPECT_EQ(r.value.toString("."), c.expected) << c.a << " op " << c.b;
        }
    }
}

TEST(DecimalArithmetic, DivisionIsTheInverseOfMultiplicationWhenExact) {
    // A sweep over many divisor shapes exercises every branch of the long division.
    const char* values[] = {"1",
                            "7",
                            "0.001",
                            "123456789.123456789",
                            "4294967296",
                            "4294967295",
                            "18446744073709551616",
                            "79228162514264337593543",
                            "0.0000000001",
                            "99999999999999"};
    for (const char* a : values) {
        for (const char* b : values) {
            DecimalResult product = dec(a).mul(dec(b));
            if (!product.ok() || product.value.scale() >= Decimal::MaxScale)
                continue;
            DecimalResult back = product.value.div(dec(b));
            ASSERT_TRUE(back.ok()) << a << " " << b;
            EXPECT_EQ(back.value, dec(a)) << a << " * " << b << " / " << b;
        }
    }
}

struct ParseCase {
    const char* text;
    const char* separator;
    const char* expected; // in "." notation; nullptr when the text is not a number
};

TEST(DecimalText, ParsesTheUsersNotationAndNothingElse) {
    const ParseCase cases[] = {
        {"12", ".", "12"},
        {"  12.5  ", ".", "12.5"},
        {"-12.5", ".", "-12.5"},
        {"12.5-", ".", "-12.5"},
        {"1,234,567.89", ".", "1234567.89"},
        {"1.234.567,89", ",", "1234567.89"},
        {"12,5-", ",", "-12.5"},
        {".5", ".", "0.5"},
        {"5.", ".", "5"},
        {"000123.4500", ".", "123.45"},
        {"0.00000000000000000000000000005", ".", "0"},
        {"0.000000000000000000000000000051", ".", "0.0000000000000000000000000001"},
        {"1.23456789012345678901234567891", ".", "1.2345678901234567890123456789"},
        {"79228162514264337593543950335", ".", "79228162514264337593543950335"},
        {"", ".", nullptr},
        {"   ", ".", nullptr},
        {"-", ".", nullptr},
        {"abc", ".", nullptr},
        {"1.2.3", ".", nullptr},
        {"12.5", ",", "125"}, // "." groups when "," is the decimal separator
        {"1,5", ".", "15"},
        {"1.234,5", ".", nullptr},
        {"--1", ".", nullptr},
        {"-1-", ".", nullptr},
        {"1e5", ".", nullptr},
        {"+1", ".", nullptr},
        {"1 2", ".", nullptr},
        {"12", "", "12"},
        {"1.5", "", nullptr},
    };
    for (const ParseCase& c : cases) {
        DecimalResult r = Decimal::parse(c.text, c.separator);
        if (c.expected == nullptr) {
            EXPECT_FALSE(r.ok()) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(r.ok()) << '"' << c.text << '"';
            EXPECT_EQ(r.value.toString("."), c.expected) << '"' << c.text << '"';
        }
    }
}

TEST(DecimalText, IntegerPartBeyondNinetySixBitsIsAnOverflow) {
    EXPECT_EQ(Decimal::parse("79228162514264337593543950336", ".").status, DecimalStatus::Overflow);
    EXPECT_EQ(Decimal::parse(std::string(40, '9'), ".").status, DecimalStatus::Overflow);
    // Thousands of fraction digits are read without trouble.
    EXPECT_TRUE(Decimal::parse("1." + std::string(5000, '3'), ".").ok());
}

TEST(DecimalText, WritesShortestExactTextWithTheGivenSeparator) {
    EXPECT_EQ(dec("-1234.5000").toString(","), "-1234,5");
    EXPECT_EQ(dec("0.000").toString(","), "0");
    EXPECT_EQ(dec("-0").toString("."), "0");
    EXPECT_EQ(dec("0.0000000000000000000000000001").toString("."),
              "0.0000000000000000000000000001");
}

TEST(DecimalRounding, TruncateAndRoundAwayFromZero) {
    struct Case {
        const char* value;
        int decimals;
        const char* rounded;
    } cases[] = {
        {"2.5", 0, "3"},      {"-2.5", 0, "-3"},  {"2.449", 1, "2.4"}, {"1234.565", 2, "1234.57"},
        {"0.005", 2, "0.01"}, {"-0.004", 2, "0"}, {"7", 2, "7"},       {"9.999", 2, "10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dec(c.value).roundedAwayFromZero(c.decimals).toString("."), c.rounded) << c.value;
    }
    EXPECT_EQ(dec("-2.7").truncated().toString("."), "-2");
    EXPECT_EQ(dec("2.9999").truncated().toString("."), "2");
}

TEST(DecimalCompare, OrdersNumericallyAcrossScalesAndSigns) {
    EXPECT_EQ(dec("1.0"), dec("1"));
    EXPECT_LT(dec("-2"), dec("-1.5"));
    EXPECT_LT(dec("-0.1"), dec("0"));
    EXPECT_GT(dec("10"), dec("9.999999999999999999999999999"));
    EXPECT_EQ(dec("-0"), dec("0"));
}

TEST(DecimalDouble, FifteenSignificantDigitsBothWays) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0.1, "0.1"},   {1.0 / 3.0, "0.333333333333333"},
        {-2.5, "-2.5"}, {123456789012345678.0, "123456789012346000"},
        {1e-30, "0"},   {0.0, "0"},
    };
    for (const Case& c : cases) {
        DecimalResult r = Decimal::fromDouble(c.value);
        ASSERT_TRUE(r.ok()) << c.text;
        EXPECT_EQ(r.value.toString("."), c.text);
    }
    EXPECT_EQ(Decimal::fromDouble(1e30).status, DecimalStatus::Overflow);
    EXPECT_DOUBLE_EQ(dec("-12.25").toDouble(), -12.25);
}

} // namespace
} // namespace ombrix
