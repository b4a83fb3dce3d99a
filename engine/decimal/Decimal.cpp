#include "engine/decimal/Decimal.h"

#include "engine/decimal/DecimalBuilder.h"
#include "engine/decimal/DecimalKernels.h"
#include "engine/decimal/DecimalLongDivision.h"
#include "engine/decimal/WideUInt.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <tuple>

namespace ombrix {

DecimalResult DecimalBuilder::addSigned(const Decimal& a, const Decimal& b, bool negateB) {
    bool bNegative = b.negative_ != negateB;
    if (a.scale_ == b.scale_) {
        // Equal scales need no alignment: plain 96-bit arithmetic unless a carry leaves 96
        // bits.
        if (a.negative_ == bNegative) {
            Decimal d = a;
            std::uint64_t s = std::uint64_t(a.lo_) + b.lo_;
            d.lo_ = std::uint32_t(s);
            s = (s >> 32) + a.mid_ + b.mid_;
            d.mid_ = std::uint32_t(s);
            s = (s >> 32) + a.hi_ + b.hi_;
            d.hi_ = std::uint32_t(s);
            if ((s >> 32) == 0)
                return {d, DecimalStatus::Ok};
        } else {
            bool aLarger = std::tie(a.hi_, a.mid_, a.lo_) >= std::tie(b.hi_, b.mid_, b.lo_);
            const Decimal& big = aLarger ? a : b;
            const Decimal& small = aLarger ? b : a;
            Decimal d = big;
            std::int64_t t = std::int64_t(big.lo_) - small.lo_;
            d.lo_ = std::uint32_t(t);
            t = std::int64_t(big.mid_) - small.mid_ - (t < 0 ? 1 : 0);
            d.mid_ = std::uint32_t(t);
            t = std::int64_t(big.hi_) - small.hi_ - (t < 0 ? 1 : 0);
            d.hi_ = std::uint32_t(t);
            d.negative_ = (aLarger ? a.negative_ : bNegative) && !d.isZero();
            return {d, DecimalStatus::Ok};
        }
    }
    // From here on the operand at the finer scale is aligned to by the other.
    const bool aFiner = a.scale_ > b.scale_;
    const Decimal& fine = aFiner ? a : b;
    const Decimal& coarse = aFiner ? b : a;
    const bool fineNegative = aFiner ? a.negative_ : bNegative;
    const bool coarseNegative = aFiner ? bNegative : a.negative_;
    const int shift = fine.scale_ - coarse.scale_;
    if (shift < int(decimal_kernels::pow10u64.size())) {
        const std::uint64_t c = (std::uint64_t(coarse.mid_) << 32) | coarse.lo_;
        const std::uint64_t f = (std::uint64_t(fine.mid_) << 32) | fine.lo_;
        if (fine.hi_ == 0 && coarse.hi_ == 0 &&
            c <= decimal_kernels::maxTimesPow10[std::size_t(shift)]) {
            // Both within one word, and the aligned one still within it.
            const std::uint64_t aligned = c * decimal_kernels::pow10u64[std::size_t(shift)];
            std::uint64_t magnitude = 0;
            bool negative = fineNegative;
            bool fits = true;
            if (fineNegative == coarseNegative) {
                magnitude = aligned + f;
                fits = magnitude >= aligned;
            } else if (aligned >= f) {
                magnitude = aligned - f;
                negative = coarseNegative;
            } else {
                magnitude = f - aligned;
            }
            if (fits) {
                const std::uint32_t x[3] = {std::uint32_t(magnitude),
                                            std::uint32_t(magnitude >> 32), 0};
                return {build3(x, fine.scale_, negative), DecimalStatus::Ok};
            }
        }
        bool coarseLarger = true;
        const decimal_kernels::Rounded96 r =
            decimal_kernels::alignedSum(c, coarse.hi_, f, fine.hi_, shift,
                                        fineNegative != coarseNegative, fine.scale_, coarseLarger);
        if (r.scale >= 0) {
            const std::uint32_t x[3] = {std::uint32_t(r.low), std::uint32_t(r.low >> 32), r.high};
            return {build3(x, r.scale, coarseLarger ? coarseNegative : fineNegative),
                    DecimalStatus::Ok};
        }
    }
    int scale = std::max(a.scale_, b.scale_);
    NarrowWide x = wide(a);
    NarrowWide y = wide(b);
    x.mulPow10(scale - a.scale_);
    y.mulPow10(scale - b.scale_);
    if (a.negative_ == bNegative) {
        x.add(y);
        return make(x, scale, a.negative_, false);
    }
    if (NarrowWide::compare(x, y) >= 0) {
        x.sub(y);
        return make(x, scale, a.negative_, false);
    }
    y.sub(x);
    return make(y, scale, bNegative, false);
}

Decimal Decimal::fromInt(std::int64_t value) {
    std::uint64_t magnitude =
        value < 0 ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
    Decimal d;
    d.lo_ = std::uint32_t(magnitude);
    d.mid_ = std::uint32_t(magnitude >> 32);
    d.negative_ = value < 0;
    return d;
}

DecimalResult Decimal::fromParts(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi, int scale,
                                 bool negative) {
    if (scale < 0 || scale > MaxScale)
        return {Decimal(), DecimalStatus::Overflow};
    return {DecimalBuilder::build(NarrowWide::from96(lo, mid, hi), scale, negative),
            DecimalStatus::Ok};
}

Decimal Decimal::negated() const {
    Decimal d = *this;
    d.negative_ = !negative_ && !isZero();
    return d;
}

Decimal Decimal::abs() const {
    Decimal d = *this;
    d.negative_ = false;
    return d;
}

Decimal Decimal::truncated() const {
    std::uint32_t x[3] = {lo_, mid_, hi_};
    decimal_kernels::dropDigits96(x, scale_);
    return DecimalBuilder::build3(x, 0, negative_);
}

Decimal Decimal::roundedAwayFromZero(int decimals) const {
    if (decimals < 0)
        decimals = 0;
    if (scale_ <= decimals)
        return *this;
    std::uint32_t x[3] = {lo_, mid_, hi_};
    // Dropping a digit leaves room below 2^96 for the one added.
    if (decimal_kernels::dropDigits96(x, scale_ - decimals))
        decimal_kernels::increment96(x);
    return DecimalBuilder::build3(x, decimals, negative_);
}

DecimalResult Decimal::add(const Decimal& other) const {
    return DecimalBuilder::addSigned(*this, other, false);
}

DecimalResult Decimal::sub(const Decimal& other) const {
    return DecimalBuilder::addSigned(*this, other, true);
}

namespace {

// Whether n (9 limbs) is below y (its limbs, `size` of them) * 2^96.
bool belowShifted(const std::uint32_t n[9], const std::uint32_t* y, int size) {
    for (int i = 8; i >= 3 + size; --i) {
        if (n[i] != 0)
            return false;
    }
    for (int i = size - 1; i >= 0; --i) {
        if (n[i + 3] != y[i])
            return n[i + 3] < y[i];
    }
    return false;
}

// Whether twice r is over y, exactly y, or under it: 1, 0 or -1.
int compareTwice(const std::uint32_t* r, const std::uint32_t* y, int size) {
    std::uint32_t twice[4];
    std::uint32_t carry = 0;
    for (int i = 0; i < size; ++i) {
        twice[i] = (r[i] << 1) | carry;
        carry = r[i] >> 31;
    }
    if (carry != 0)
        return 1;
    for (int i = size - 1; i >= 0; --i) {
        if (twice[i] != y[i])
            return twice[i] > y[i] ? 1 : -1;
    }
    return 0;
}

// p (6 limbs) / 10^k rounded half-to-even into q, for a quotient below 2^96
// (p < 10^k * 2^96) and k up to 29. False when rounding up carried past 96
// bits, which at k = 29 cannot happen.
bool dividePow10Rounded(const std::uint32_t p[6], int k, std::uint32_t q[3]) {
    using namespace decimal_kernels;
    assert(k < int(pow10Divisors<4>.size()));
    const WidePow10& divisor = widePow10[std::size_t(k)];
    std::uint32_t n[9] = {p[0], p[1], p[2], p[3], p[4], p[5], 0, 0, 0};
    std::uint32_t r[4] = {0, 0, 0, 0};
    const std::size_t index = std::size_t(k);
    switch (divisor.size) {
    case 1:
        divideTo96<1>(n, pow10Divisors<1>[index], q, r);
        break;
    case 2:
        divideTo96<2>(n, pow10Divisors<2>[index], q, r);
        break;
    case 3:
        divideTo96<3>(n, pow10Divisors<3>[index], q, r);
        break;
    default:
        divideTo96<4>(n, pow10Divisors<4>[index], q, r);
        break;
    }
    const int half = compareTwice(r, divisor.limb, divisor.size);
    return !((half > 0 || (half == 0 && (q[0] & 1) != 0)) && increment96(q));
}

// Whether p (6 limbs) is below 10^k * 2^96. From k = 29 on it always is, as
// p < 2^192 < 10^29 * 2^96, so 10^k needs no more than four limbs here.
bool belowPow10Shifted(const std::uint32_t p[6], int k) {
    const decimal_kernels::WidePow10& power = decimal_kernels::widePow10[std::size_t(k)];
    if (k >= 29)
        return true;
    const std::uint32_t n[9] = {p[0], p[1], p[2], p[3], p[4], p[5], 0, 0, 0};
    return belowShifted(n, power.limb, power.size);
}

} // namespace

DecimalResult Decimal::mul(const Decimal& other) const {
    const std::uint32_t x[3] = {lo_, mid_, hi_};
    const std::uint32_t y[3] = {other.lo_, other.mid_, other.hi_};
    std::uint32_t p[6];
    decimal_kernels::mul96By96(x, y, p);
    const int scale = scale_ + other.scale_;
    const bool negative = negative_ != other.negative_;
    if ((p[3] | p[4] | p[5]) == 0 && scale <= MaxScale)
        return {DecimalBuilder::build3(p, scale, negative), DecimalStatus::Ok};
    // The fewest digits to drop: for the scale limit, and for the width,
    // p / 10^k < 2^96; the estimate from the bit length is at most one short.
    int bitsP = 0;
    for (int i = 5; i >= 0 && bitsP == 0; --i) {
        if (p[i] != 0)
            bitsP = 32 * i + 32 - std::countl_zero(p[i]);
    }
    int k = std::max({0, scale - MaxScale, (bitsP - 97) * 30102 / 100000});
    while (k <= scale && !belowPow10Shifted(p, k))
        ++k;
    for (; k <= scale; ++k) {
        std::uint32_t q[3];
        if (dividePow10Rounded(p, k, q))
            return {DecimalBuilder::build3(q, scale - k, negative), DecimalStatus::Ok};
        // Rounding up carried past 96 bits: one digit more.
    }
    return {Decimal(), DecimalStatus::Overflow};
}

DecimalResult Decimal::div(const Decimal& other) const {
    using namespace decimal_kernels;
    if (other.isZero())
        return {Decimal(), DecimalStatus::DivisionByZero};
    if (isZero())
        return {Decimal(), DecimalStatus::Ok};
    const std::uint32_t x[3] = {lo_, mid_, hi_};
    const std::uint32_t y[3] = {other.lo_, other.mid_, other.hi_};
    const int ySize = other.hi_ != 0 ? 3 : other.mid_ != 0 ? 2 : 1;
    // The quotient x * 10^e / y fits 96 bits exactly when x * 10^e < y * 2^96.
    // The finest scale is found first, so one long division gives the result's
    // digits and its remainder decides the rounding.
    const int finest = MaxScale - scale_ + other.scale_;
    auto bits = [](const std::uint32_t v[3]) {
        for (int i = 2; i >= 0; --i) {
            if (v[i] != 0)
                return 32 * i + 32 - std::countl_zero(v[i]);
        }
        return 0;
    };
    // 0.30102 is just under log10(2): this many powers of ten surely fit.
    int e = std::min(finest, (bits(y) + 95 - bits(x)) * 30102 / 100000);
    std::uint32_t n[9];
    mulByPow10(x, e, n);
    while (e < finest) {
        std::uint32_t next[9];
        mulByPow10(x, e + 1, next);
        if (!belowShifted(next, y, ySize))
            break;
        std::copy(next, next + 9, n);
        ++e;
    }
    const bool negative = negative_ != other.negative_;
    for (;;) {
        const int scale = scale_ - other.scale_ + e;
        if (scale < 0)
            return {Decimal(), DecimalStatus::Overflow};
        std::uint32_t q[3];
        std::uint32_t r[3] = {0, 0, 0};
        switch (ySize) {
        case 1:
            divideTo96<1>(n, normalize<1>(y), q, r);
            break;
        case 2:
            divideTo96<2>(n, normalize<2>(y), q, r);
            break;
        default:
            divideTo96<3>(n, normalize<3>(y), q, r);
            break;
        }
        // Half-to-even: twice the remainder against the divisor.
        const int half = compareTwice(r, y, ySize);
        if (!((half > 0 || (half == 0 && (q[0] & 1) != 0)) && increment96(q))) {
            // Built where it is returned: a copy of a just-built value would
            // wait for its parts to reach memory.
            if ((r[0] | r[1] | r[2]) != 0)
                return {DecimalBuilder::build3(q, scale, negative), DecimalStatus::Ok};
            return {
                DecimalBuilder::withoutTrailingZeros(DecimalBuilder::build3(q, scale, negative)),
                DecimalStatus::Ok};
        }
        // Rounding up carried past 96 bits: one place fewer.
        if (--e < 0)
            return {Decimal(), DecimalStatus::Overflow};
        mulByPow10(x, e, n);
    }
}

int Decimal::compare(const Decimal& a, const Decimal& b) {
    bool aNeg = a.isNegative();
    bool bNeg = b.isNegative();
    if (aNeg != bNeg)
        return aNeg ? -1 : 1;
    int scale = std::max(a.scale_, b.scale_);
    NarrowWide x = DecimalBuilder::wide(a);
    NarrowWide y = DecimalBuilder::wide(b);
    x.mulPow10(scale - a.scale_);
    y.mulPow10(scale - b.scale_);
    int c = NarrowWide::compare(x, y);
    return aNeg ? -c : c;
}

} // namespace ombrix
