// The unit library against the units' own definitions: each shipped unit
// conversion must give the exact value, rounded to its FORMAT's decimals, in
// both directions, and a round trip must come back within what the two
// roundings can lose.

#include "RecordingSink.h"

#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace ombrix {
namespace {

const std::filesystem::path units = std::filesystem::path(OMBRIX_BIN_DIR) / "Units";

// second unit = (first + before) * times / per + after, where times and per
// are products written as the units are defined ("*" between factors).
struct UnitCase {
    const char* file;
    int decimals;
    const char* before;
    const char* times;
    const char* per;
    const char* after;
};

// Inch 2.54 cm, yard 0.9144 m, pound 0.45359237 kg, grain 64.79891 mg, US
// gallon 231 cubic inches, imperial gallon 4.54609 l, standard gravity
// 9.80665 m/s², thermochemical calorie 4.184 J, IT Btu 1055.05585262 J.
const UnitCase cases[] = {
    {"celsius-fahrenheit", 2, "0", "9", "5", "32"},
    {"celsius-kelvin", 2, "0", "1", "1", "273.15"},
    {"fahrenheit-kelvin", 2, "-32", "5", "9", "273.15"},
    {"inch-centimetre", 2, "0", "2.54", "1", "0"},
    {"foot-metre", 4, "0", "12*2.54", "100", "0"},
    {"yard-metre", 4, "0", "0.9144", "1", "0"},
    {"mile-kilometre", 3, "0", "1760*0.9144", "1000", "0"},
    {"nautical-mile-kilometre", 3, "0", "1852", "1000", "0"},
    {"pound-kilogram", 3, "0", "0.45359237", "1", "0"},
    {"ounce-gram", 3, "0", "453.59237", "16", "0"},
    {"stone-kilogram", 2, "0", "14*0.45359237", "1", "0"},
    {"troy-ounce-gram", 3, "0", "480*0.06479891", "1", "0"},
    {"us-ton-tonne", 3, "0", "2000*0.45359237", "1000", "0"},
    {"us-gallon-litre", 3, "0", "231*2.54*2.54*2.54", "1000", "0"},
    {"imperial-gallon-litre", 3, "0", "4.54609", "1", "0"},
    {"us-fluid-ounce-millilitre", 2, "0", "231*2.54*2.54*2.54", "128", "0"},
    {"imperial-fluid-ounce-millilitre", 2, "0", "4546.09", "160", "0"},
    {"us-cup-millilitre", 2, "0", "231*2.54*2.54*2.54", "16", "0"},
    {"us-tablespoon-millilitre", 2, "0", "231*2.54*2.54*2.54", "256", "0"},
    {"us-teaspoon-millilitre", 2, "0", "231*2.54*2.54*2.54", "768", "0"},
    {"us-pint-litre", 3, "0", "231*2.54*2.54*2.54", "8000", "0"},
    {"imperial-pint-litre", 3, "0", "4.54609", "8", "0"},
    {"acre-hectare", 4, "0", "4840*0.9144*0.9144", "10000", "0"},
    {"square-foot-square-metre", 4, "0", "0.3048*0.3048", "1", "0"},
    {"square-mile-square-kilometre", 3, "0", "1760*0.9144*1760*0.9144", "1000000", "0"},
    {"square-inch-square-centimetre", 2, "0", "2.54*2.54", "1", "0"},
    {"mph-kmh", 2, "0", "1760*0.9144", "1000", "0"},
    {"knot-kmh", 2, "0", "1852", "1000", "0"},
    {"metre-per-second-kmh", 2, "0", "3600", "1000", "0"},
    {"psi-kilopascal", 3, "0", "0.45359237*9.80665", "0.0254*0.0254*1000", "0"},
    {"bar-kilopascal", 2, "0", "100000", "1000", "0"},
    {"atmosphere-kilopascal", 3, "0", "101325", "1000", "0"},
    {"kilocalorie-kilojoule", 3, "0", "4184", "1000", "0"},
    {"kilowatt-hour-megajoule", 2, "0", "1000*3600", "1000000", "0"},
    {"btu-kilojoule", 3, "0", "1055.05585262", "1000", "0"},
    {"horsepower-kilowatt", 3, "0", "550*0.3048*0.45359237*9.80665", "1000", "0"},
};

Decimal Number(std::string_view text) {
    DecimalResult r = Decimal::parse(text, ".");
    EXPECT_TRUE(r.ok()) << text;
    return r.value;
}

Decimal Product(std::string_view factors) {
    Decimal product = Decimal::fromInt(1);
    for (std::size_t start = 0;;) {
        const std::size_t star = factors.find('*', start);
        product = product.mul(Number(factors.substr(start, star - start))).value;
        if (star == std::string_view::npos)
            return product;
        start = star + 1;
    }
}

// A number as a FORMAT of `decimals` zeros shows it: minus behind.
std::string Shown(const Decimal& value, int decimals) {
    std::string text = value.roundedAwayFromZero(decimals).abs().toString(".");
    if (text.find('.') == std::string::npos)
        text += '.';
    while (int(text.size() - text.find('.')) <= decimals)
        text += '0';
    return value.roundedAwayFromZero(decimals).isZero() || !value.isNegative() ? text : text + "-";
}

Decimal Read(std::string shown) {
    const bool negative = shown.ends_with('-');
    if (negative)
        shown.pop_back();
    const Decimal value = Number(shown);
    return negative ? value.negated() : value;
}

class UnitLibrary : public ::testing::Test {
protected:
    UnitLibrary()
        : engine(EngineServices{[] { return std::string("."); }, sink, texts, nullptr, {}}) {
        engine.Numbers.SetDecimalPlaces(-1);
    }

    std::string Convert(const std::string& value, Direction direction) {
        engine.Numbers.GroupingSeen = false;
        std::string input = value;
        std::string result = engine.EvaluateConversion(input, direction);
        EXPECT_FALSE(engine.LastConversionFailed()) << value;
        return result;
    }

    testing::RecordingSink sink;
    MessageTexts texts;
    Engine engine;
};

TEST_F(UnitLibrary, EveryUnitFileHasItsDefinitionHere) {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(units))
        files.insert(entry.path().stem().string());
    std::set<std::string> listed;
    for (const UnitCase& c : cases)
        listed.insert(c.file);
    EXPECT_EQ(files, listed);
    EXPECT_GE(files.size(), 30u);
}

TEST_F(UnitLibrary, ConvertsExactlyToItsDecimalsBothWaysAndBack) {
    for (const UnitCase& c : cases) {
        SCOPED_TRACE(c.file);
        std::string path = (units / (std::string(c.file) + ".nod")).string();
        ASSERT_TRUE(engine.LoadConversion(path, 1));
        const Decimal before = Number(c.before);
        const Decimal after = Number(c.after);
        const Decimal slope = Product(c.times).div(Product(c.per)).value;
        auto forward = [&](const Decimal& x) {
            return x.add(before).value.mul(slope).value.add(after).value;
        };
        auto reverse = [&](const Decimal& y) {
            return y.sub(after).value.div(slope).value.sub(before).value;
        };
        // What one rounding to the shown decimals can move a value.
        const Decimal half = Number("0." + std::string(std::size_t(c.decimals), '0') + "5");
        for (const char* value : {"1", "1000000"}) {
            const Decimal x = Number(value);
            const std::string there = Convert(value, Forward);
            const std::string back = Convert(value, Reverse);
            EXPECT_EQ(there, Shown(forward(x), c.decimals)) << value;
            EXPECT_EQ(back, Shown(reverse(x), c.decimals)) << value;

            // Forward then back: the forward rounding shrinks by the slope,
            // the reverse rounding adds its own.
            const Decimal roundTrip = Read(Convert(there, Reverse));
            const Decimal roundTripLimit = half.div(slope).value.add(half).value;
            EXPECT_LE(roundTrip.sub(x).value.abs(), roundTripLimit) << value << " to " << there;
            const Decimal otherTrip = Read(Convert(back, Forward));
            const Decimal otherLimit = half.mul(slope).value.add(half).value;
            EXPECT_LE(otherTrip.sub(x).value.abs(), otherLimit) << value << " back " << back;
        }
    }
}

} // namespace
} // namespace ombrix
