#pragma once
// Fixed-width steps for the everyday shapes of Decimal arithmetic: a 96-bit
// magnitude as three 32-bit limbs, least significant first. Every product and
// quotient uses 32-bit limbs with 64-bit intermediates, so the code is the same
// on compilers without a 128-bit type; divisions by a constant power of ten
// compile to multiplications.

#include "engine/decimal/Pow10Dispatch.h"

#include <array>
#include <bit>
#include <cstdint>

namespace ombrix::decimal_kernels {

inline constexpr std::array<std::uint64_t, 20> pow10u64 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// 10^0 to 10^57 in up to six 32-bit limbs: the widest factor a division's
// numerator takes.
struct WidePow10 {
    std::uint32_t limb[6];
    int size;
};

inline constexpr std::array<WidePow10, 58> widePow10 = [] {
    std::array<WidePow10, 58> table{};
    WidePow10 p{{1, 0, 0, 0, 0, 0}, 1};
    for (WidePow10& entry : table) {
        entry = p;
        std::uint64_t carry = 0;
        for (int i = 0; i < 6; ++i) {
            const std::uint64_t t = std::uint64_t(p.limb[i]) * 10 + carry;
            p.limb[i] = std::uint32_t(t);
            carry = t >> 32;
        }
        p.size = 6;
        while (p.size > 1 && p.limb[p.size - 1] == 0)
            --p.size;
    }
    return table;
}();

// The largest word that times 10^k still fits 64 bits.
inline constexpr std::array<std::uint64_t, 20> maxTimesPow10 = [] {
    std::array<std::uint64_t, 20> m{};
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] = ~std::uint64_t(0) / pow10u64[i];
    return m;
}();

// The number of decimal digits of v; 0 for 0.
inline int digitCount(std::uint64_t v) {
    if (v == 0)
        return 0;
    // 1233 / 4096 is just above log10(2): the guess is exact or one short.
    const int bits = 64 - std::countl_zero(v);
    const int guess = (bits * 1233) >> 12;
    return guess + (guess < 20 && v >= pow10u64[std::size_t(guess)] ? 1 : 0);
}

// x (3 limbs) * y (3 limbs) into out (6 limbs).
inline void mul96By96(const std::uint32_t x[3], const std::uint32_t y[3], std::uint32_t out[6]) {
    std::uint64_t t = std::uint64_t(x[0]) * y[0];
    out[0] = std::uint32_t(t);
    t = std::uint64_t(x[0]) * y[1] + (t >> 32);
    out[1] = std::uint32_t(t);
    t = std::uint64_t(x[0]) * y[2] + (t >> 32);
    out[2] = std::uint32_t(t);
    out[3] = std::uint32_t(t >> 32);
    for (int i = 1; i < 3; ++i) {
        t = std::uint64_t(x[i]) * y[0] + out[i];
        out[i] = std::uint32_t(t);
        t = std::uint64_t(x[i]) * y[1] + out[i + 1] + (t >> 32);
        out[i + 1] = std::uint32_t(t);
        t = std::uint64_t(x[i]) * y[2] + out[i + 2] + (t >> 32);
        out[i + 2] = std::uint32_t(t);
        out[i + 3] = std::uint32_t(t >> 32);
    }
}

// Divides (remainder * 2^96 + x) by P in place, remainder < P, and returns
// the new remainder.
template <std::uint32_t P> std::uint32_t divide96(std::uint32_t x[3], std::uint32_t remainder) {
    for (int i = 2; i >= 0; --i) {
        const std::uint64_t cur = (std::uint64_t(remainder) << 32) | x[i];
        x[i] = std::uint32_t(cur / P);
        remainder = std::uint32_t(cur % P);
    }
    return remainder;
}

// The same for P = 10^k, k from 1 to 9.
inline std::uint32_t divide96ByPow10(std::uint32_t x[3], std::uint32_t remainder, int k) {
    return withPow10(k, [&](auto p) { return divide96<decltype(p)::value>(x, remainder); });
}

// Adds one to x; true when the carry left 96 bits.
inline bool increment96(std::uint32_t x[3]) {
    for (int i = 0; i < 3; ++i) {
        if (++x[i] != 0)
            return false;
    }
    return true;
}

// x / 10^k, truncated in place, for k from 0 to 28; true when what was
// dropped is at least half of 10^k.
inline bool dropDigits96(std::uint32_t x[3], int k) {
    if (k == 0)
        return false;
    // Only the top chunk of dropped digits decides the half.
    while (k > 9) {
        divide96<1000000000u>(x, 0);
        k -= 9;
    }
    return divide96ByPow10(x, 0, k) >= std::uint32_t(pow10u64[std::size_t(k)] / 2);
}

// A 96-bit magnitude and its scale, small enough to come back in registers;
// a scale of -1 says the case was left to the general path.
struct Rounded96 {
    std::uint64_t low;
    std::uint32_t high;
    int scale;
};

// (above * 2^96 + l2 * 2^64 + l1 * 2^32 + l0) / P rounded half-to-even, for
// above < P, at `scale`.
template <std::uint32_t P>
Rounded96 divideRounded(std::uint32_t above, std::uint32_t l2, std::uint32_t l1, std::uint32_t l0,
                        int scale) {
    std::uint64_t cur = (std::uint64_t(above) << 32) | l2;
    std::uint32_t high = std::uint32_t(cur / P);
    cur = ((cur % P) << 32) | l1;
    const std::uint32_t q1 = std::uint32_t(cur / P);
    cur = ((cur % P) << 32) | l0;
    const std::uint32_t q0 = std::uint32_t(cur / P);
    const std::uint32_t r = std::uint32_t(cur % P);
    std::uint64_t low = (std::uint64_t(q1) << 32) | q0;
    if (r > P / 2 || (r == P / 2 && (q0 & 1) != 0)) {
        if (++low == 0 && ++high == 0)
            return {0, 0, -1}; // the carry left 96 bits
    }
    return {low, high, scale};
}

inline Rounded96 divideRoundedByPow10(std::uint32_t above, std::uint32_t l2, std::uint32_t l1,
                                      std::uint32_t l0, int k, int scale) {
    // The arguments go by value, so they can stay in registers.
    return withPow10(k, [above, l2, l1, l0, scale](auto p) {
        return divideRounded<decltype(p)::value>(above, l2, l1, l0, scale);
    });
}

// c * 10^shift + f, or the larger minus the smaller of the two, at `scale`:
// exact where it fits 96 bits, otherwise rounded by up to nine digits.
// `coarseLarger` tells a difference's sign. shift is below 20.
inline Rounded96 alignedSum(std::uint64_t cLow, std::uint32_t cHigh, std::uint64_t fLow,
                            std::uint32_t fHigh, int shift, bool difference, int scale,
                            bool& coarseLarger) {
    const std::uint64_t p = pow10u64[std::size_t(shift)];
    const std::uint64_t p0 = std::uint32_t(p);
    const std::uint64_t p1 = p >> 32;
    const std::uint64_t c0 = std::uint32_t(cLow);
    const std::uint64_t c1 = cLow >> 32;
    // cLow * p in two words.
    const std::uint64_t a0 = c0 * p0;
    const std::uint64_t a1 = c0 * p1;
    const std::uint64_t a2 = c1 * p0;
    const std::uint64_t a3 = c1 * p1;
    const std::uint64_t middle = (a0 >> 32) + std::uint32_t(a1) + std::uint32_t(a2);
    std::uint64_t w0 = (middle << 32) | std::uint32_t(a0);
    std::uint64_t w1 = a3 + (a1 >> 32) + (a2 >> 32) + (middle >> 32);
    // cHigh * p lands 64 bits up.
    const std::uint64_t b0 = cHigh * p0;
    const std::uint64_t b1 = cHigh * p1;
    std::uint64_t t = w1 + b0;
    std::uint64_t w2 = t < b0 ? 1 : 0;
    w1 = t + (std::uint64_t(std::uint32_t(b1)) << 32);
    w2 += (w1 < t ? 1 : 0) + (b1 >> 32);
    coarseLarger = true;
    if (!difference) {
        w0 += fLow;
        const std::uint64_t carry = w0 < fLow ? 1 : 0;
        t = w1 + fHigh + carry;
        w2 += t < w1 ? 1 : 0;
        w1 = t;
    } else if (w2 != 0 || w1 > fHigh || (w1 == fHigh && w0 >= fLow)) {
        const std::uint64_t borrow = w0 < fLow ? 1 : 0;
        w0 -= fLow;
        t = w1 - fHigh - borrow;
        w2 -= t > w1 ? 1 : 0;
        w1 = t;
    } else {
        coarseLarger = false;
        const std::uint64_t borrow = fLow < w0 ? 1 : 0;
        w0 = fLow - w0;
        w1 = fHigh - w1 - borrow;
    }
    if (w2 == 0 && (w1 >> 32) == 0)
        return {w0, std::uint32_t(w1), scale};
    const std::uint64_t above = (w2 << 32) | (w1 >> 32);
    const int k = digitCount(above);
    if (k > 9 || k > scale)
        return {0, 0, -1};
    return divideRoundedByPow10(std::uint32_t(above), std::uint32_t(w1), std::uint32_t(w0 >> 32),
                                std::uint32_t(w0), k, scale - k);
}

} // namespace ombrix::decimal_kernels
