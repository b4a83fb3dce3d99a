#pragma once
// Fixed-width steps for the everyday shapes of Decimal arithmetic: a 96-bit
// magnitude as three 32-bit limbs, least significant first. Every product and
// quotient uses 32-bit limbs with 64-bit intermediates, so the code is the same
// on compilers without a 128-bit type; divisions by a constant power of ten
// compile to multiplications.

#include "engine/WideUInt.h"

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

// x (3 limbs) * p into out (5 limbs).
inline void mul96By64(const std::uint32_t x[3], std::uint64_t p, std::uint32_t out[5]) {
    const std::uint64_t p0 = std::uint32_t(p);
    const std::uint64_t p1 = p >> 32;
    std::uint64_t t = x[0] * p0;
    out[0] = std::uint32_t(t);
    t = x[1] * p0 + (t >> 32);
    out[1] = std::uint32_t(t);
    t = x[2] * p0 + (t >> 32);
    out[2] = std::uint32_t(t);
    out[3] = std::uint32_t(t >> 32);
    out[4] = 0;
    if (p1 == 0)
        return;
    t = x[0] * p1 + out[1];
    out[1] = std::uint32_t(t);
    t = x[1] * p1 + out[2] + (t >> 32);
    out[2] = std::uint32_t(t);
    t = x[2] * p1 + out[3] + (t >> 32);
    out[3] = std::uint32_t(t);
    out[4] = std::uint32_t(t >> 32);
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

// Adds y to x, both n limbs; no carry may leave the top limb.
template <int N> void addTo(std::uint32_t x[N], const std::uint32_t y[N]) {
    std::uint64_t carry = 0;
    for (int i = 0; i < N; ++i) {
        const std::uint64_t s = std::uint64_t(x[i]) + y[i] + carry;
        x[i] = std::uint32_t(s);
        carry = s >> 32;
    }
}

// Subtracts y from x, both n limbs; requires x >= y.
template <int N> void subtractFrom(std::uint32_t x[N], const std::uint32_t y[N]) {
    std::uint64_t borrow = 0;
    for (int i = 0; i < N; ++i) {
        const std::uint64_t d = std::uint64_t(x[i]) - y[i] - borrow;
        x[i] = std::uint32_t(d);
        borrow = d >> 63;
    }
}

template <int N> bool lessThan(const std::uint32_t x[N], const std::uint32_t y[N]) {
    for (int i = N - 1; i >= 0; --i) {
        if (x[i] != y[i])
            return x[i] < y[i];
    }
    return false;
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
    switch (k) {
    case 1:
        return divide96<10u>(x, remainder);
    case 2:
        return divide96<100u>(x, remainder);
    case 3:
        return divide96<1000u>(x, remainder);
    case 4:
        return divide96<10000u>(x, remainder);
    case 5:
        return divide96<100000u>(x, remainder);
    case 6:
        return divide96<1000000u>(x, remainder);
    case 7:
        return divide96<10000000u>(x, remainder);
    case 8:
        return divide96<100000000u>(x, remainder);
    default:
        return divide96<1000000000u>(x, remainder);
    }
}

// Adds one to x; true when the carry left 96 bits.
inline bool increment96(std::uint32_t x[3]) {
    for (int i = 0; i < 3; ++i) {
        if (++x[i] != 0)
            return false;
    }
    return true;
}

// What dividing by 10^k dropped: whether it was at least half of 10^k,
// exactly half, or more than nothing.
struct Dropped {
    bool atLeastHalf = false;
    bool exactlyHalf = false;
    bool any = false;

    // Half-to-even: a tie goes to the even neighbour.
    bool roundsUp(bool odd) const { return atLeastHalf && (!exactlyHalf || odd); }
};

// (above * 2^96 + x) / 10^k, truncated in place, for k from 0 to 28 and
// above < 10^k; above must be 0 when k is over 9.
inline Dropped dropDigits96(std::uint32_t x[3], std::uint32_t above, int k) {
    Dropped d;
    if (k == 0)
        return d;
    // The lower chunks only tell whether anything below the top chunk was lost.
    bool lowerLost = false;
    while (k > 9) {
        lowerLost |= divide96<1000000000u>(x, 0) != 0;
        k -= 9;
    }
    const std::uint32_t top = divide96ByPow10(x, above, k);
    const std::uint32_t half = std::uint32_t(pow10u64[std::size_t(k)] / 2);
    d.atLeastHalf = top >= half;
    d.exactlyHalf = top == half && !lowerLost;
    d.any = top != 0 || lowerLost;
    return d;
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
    switch (k) {
    case 1:
        return divideRounded<10u>(above, l2, l1, l0, scale);
    case 2:
        return divideRounded<100u>(above, l2, l1, l0, scale);
    case 3:
        return divideRounded<1000u>(above, l2, l1, l0, scale);
    case 4:
        return divideRounded<10000u>(above, l2, l1, l0, scale);
    case 5:
        return divideRounded<100000u>(above, l2, l1, l0, scale);
    case 6:
        return divideRounded<1000000u>(above, l2, l1, l0, scale);
    case 7:
        return divideRounded<10000000u>(above, l2, l1, l0, scale);
    case 8:
        return divideRounded<100000000u>(above, l2, l1, l0, scale);
    default:
        return divideRounded<1000000000u>(above, l2, l1, l0, scale);
    }
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

// x (3 limbs) * 10^e into out (9 limbs), e from 0 to 57.
inline void mulByPow10(const std::uint32_t x[3], int e, std::uint32_t out[9]) {
    const WidePow10& p = widePow10[std::size_t(e)];
    for (int i = 0; i < 9; ++i)
        out[i] = 0;
    for (int i = 0; i < 3; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < p.size; ++j) {
            const std::uint64_t t = std::uint64_t(x[i]) * p.limb[j] + out[i + j] + carry;
            out[i + j] = std::uint32_t(t);
            carry = t >> 32;
        }
        out[i + p.size] = std::uint32_t(carry);
    }
}

// A divisor of D limbs made ready for long division: shifted until its top
// bit is set, with the reciprocal of its top limb.
template <int D> struct NormalizedDivisor {
    std::uint32_t v[D] = {};
    int shift = 0;
    wide_detail::Reciprocal reciprocal{0x80000000u};
};

template <int D> constexpr NormalizedDivisor<D> normalize(const std::uint32_t* d) {
    NormalizedDivisor<D> n;
    n.shift = std::countl_zero(d[D - 1]);
    for (int i = D - 1; i >= 0; --i) {
        const std::uint32_t below = i > 0 && n.shift != 0 ? d[i - 1] >> (32 - n.shift) : 0;
        n.v[i] = (d[i] << n.shift) | below;
    }
    n.reciprocal = wide_detail::Reciprocal(n.v[D - 1]);
    return n;
}

// 10^k made ready as a divisor of exactly D limbs, for the k that need D.
template <int D> constexpr std::array<NormalizedDivisor<D>, 30> makePow10Divisors() {
    std::array<NormalizedDivisor<D>, 30> table{};
    for (int k = 0; k < 30; ++k) {
        if (widePow10[std::size_t(k)].size == D)
            table[std::size_t(k)] = normalize<D>(widePow10[std::size_t(k)].limb);
    }
    return table;
}

template <int D> inline constexpr auto pow10Divisors = makePow10Divisors<D>();

// n / d for a quotient below 2^96 (n < d * 2^96), d made ready by normalize;
// n holds D + 3 limbs. Knuth's algorithm D, run for exactly the three
// quotient limbs; the remainder goes to r.
template <int D>
void divideTo96(const std::uint32_t* n, const NormalizedDivisor<D>& d, std::uint32_t q[3],
                std::uint32_t r[D]) {
    const int shift = d.shift;
    auto shifted = [shift](std::uint32_t high, std::uint32_t low) {
        return shift == 0 ? high : (high << shift) | (low >> (32 - shift));
    };
    const std::uint32_t* v = d.v;
    if constexpr (D == 1) {
        std::uint32_t remainder = shifted(n[3], n[2]);
        q[2] = d.reciprocal.Divide(remainder, shifted(n[2], n[1]), remainder);
        q[1] = d.reciprocal.Divide(remainder, shifted(n[1], n[0]), remainder);
        q[0] = d.reciprocal.Divide(remainder, n[0] << shift, remainder);
        r[0] = remainder >> shift;
    } else {
        std::uint32_t u[D + 4];
        u[D + 3] = shift == 0 ? 0 : n[D + 2] >> (32 - shift);
        for (int i = D + 2; i > 0; --i)
            u[i] = shifted(n[i], n[i - 1]);
        u[0] = n[0] << shift;
        for (int j = 2; j >= 0; --j) {
            std::uint64_t qhat = 0;
            std::uint64_t rhat = 0;
            if (u[j + D] < v[D - 1]) {
                std::uint32_t rest = 0;
                qhat = d.reciprocal.Divide(u[j + D], u[j + D - 1], rest);
                rhat = rest;
            } else {
                // The estimate reaches the base: rare, left to the plain division.
                const std::uint64_t top = (std::uint64_t(u[j + D]) << 32) | u[j + D - 1];
                qhat = top / v[D - 1];
                rhat = top % v[D - 1];
            }
            while (qhat > 0xffffffffu || qhat * v[D - 2] > ((rhat << 32) | u[j + D - 2])) {
                --qhat;
                rhat += v[D - 1];
                if (rhat > 0xffffffffu)
                    break;
            }
            std::uint64_t borrow = 0;
            std::uint64_t carry = 0;
            for (int i = 0; i < D; ++i) {
                const std::uint64_t p = qhat * v[i] + carry;
                carry = p >> 32;
                const std::uint64_t t = std::uint64_t(u[i + j]) - std::uint32_t(p) - borrow;
                u[i + j] = std::uint32_t(t);
                borrow = t >> 63;
            }
            const std::uint64_t t = std::uint64_t(u[j + D]) - carry - borrow;
            u[j + D] = std::uint32_t(t);
            if ((t >> 63) != 0) {
                // qhat was one too large: add the divisor back.
                --qhat;
                std::uint64_t c = 0;
                for (int i = 0; i < D; ++i) {
                    const std::uint64_t sum = std::uint64_t(u[i + j]) + v[i] + c;
                    u[i + j] = std::uint32_t(sum);
                    c = sum >> 32;
                }
                u[j + D] = std::uint32_t(u[j + D] + c);
            }
            q[j] = std::uint32_t(qhat);
        }
        for (int i = 0; i < D; ++i)
            r[i] = shift == 0 ? u[i] : (u[i] >> shift) | (u[i + 1] << (32 - shift));
    }
}

} // namespace ombrix::decimal_kernels
