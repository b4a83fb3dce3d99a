#pragma once
// Long division for Decimal results whose quotient fits 96 bits: the divisor
// made ready once (or taken ready from a table for powers of ten), then
// exactly three quotient limbs. 32-bit limbs with 64-bit intermediates.

#include "engine/decimal/DecimalKernels.h"
#include "engine/decimal/WideUInt.h"

#include <array>
#include <bit>
#include <cstdint>

namespace ombrix::decimal_kernels {

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

// 10^k made ready as a divisor of exactly D limbs, for the k up to 29 that
// need D: every power a product of two Decimals is rounded by.
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
