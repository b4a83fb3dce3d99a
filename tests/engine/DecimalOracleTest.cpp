// Decimal arithmetic against a brute-force oracle on wide integers: the oracle
// tries every scale from the finest down and rounds the exact quotient by its
// remainder, which is slow but plainly right.

#include "engine/decimal/Decimal.h"
#include "engine/decimal/WideUInt.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace ombrix {
namespace {

using Wide = WideUIntN<12>;

struct Exact {
    Wide magnitude;
    int scale = 0;
    bool negative = false;
};

Wide magnitudeOf(const Decimal& d) {
    Wide w;
    for (char c : d.magnitudeDigits()) {
        w.mulSmall(10);
        w.addSmall(std::uint32_t(c - '0'));
    }
    return w;
}

Wide pow10(int n) {
    Wide w = Wide::from96(1, 0, 0);
    w.mulPow10(n);
    return w;
}

Decimal fromWide(const Wide& w, int scale, bool negative) {
    return Decimal::fromParts(w.limb(0), w.limb(1), w.limb(2), scale, negative).value;
}

// numerator / divisor rounded half-to-even; nothing when it needs over 96 bits.
std::optional<Wide> roundedQuotient(const Wide& numerator, const Wide& divisor, bool& exact) {
    Wide q, r;
    Wide::divMod(numerator, divisor, q, r);
    Wide twice = r;
    twice.add(r);
    const int c = Wide::compare(twice, divisor);
    if (c > 0 || (c == 0 && q.isOdd()))
        q.addSmall(1);
    exact = r.isZero();
    if (!q.fits96())
        return std::nullopt;
    return q;
}

// The finest scale at most 28 that holds the exact value, rounded.
DecimalResult fitExact(const Exact& x) {
    for (int s = std::min(x.scale, Decimal::MaxScale); s >= 0; --s) {
        bool exact = false;
        if (auto q = roundedQuotient(x.magnitude, pow10(x.scale - s), exact))
            return {fromWide(*q, s, x.negative), DecimalStatus::Ok};
    }
    return {Decimal(), DecimalStatus::Overflow};
}

DecimalResult oracleAdd(const Decimal& a, const Decimal& b) {
    const int scale = std::max(a.scale(), b.scale());
    Wide x = magnitudeOf(a);
    Wide y = magnitudeOf(b);
    x.mulPow10(scale - a.scale());
    y.mulPow10(scale - b.scale());
    if (a.isNegative() == b.isNegative()) {
        x.add(y);
        return fitExact({x, scale, a.isNegative()});
    }
    if (Wide::compare(x, y) >= 0) {
        x.sub(y);
        return fitExact({x, scale, a.isNegative()});
    }
    y.sub(x);
    return fitExact({y, scale, b.isNegative()});
}

DecimalResult oracleMul(const Decimal& a, const Decimal& b) {
    return fitExact({Wide::mul(magnitudeOf(a), magnitudeOf(b)), a.scale() + b.scale(),
                     a.isNegative() != b.isNegative()});
}

DecimalResult oracleDiv(const Decimal& a, const Decimal& b) {
    if (b.isZero())
        return {Decimal(), DecimalStatus::DivisionByZero};
    for (int s = Decimal::MaxScale; s >= 0; --s) {
        // a / b at scale s is |a| * 10^(s - sa + sb) / |b|.
        const int e = s - a.scale() + b.scale();
        Wide numerator = magnitudeOf(a);
        Wide divisor = magnitudeOf(b);
        if (e >= 0)
            numerator.mulPow10(e);
        else
            divisor.mulPow10(-e);
        bool exact = false;
        if (auto q = roundedQuotient(numerator, divisor, exact))
            return {fromWide(*q, s, a.isNegative() != b.isNegative()), DecimalStatus::Ok};
    }
    return {Decimal(), DecimalStatus::Overflow};
}

// Magnitudes of every width up to 96 bits, with runs of nines and zeros that
// sit on rounding and carry boundaries.
Decimal randomDecimal(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> digitsDist(1, 29);
    std::uniform_int_distribution<int> digitDist(0, 9);
    std::uniform_int_distribution<int> shapeDist(0, 3);
    for (;;) {
        const int digits = digitsDist(rng);
        const int shape = shapeDist(rng);
        std::string text;
        for (int i = 0; i < digits; ++i) {
            char c = char('0' + digitDist(rng));
            if (shape == 1 && i > 0)
                c = '9';
            else if (shape == 2 && i > 0 && i + 1 < digits)
                c = '0';
            text += c;
        }
        const int scale = std::uniform_int_distribution<int>(0, Decimal::MaxScale)(rng);
        if (scale > 0) {
            if (int(text.size()) <= scale)
                text.insert(0, std::size_t(scale + 1 - int(text.size())), '0');
            text.insert(text.size() - std::size_t(scale), ".");
        }
        if (rng() & 1)
            text.insert(0, "-");
        DecimalResult r = Decimal::parse(text, ".");
        if (r.ok() && r.value.scale() == scale)
            return r.value;
    }
}

void expectSame(const DecimalResult& got, const DecimalResult& want, const Decimal& a,
                const char* op, const Decimal& b) {
    const std::string what = a.toString(".") + " " + op + " " + b.toString(".");
    ASSERT_EQ(got.status, want.status) << what;
    if (want.ok()) {
        ASSERT_EQ(got.value.toString("."), want.value.toString(".")) << what;
        ASSERT_EQ(got.value.isNegative(), want.value.isNegative()) << what;
    }
}

TEST(DecimalOracle, ArithmeticAgreesWithBruteForceOnRandomOperands) {
    std::mt19937_64 rng(20261210);
    for (int i = 0; i < 20000; ++i) {
        const Decimal a = randomDecimal(rng);
        const Decimal b = randomDecimal(rng);
        expectSame(a.add(b), oracleAdd(a, b), a, "+", b);
        expectSame(a.sub(b), oracleAdd(a, b.negated()), a, "-", b);
        expectSame(a.mul(b), oracleMul(a, b), a, "*", b);
        expectSame(a.div(b), oracleDiv(a, b), a, "/", b);
    }
}

TEST(DecimalOracle, ReadingAndWritingAgreeWithDigitByDigitWork) {
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<int> digitsDist(1, 29);
    for (int i = 0; i < 20000; ++i) {
        std::string digits;
        const int count = digitsDist(rng);
        for (int k = 0; k < count; ++k)
            digits += char('0' + rng() % 10);
        const int scale = int(rng() % std::uint64_t(std::min(count, Decimal::MaxScale) + 1));
        Wide magnitude;
        for (char c : digits) {
            magnitude.mulSmall(10);
            magnitude.addSmall(std::uint32_t(c - '0'));
        }
        if (!magnitude.fits96())
            continue;
        std::string text = digits;
        if (scale > 0)
            text.insert(text.size() - std::size_t(scale), ",");
        const bool negative = rng() & 1;
        if (negative)
            text += '-';
        const DecimalResult parsed = Decimal::parse(text, ",");
        ASSERT_TRUE(parsed.ok()) << text;
        const Decimal expected = fromWide(magnitude, scale, negative);
        ASSERT_EQ(parsed.value.scale(), scale) << text;
        ASSERT_EQ(parsed.value, expected) << text;
        ASSERT_EQ(parsed.value.isNegative(), expected.isNegative()) << text;
        // Unscaled digits come back without leading zeros.
        const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size() - 1);
        ASSERT_EQ(parsed.value.magnitudeDigits(), digits.substr(first)) << text;
    }
}

TEST(DecimalOracle, ConversionSizedOperandsAgree) {
    // Amounts and rates as conversions use them: few digits, few decimals.
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<std::int64_t> amount(-99999999, 99999999);
    std::uniform_int_distribution<int> scaleDist(0, 6);
    for (int i = 0; i < 20000; ++i) {
        const Decimal a = fromWide(Wide::from96(std::uint32_t(std::abs(amount(rng))), 0, 0),
                                   scaleDist(rng), rng() & 1);
        const Decimal b = fromWide(Wide::from96(std::uint32_t(std::abs(amount(rng))), 0, 0),
                                   scaleDist(rng), rng() & 1);
        expectSame(a.add(b), oracleAdd(a, b), a, "+", b);
        expectSame(a.sub(b), oracleAdd(a, b.negated()), a, "-", b);
        expectSame(a.mul(b), oracleMul(a, b), a, "*", b);
        expectSame(a.div(b), oracleDiv(a, b), a, "/", b);
    }
}

} // namespace
} // namespace ombrix
