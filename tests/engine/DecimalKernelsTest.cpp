#include "engine/decimal/DecimalKernels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace ombrix::decimal_kernels {
namespace {

TEST(DecimalKernels, DigitCountHoldsOnEveryPowerOfTenAndTwo) {
    EXPECT_EQ(digitCount(0), 0);
    for (std::size_t n = 1; n < pow10u64.size(); ++n) {
        EXPECT_EQ(digitCount(pow10u64[n] - 1), int(n)) << n;
        EXPECT_EQ(digitCount(pow10u64[n]), int(n) + 1) << n;
    }
    for (int b = 0; b < 64; ++b) {
        const std::uint64_t power = std::uint64_t(1) << b;
        EXPECT_EQ(digitCount(power), int(std::to_string(power).size())) << b;
        EXPECT_EQ(digitCount(power + (power - 1)), int(std::to_string(power + (power - 1)).size()))
            << b;
    }
    EXPECT_EQ(digitCount(~std::uint64_t(0)), 20);
}

} // namespace
} // namespace ombrix::decimal_kernels
