#pragma once
// Fixed-capacity unsigned integer used as the exact intermediate of Decimal
// arithmetic. 32-bit limbs with 64-bit intermediates only, so the code is
// portable to compilers without a 128-bit type.

#include <array>
#include <cstdint>

namespace ombrix {

class WideUInt {
public:
    // Enough for a 96-bit magnitude scaled by 10^57 (a division's numerator)
    // plus the spare limb that long division needs.
    static constexpr int Capacity = 12;

    WideUInt() = default;
    static WideUInt from96(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi);

    bool isZero() const { return size_ == 0; }
    int size() const { return size_; }
    std::uint32_t limb(int i) const { return i < size_ ? limbs_[i] : 0; }
    bool fits96() const { return size_ <= 3; }
    bool isOdd() const { return size_ > 0 && (limbs_[0] & 1u) != 0; }

    void mulSmall(std::uint32_t factor);
    void addSmall(std::uint32_t value);
    // Divides in place and returns the remainder.
    std::uint32_t divSmall(std::uint32_t divisor);
    // Multiplies by 10^exponent.
    void mulPow10(int exponent);

    static WideUInt mul(const WideUInt& a, const WideUInt& b);
    static int compare(const WideUInt& a, const WideUInt& b);
    void add(const WideUInt& other);
    // Requires *this >= other.
    void sub(const WideUInt& other);
    // Long division; requires a non-zero divisor.
    static void divMod(const WideUInt& numerator, const WideUInt& divisor, WideUInt& quotient,
                       WideUInt& remainder);

private:
    void trim();

    std::array<std::uint32_t, Capacity> limbs_{};
    int size_ = 0;
};

} // namespace ombrix
