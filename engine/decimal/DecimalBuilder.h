#pragma once
// The general rounding of Decimal results, shared by the arithmetic and the
// reading of numbers: any exact wide magnitude at any scale becomes the
// nearest Decimal, half-to-even, or an overflow.

#include "engine/decimal/Decimal.h"
#include "engine/decimal/DecimalKernels.h"
#include "engine/decimal/Pow10Dispatch.h"
#include "engine/decimal/WideUInt.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace ombrix {

namespace decimal_detail {

// The leading digit of a remainder below 10 * Below, and whether any digit after it is non-zero.
template <std::uint32_t Below>
inline void splitRemainder(std::uint32_t remainder, std::uint32_t& digit, bool& sticky) {
    digit = remainder / Below;
    sticky |= remainder % Below != 0;
}

// Divides by 10^count, truncating. `digit` receives the highest digit dropped
// and `sticky` is raised when any digit below it is not zero. The last chunk's
// remainder holds both.
template <typename Wide>
inline void truncDivPow10(Wide& value, int count, std::uint32_t& digit, bool& sticky) {
    digit = 0;
    while (count > 9 && !value.isZero()) {
        sticky |= value.divPow10(9) != 0;
        count -= 9;
    }
    if (value.isZero())
        return;
    const std::uint32_t remainder = value.divPow10(count);
    // The first dropped digit is the chunk's top digit.
    withPow10(count,
              [&](auto p) { splitRemainder<decltype(p)::value / 10>(remainder, digit, sticky); });
}

// Half-to-even: `sticky` says that non-zero digits lie below the dropped
// digit, which breaks a tie upwards.
template <typename Wide> void roundHalfEven(Wide& value, std::uint32_t digit, bool sticky) {
    if (digit > 5 || (digit == 5 && (sticky || value.isOdd())))
        value.addSmall(1);
}

template <typename Wide> int bitLength(const Wide& value) {
    if (value.isZero())
        return 0;
    return value.size() * 32 - std::countl_zero(value.limb(value.size() - 1));
}

// How many digits a magnitude over 96 bits loses at least to fit. Up to 160
// bits the answer is exact: m / 10^k fits exactly when m / 2^96 < 10^k.
// Wider products start from a lower bound the caller corrects.
template <typename Wide> int digitsToDrop(const Wide& magnitude) {
    if (magnitude.size() <= 5) {
        const std::uint64_t above96 = (std::uint64_t(magnitude.limb(4)) << 32) | magnitude.limb(3);
        int digits = 0;
        for (std::uint64_t power = 1; digits < 20 && power <= above96; power *= 10)
            ++digits;
        return digits;
    }
    // log10(2) ~ 0.30103; rounding down keeps this a lower bound.
    return (bitLength(magnitude) - 96) * 30103 / 100000;
}

} // namespace decimal_detail

// Turns an exact (or sticky-marked) wide magnitude at any scale into a Decimal.
class DecimalBuilder {
public:
    template <typename Wide>
    static DecimalResult make(const Wide& magnitude, int scale, bool negative, bool sticky) {
        int drop = std::max(0, scale - Decimal::MaxScale);
        if (!magnitude.fits96())
            drop = std::max(drop, decimal_detail::digitsToDrop(magnitude));
        for (;;) {
            if (drop > scale)
                return {Decimal(), DecimalStatus::Overflow};
            // Truncate first and round once, so no digit is rounded twice.
            Wide reduced = magnitude;
            std::uint32_t digit = 0;
            bool lost = sticky;
            if (drop > 0)
                decimal_detail::truncDivPow10(reduced, drop, digit, lost);
            while (!reduced.fits96()) {
                if (++drop > scale)
                    return {Decimal(), DecimalStatus::Overflow};
                lost |= digit != 0;
                digit = reduced.divPow10(1);
            }
            decimal_detail::roundHalfEven(reduced, digit, lost);
            if (reduced.fits96())
                return {build(reduced, scale - drop, negative), DecimalStatus::Ok};
            // Rounding up carried past 96 bits: round the exact value once more.
            ++drop;
        }
    }

    template <typename Wide> static Decimal build(const Wide& magnitude, int scale, bool negative) {
        Decimal d;
        d.lo_ = magnitude.limb(0);
        d.mid_ = magnitude.limb(1);
        d.hi_ = magnitude.limb(2);
        d.scale_ = std::uint8_t(scale);
        d.negative_ = negative && !magnitude.isZero();
        return d;
    }

    static Decimal build3(const std::uint32_t x[3], int scale, bool negative) {
        Decimal d;
        d.lo_ = x[0];
        d.mid_ = x[1];
        d.hi_ = x[2];
        d.scale_ = std::uint8_t(scale);
        d.negative_ = negative && (x[0] | x[1] | x[2]) != 0;
        return d;
    }

    template <typename Wide = NarrowWide> static Wide wide(const Decimal& d) {
        return Wide::from96(d.lo_, d.mid_, d.hi_);
    }

    static Decimal withoutTrailingZeros(const Decimal& d) {
        using decimal_kernels::divide96ByPow10;
        std::uint32_t x[3] = {d.lo_, d.mid_, d.hi_};
        int scale = d.scale_;
        if ((x[0] | x[1] | x[2]) == 0)
            return d;
        // Nine zeros at a time while there are as many, then one at a time.
        for (int step : {9, 1}) {
            while (scale >= step) {
                std::uint32_t shorter[3] = {x[0], x[1], x[2]};
                if (divide96ByPow10(shorter, 0, step) != 0)
                    break;
                std::copy(shorter, shorter + 3, x);
                scale -= step;
            }
        }
        return build3(x, scale, d.negative_);
    }

    // a + b, or a - b with negateB.
    static DecimalResult addSigned(const Decimal& a, const Decimal& b, bool negateB);
};

} // namespace ombrix
