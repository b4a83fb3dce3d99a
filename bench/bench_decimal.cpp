// Decimal arithmetic on 28-digit operands against GCC's decimal floating point
// (decimal128, 34 digits) measured in the same run.

#include "engine/Decimal.h"

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

ombrix::Decimal toDecimal(const Operand& o) {
    std::string text = o.digits;
    text.insert(text.size() - std::size_t(o.scale), ".");
    return ombrix::Decimal::parse(text, ".").value;
}

decimal128 toDecimal128(const Operand& o) {
    std::string text = o.digits;
    decimal128 value = std::decimal::make_decimal128(std::stoll(text.substr(0, 14)), 14);
    value += std::decimal::make_decimal128(std::stoll(text.substr(14)), 0);
    return value * std::decimal::make_decimal128(1LL, -o.scale);
}

template <typename T, typename Convert> std::array<T, operands.size()> all(Convert convert) {
    std::array<T, operands.size()> values{};
    for (std::size_t i = 0; i < operands.size(); ++i)
        values[i] = convert(operands[i]);
    return values;
}

enum class Op { Add, Mul, Div };

template <Op op> void OurDecimal(benchmark::State& state) {
    auto values = all<ombrix::Decimal>(toDecimal);
    std::size_t i = 0;
    for (auto _ : state) {
        const ombrix::Decimal& a = values[i % values.size()];
        const ombrix::Decimal& b = values[(i + 3) % values.size()];
        ombrix::DecimalResult r = op == Op::Add ? a.add(b) : op == Op::Mul ? a.mul(b) : a.div(b);
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

template <Op op> void GccDecimal128(benchmark::State& state) {
    auto values = all<decimal128>(toDecimal128);
    std::size_t i = 0;
    for (auto _ : state) {
        const decimal128& a = values[i % values.size()];
        const decimal128& b = values[(i + 3) % values.size()];
        decimal128 r = op == Op::Add ? a + b : op == Op::Mul ? a * b : a / b;
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

BENCHMARK(OurDecimal<Op::Add>)->Name("add/Decimal");
BENCHMARK(GccDecimal128<Op::Add>)->Name("add/decimal128");
BENCHMARK(OurDecimal<Op::Mul>)->Name("multiply/Decimal");
BENCHMARK(GccDecimal128<Op::Mul>)->Name("multiply/decimal128");
BENCHMARK(OurDecimal<Op::Div>)->Name("divide/Decimal");
BENCHMARK(GccDecimal128<Op::Div>)->Name("divide/decimal128");

} // namespace

BENCHMARK_MAIN();
