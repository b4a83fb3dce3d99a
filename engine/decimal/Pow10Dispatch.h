#pragma once
// Calls f with 10^k as a compile-time constant, for k from 1 to 9, so that a
// division by it compiles to a multiplication; k outside that range counts
// as 9.

#include <cstdint>
#include <type_traits>

namespace ombrix {

template <std::uint32_t P> using Pow10Constant = std::integral_constant<std::uint32_t, P>;

template <typename F> decltype(auto) withPow10(int k, F&& f) {
    switch (k) {
    case 1:
        return f(Pow10Constant<10u>{});
    case 2:
        return f(Pow10Constant<100u>{});
    case 3:
        return f(Pow10Constant<1000u>{});
    case 4:
        return f(Pow10Constant<10000u>{});
    case 5:
        return f(Pow10Constant<100000u>{});
    case 6:
        return f(Pow10Constant<1000000u>{});
    case 7:
        return f(Pow10Constant<10000000u>{});
    case 8:
        return f(Pow10Constant<100000000u>{});
    default:
        return f(Pow10Constant<1000000000u>{});
    }
}

} // namespace ombrix
