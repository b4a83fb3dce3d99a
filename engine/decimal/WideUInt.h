#pragma once
// Fixed-capacity unsigned integer used as the exact intermediate of Decimal
// arithmetic. 32-bit limbs with 64-bit intermediates only, so the code is
// portable to compilers without a 128-bit type.

#include "engine/decimal/Pow10Dispatch.h"

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

namespace ombrix {

template <int N> class WideUIntN {
public:
    static constexpr int Capacity = N;

    WideUIntN() = default;
    static WideUIntN from96(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi);

    bool isZero() const { return size_ == 0; }
    int size() const { return size_; }
    std::uint32_t limb(int i) const { return i < size_ ? limbs_[i] : 0; }
    bool fits96() const { return size_ <= 3; }
    bool isOdd() const { return size_ > 0 && (limbs_[0] & 1u) != 0; }

    void mulSmall(std::uint32_t factor);
    void addSmall(std::uint32_t value);
    // Divides in place and returns the remainder.
    std::uint32_t divSmall(std::uint32_t divisor);
    // Divides in place by 10^exponent (1 to 9) and returns the remainder; the
    // divisor is a compile-time constant, so no hardware division is needed.
    std::uint32_t divPow10(int exponent);
    // Multiplies by 10^exponent.
    void mulPow10(int exponent);

    static WideUIntN mul(const WideUIntN& a, const WideUIntN& b);
    static int compare(const WideUIntN& a, const WideUIntN& b);
    void add(const WideUIntN& other);
    // Requires *this >= other.
    void sub(const WideUIntN& other);
    // Long division; requires a non-zero divisor.
    static void divMod(const WideUIntN& numerator, const WideUIntN& divisor, WideUIntN& quotient,
                       WideUIntN& remainder);

private:
    template <std::uint32_t Divisor> std::uint32_t divConstant();
    void trim();

    std::array<std::uint32_t, Capacity> limbs_{};
    int size_ = 0;
};

// A product of two 96-bit magnitudes, or a sum after aligning scales.
using NarrowWide = WideUIntN<7>;
// A division's numerator: 96 bits scaled by up to 10^57, plus the spare limb
// that long division needs.
using DivisionWide = WideUIntN<12>;

namespace wide_detail {
inline constexpr std::uint32_t pow10Small[10] = {1,      10,      100,      1000,      10000,
                                                 100000, 1000000, 10000000, 100000000, 1000000000};

inline int leadingZeros(std::uint32_t x) {
    return std::countl_zero(x);
}

// Divides a two-limb number by a one-limb divisor with its top bit set through
// a reciprocal computed once (Moller and Granlund, "Improved division by
// invariant integers"): the long-division loops then multiply instead of
// running the processor's slow 64-bit division once per limb.
class Reciprocal {
public:
    constexpr explicit Reciprocal(std::uint32_t normalizedDivisor)
        : d_(normalizedDivisor),
          v_(std::uint32_t(~std::uint64_t(0) / normalizedDivisor - (std::uint64_t(1) << 32))) {}

    // (hi * 2^32 + lo) / d for hi < d; the remainder goes to `remainder`.
    std::uint32_t Divide(std::uint32_t hi, std::uint32_t lo, std::uint32_t& remainder) const {
        const std::uint64_t q = std::uint64_t(v_) * hi + ((std::uint64_t(hi) << 32) | lo);
        std::uint32_t q1 = std::uint32_t(q >> 32) + 1;
        std::uint32_t r = lo - q1 * d_;
        if (r > std::uint32_t(q)) {
            --q1;
            r += d_;
        }
        if (r >= d_) {
            ++q1;
            r -= d_;
        }
        remainder = r;
        return q1;
    }

private:
    std::uint32_t d_ = 0;
    std::uint32_t v_ = 0;
};
} // namespace wide_detail

template <int N>
WideUIntN<N> WideUIntN<N>::from96(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi) {
    WideUIntN w;
    w.limbs_[0] = lo;
    w.limbs_[1] = mid;
    w.limbs_[2] = hi;
    w.size_ = 3;
    w.trim();
    return w;
}

template <int N> void WideUIntN<N>::trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0)
        --size_;
}

template <int N> void WideUIntN<N>::mulSmall(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
        std::uint64_t p = std::uint64_t(limbs_[i]) * factor + carry;
        limbs_[i] = std::uint32_t(p);
        carry = p >> 32;
    }
    if (carry != 0) {
        assert(size_ < Capacity);
        limbs_[size_++] = std::uint32_t(carry);
    }
    trim();
}

template <int N> void WideUIntN<N>::addSmall(std::uint32_t value) {
    std::uint64_t carry = value;
    for (int i = 0; i < size_ && carry != 0; ++i) {
        std::uint64_t s = std::uint64_t(limbs_[i]) + carry;
        limbs_[i] = std::uint32_t(s);
        carry = s >> 32;
    }
    if (carry != 0) {
        assert(size_ < Capacity);
        limbs_[size_++] = std::uint32_t(carry);
    }
}

template <int N> std::uint32_t WideUIntN<N>::divSmall(std::uint32_t divisor) {
    if (size_ == 0)
        return 0;
    // Dividend and divisor shifted alike give the same quotient; the divisor
    // then has its top bit set, as the reciprocal needs.
    const int shift = wide_detail::leadingZeros(divisor);
    const wide_detail::Reciprocal reciprocal(divisor << shift);
    std::uint32_t rem = shift != 0 ? limbs_[size_ - 1] >> (32 - shift) : 0;
    for (int i = size_ - 1; i >= 0; --i) {
        std::uint32_t low = limbs_[i] << shift;
        if (shift != 0 && i > 0)
            low |= limbs_[i - 1] >> (32 - shift);
        limbs_[i] = reciprocal.Divide(rem, low, rem);
    }
    trim();
    return rem >> shift;
}

template <int N> template <std::uint32_t Divisor> std::uint32_t WideUIntN<N>::divConstant() {
    std::uint64_t rem = 0;
    for (int i = size_ - 1; i >= 0; --i) {
        std::uint64_t cur = (rem << 32) | limbs_[i];
        limbs_[i] = std::uint32_t(cur / Divisor);
        rem = cur % Divisor;
    }
    trim();
    return std::uint32_t(rem);
}

template <int N> std::uint32_t WideUIntN<N>::divPow10(int exponent) {
    assert(exponent >= 0 && exponent <= 9);
    if (exponent == 0)
        return 0;
    return withPow10(exponent, [&](auto p) { return divConstant<decltype(p)::value>(); });
}

template <int N> void WideUIntN<N>::mulPow10(int exponent) {
    while (exponent >= 9) {
        mulSmall(wide_detail::pow10Small[9]);
        exponent -= 9;
    }
    if (exponent > 0)
        mulSmall(wide_detail::pow10Small[exponent]);
}

template <int N> WideUIntN<N> WideUIntN<N>::mul(const WideUIntN& a, const WideUIntN& b) {
    WideUIntN r;
    if (a.isZero() || b.isZero())
        return r;
    assert(a.size_ + b.size_ <= Capacity);
    for (int i = 0; i < a.size_; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < b.size_; ++j) {
            std::uint64_t t = std::uint64_t(a.limbs_[i]) * b.limbs_[j] + r.limbs_[i + j] + carry;
            r.limbs_[i + j] = std::uint32_t(t);
            carry = t >> 32;
        }
        r.limbs_[i + b.size_] = std::uint32_t(carry);
    }
    r.size_ = a.size_ + b.size_;
    r.trim();
    return r;
}

template <int N> int WideUIntN<N>::compare(const WideUIntN& a, const WideUIntN& b) {
    if (a.size_ != b.size_)
        return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
}

template <int N> void WideUIntN<N>::add(const WideUIntN& other) {
    int n = size_ > other.size_ ? size_ : other.size_;
    std::uint64_t carry = 0;
    for (int i = 0; i < n; ++i) {
        std::uint64_t s = std::uint64_t(limb(i)) + other.limb(i) + carry;
        limbs_[i] = std::uint32_t(s);
        carry = s >> 32;
    }
    size_ = n;
    if (carry != 0) {
        assert(size_ < Capacity);
        limbs_[size_++] = std::uint32_t(carry);
    }
}

template <int N> void WideUIntN<N>::sub(const WideUIntN& other) {
    std::int64_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
        std::int64_t d = std::int64_t(limbs_[i]) - std::int64_t(other.limb(i)) - borrow;
        borrow = d < 0 ? 1 : 0;
        limbs_[i] = std::uint32_t(d + (borrow << 32));
    }
    trim();
}

// Knuth, The Art of Computer Programming vol. 2, algorithm D.
template <int N>
void WideUIntN<N>::divMod(const WideUIntN& numerator, const WideUIntN& divisor, WideUIntN& quotient,
                          WideUIntN& remainder) {
    assert(!divisor.isZero());
    quotient = WideUIntN();
    remainder = WideUIntN();
    if (compare(numerator, divisor) < 0) {
        remainder = numerator;
        return;
    }
    if (divisor.size_ == 1) {
        quotient = numerator;
        remainder.limbs_[0] = quotient.divSmall(divisor.limbs_[0]);
        remainder.size_ = 1;
        remainder.trim();
        return;
    }
    const int n = divisor.size_;
    const int m = numerator.size_ - n;
    const int shift = wide_detail::leadingZeros(divisor.limbs_[n - 1]);

    std::array<std::uint32_t, Capacity> v{};
    std::array<std::uint32_t, Capacity + 1> u{};
    for (int i = n - 1; i > 0; --i)
        v[i] = shift ? (divisor.limbs_[i] << shift) | (divisor.limbs_[i - 1] >> (32 - shift))
                     : divisor.limbs_[i];
    v[0] = divisor.limbs_[0] << shift;
    u[numerator.size_] = shift ? numerator.limbs_[numerator.size_ - 1] >> (32 - shift) : 0;
    for (int i = numerator.size_ - 1; i > 0; --i)
        u[i] = shift ? (numerator.limbs_[i] << shift) | (numerator.limbs_[i - 1] >> (32 - shift))
                     : numerator.limbs_[i];
    u[0] = numerator.limbs_[0] << shift;

    const std::uint64_t base = std::uint64_t(1) << 32;
    const wide_detail::Reciprocal reciprocal(v[n - 1]);
    for (int j = m; j >= 0; --j) {
        std::uint64_t qhat = 0;
        std::uint64_t rhat = 0;
        if (u[j + n] < v[n - 1]) {
            std::uint32_t r = 0;
            qhat = reciprocal.Divide(u[j + n], u[j + n - 1], r);
            rhat = r;
        } else {
            // The estimate reaches the base: rare, left to the plain division.
            const std::uint64_t top = (std::uint64_t(u[j + n]) << 32) | u[j + n - 1];
            qhat = top / v[n - 1];
            rhat = top % v[n - 1];
        }
        while (qhat >= base || qhat * v[n - 2] > ((rhat << 32) | u[j + n - 2])) {
            --qhat;
            rhat += v[n - 1];
            if (rhat >= base)
                break;
        }
        std::int64_t borrow = 0;
        std::uint64_t carry = 0;
        for (int i = 0; i < n; ++i) {
            std::uint64_t p = qhat * v[i] + carry;
            carry = p >> 32;
            std::int64_t t = std::int64_t(u[i + j]) - borrow - std::int64_t(p & 0xffffffffu);
            u[i + j] = std::uint32_t(t);
            borrow = t < 0 ? 1 : 0;
        }
        std::int64_t t = std::int64_t(u[j + n]) - borrow - std::int64_t(carry);
        u[j + n] = std::uint32_t(t);
        if (t < 0) {
            // qhat was one too large: add the divisor back.
            --qhat;
            std::uint64_t c = 0;
            for (int i = 0; i < n; ++i) {
                std::uint64_t s = std::uint64_t(u[i + j]) + v[i] + c;
                u[i + j] = std::uint32_t(s);
                c = s >> 32;
            }
            u[j + n] = std::uint32_t(std::uint64_t(u[j + n]) + c);
        }
        quotient.limbs_[j] = std::uint32_t(qhat);
    }
    quotient.size_ = m + 1;
    quotient.trim();
    for (int i = 0; i < n; ++i)
        remainder.limbs_[i] = shift ? (u[i] >> shift) | (u[i + 1] << (32 - shift)) : u[i];
    remainder.size_ = n;
    remainder.trim();
}

} // namespace ombrix
