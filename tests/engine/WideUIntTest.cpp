// Long division checked by its defining property, q * b + r == a with r < b,
// on random operands and on the limb patterns where estimates go wrong.

#include "engine/decimal/WideUInt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace ombrix {
namespace {

using Wide = WideUIntN<24>;

Wide FromLimbs(const std::vector<std::uint32_t>& limbs) { // most significant first
    Wide w;
    for (std::uint32_t limb : limbs) {
        w.mulSmall(1u << 16);
        w.mulSmall(1u << 16);
        w.addSmall(limb);
    }
    return w;
}

void ExpectDivision(const Wide& a, const Wide& b) {
    Wide q;
    Wide r;
    Wide::divMod(a, b, q, r);
    ASSERT_LT(Wide::compare(r, b), 0);
    Wide back = Wide::mul(q, b);
    back.add(r);
    ASSERT_EQ(Wide::compare(back, a), 0);
}

std::uint32_t Limb(std::mt19937& random) {
    // Extremes make the quotient estimate and its corrections misbehave.
    switch (random() % 6) {
    case 0:
        return 0;
    case 1:
        return 0xFFFFFFFFu;
    case 2:
        return 0x80000000u;
    case 3:
        return 1;
    default:
        return static_cast<std::uint32_t>(random());
    }
}

std::vector<std::uint32_t> Limbs(std::mt19937& random, int count) {
    std::vector<std::uint32_t> limbs;
    for (int i = 0; i < count; ++i)
        limbs.push_back(Limb(random));
    return limbs;
}

TEST(WideDivision, QuotientTimesDivisorPlusRemainderGivesTheDividend) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 20000; ++round) {
        const int divisorLimbs = 1 + static_cast<int>(random() % 5);
        const int dividendLimbs = 1 + static_cast<int>(random() % 11);
        Wide b = FromLimbs(Limbs(random, divisorLimbs));
        if (b.isZero())
            b.addSmall(1 + static_cast<std::uint32_t>(random() % 1000));
        ExpectDivision(FromLimbs(Limbs(random, dividendLimbs)), b);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(WideDivision, SmallDivisorsOfEveryWidth) {
    std::mt19937 random(7);
    for (std::uint32_t divisor :
         {1u, 2u, 3u, 7u, 10u, 195583u, 0x7FFFFFFFu, 0x80000000u, 0x80000001u, 0xFFFFFFFFu}) {
        for (int round = 0; round < 500; ++round) {
            const Wide a = FromLimbs(Limbs(random, 1 + static_cast<int>(random() % 8)));
            Wide q = a;
            const std::uint32_t r = q.divSmall(divisor);
            ASSERT_LT(r, divisor);
            Wide back = q;
            back.mulSmall(divisor);
            back.addSmall(r);
            ASSERT_EQ(Wide::compare(back, a), 0) << divisor;
        }
    }
}

} // namespace
} // namespace ombrix
