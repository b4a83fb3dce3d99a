// Decimal arithmetic against GCC's decimal floating point (decimal128, 34
// digits) measured in the same run: on 28-digit operands, and on the amounts
// and rates that conversions use.

#include "engine/decimal/Decimal.h"

#include <benchmark/benchmark.h>
#include <decimal/decimal>

#include <array>
#include <cstdint>
#include <string>

namespace {

using std::decimal::decimal128;

struct Operand {
    const char* digits; // 28 digits
    int scale;
};

// Mixed scales, so the add path has to align as well as add.
constexpr std::array<Operand, 8> operands = {{
    {"1234567890123456789012345678", 27},
    {"9876543210987654321098765432", 27},
    {"5555555555555555555555555555", 23},
    {"3141592653589793238462643383", 27},
    {"2718281828459045235360287471", 20},
    {"1414213562373095048801688724", 27},
    {"7071067811865475244008443621", 25},
    {"1732050807568877293527446341", 27},
}};

// Amounts and rates as conversions use them: few digits, few decimals.
constexpr std::array<Operand, 8> amounts = {{
    {"123456", 2},
    {"195583", 5},
    {"4869041", 2},
    {"655957", 5},
    {"1", 2},
    {"403399", 4},
    {"100", 0},
    {"220371", 5},
}};

ombrix::Decimal toDecimal(const Operand& o) {
    std::string text = o.digits;
    if (int(text.size()) <= o.scale)
        text.insert(0, std::size_t(o.scale + 1) - text.size(), '0');
    text.insert(text.size() - std::size_t(o.scale), ".");
    return ombrix::Decimal::parse(text, ".").value;
}

decimal128 toDecimal128(const Operand& o) {
    std::string text = o.digits;
    if (text.size() <= 14)
        return std::decimal::make_decimal128(std::stoll(text), -o.scale);
    decimal128 value =
        std::decimal::make_decimal128(std::stoll(text.substr(0, 14)), int(text.size()) - 14);
    value += std::decimal::make_decimal128(std::stoll(text.substr(14)), 0);
    return value * std::decimal::make_decimal128(1LL, -o.scale);
}

template <typename T, typename Convert>
std::array<T, 8> all(const std::array<Operand, 8>& set, Convert convert) {
    std::array<T, 8> values{};
    for (std::size_t i = 0; i < set.size(); ++i)
        values[i] = convert(set[i]);
    return values;
}

enum class Op { Add, Mul, Div };

template <Op op, const std::array<Operand, 8>& set> void OurDecimal(benchmark::State& state) {
    auto values = all<ombrix::Decimal>(set, toDecimal);
    std::size_t i = 0;
    for (auto _ : state) {
        const ombrix::Decimal& a = values[i % values.size()];
        const ombrix::Decimal& b = values[(i + 3) % values.size()];
        ombrix::DecimalResult r = op == Op::Add ? a.add(b) : op == Op::Mul ? a.mul(b) : a.div(b);
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

template <Op op, const std::array<Operand, 8>& set> void GccDecimal128(benchmark::State& state) {
    auto values = all<decimal128>(set, toDecimal128);
    std::size_t i = 0;
    for (auto _ : state) {
        const decimal128& a = values[i % values.size()];
        const decimal128& b = values[(i + 3) % values.size()];
        decimal128 r = op == Op::Add ? a + b : op == Op::Mul ? a * b : a / b;
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

BENCHMARK(OurDecimal<Op::Add, operands>)->Name("add/Decimal");
BENCHMARK(GccDecimal128<Op::Add, operands>)->Name("add/decimal128");
BENCHMARK(OurDecimal<Op::Mul, operands>)->Name("multiply/Decimal");
BENCHMARK(GccDecimal128<Op::Mul, operands>)->Name("multiply/decimal128");
BENCHMARK(OurDecimal<Op::Div, operands>)->Name("divide/Decimal");
BENCHMARK(GccDecimal128<Op::Div, operands>)->Name("divide/decimal128");
BENCHMARK(OurDecimal<Op::Add, amounts>)->Name("amounts/add/Decimal");
BENCHMARK(GccDecimal128<Op::Add, amounts>)->Name("amounts/add/decimal128");
BENCHMARK(OurDecimal<Op::Mul, amounts>)->Name("amounts/multiply/Decimal");
BENCHMARK(GccDecimal128<Op::Mul, amounts>)->Name("amounts/multiply/decimal128");
BENCHMARK(OurDecimal<Op::Div, amounts>)->Name("amounts/divide/Decimal");
BENCHMARK(GccDecimal128<Op::Div, amounts>)->Name("amounts/divide/decimal128");

} // namespace

BENCHMARK_MAIN();
