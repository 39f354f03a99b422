// Every pair follows its category's formula, operation for operation. The
// temperature formulas are written out pair by pair as the scale table gives
// them; the factor categories are checked against the two shapes, with
// quantities chosen so that the shapes differ in the shown digits, and up to
// the top of the double range.

#include "EngineTestSupport.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <utility>

namespace zelvano::convert::test {
namespace {

using Formula = std::function<double(double)>;

std::string expectedText(double r) {
    return FormatQuantity(r, pointSettings());
}

// Converts x, given as the shortest text that reads back as exactly x.
std::string converted(Category category, int from, int to, double x) {
    char text[32];
    const std::string quantity(text, std::to_chars(text, text + sizeof text, x).ptr);
    const Conversion result = ConvertQuantity(category, from, to, quantity, pointSettings());
    return result.ok() ? result.text : "error " + std::to_string(result.error);
}

// Quantities exact in 15 digits, spread over magnitudes and signs.
std::vector<double> sampleQuantities() {
    std::vector<double> xs;
    for (int i = 1; i <= 300; ++i)
        xs.push_back(i);
    for (const double x : {0.37, -12.5, 98.6, 1234.567, 1e-7, 3.3e12, -459.67, 273.16})
        xs.push_back(x);
    return xs;
}

double reciprocalShape(const Unit& a, const Unit& b, double x) {
    if (a.index == 1)
        return x * b.factor;
    const double r = x * (1 / a.factor);
    return b.index == 1 ? r : r * b.factor;
}

double quotientShape(const Unit& a, const Unit& b, double x) {
    if (a.index == 1)
        return x * b.factor;
    const double r = x / a.factor;
    return b.index == 1 ? r : r * b.factor;
}

TEST(PairFormulas, FactorCategoriesFollowTheirShapeForEveryPair) {
    const std::map<Category, bool> reciprocal = {
        {Category::Length, true},        {Category::Weight, false}, {Category::Volume, false},
        {Category::Area, false},         {Category::Speed, false},  {Category::Information, false},
        {Category::RadioActivity, false}};
    const auto xs = sampleQuantities();
    for (const auto& [category, isReciprocal] : reciprocal) {
        const auto shape = isReciprocal ? reciprocalShape : quotientShape;
        const auto other = isReciprocal ? quotientShape : reciprocalShape;
        int distinguishing = 0;
        for (const Unit& a : categoryTable(category).units) {
            for (const Unit& b : categoryTable(category).units) {
                if (a.index == b.index)
                    continue;
                for (const double x : xs) {
                    const std::string expected = expectedText(shape(a, b, x));
                    ASSERT_EQ(converted(category, a.index, b.index, x), expected)
                        << a.caption << " -> " << b.caption << " x=" << x;
                    distinguishing += expectedText(other(a, b, x)) != expected;
                }
            }
        }
        EXPECT_GT(distinguishing, 0) << categoryTable(category).stem;
    }
}

// (from, to) in UnitIndex: 1 Цельсий, 2 Фаренгейт, 3 Реомюр, 4 Ранкин, 5 Кельвин.
const std::map<std::pair<int, int>, Formula>& temperatureFormulas() {
    static const std::map<std::pair<int, int>, Formula> formulas = {
        {{1, 2}, [](double x) { return x * 1.8 + 32; }},
        {{1, 3}, [](double x) { return x * 0.8; }},
        {{1, 4}, [](double x) { return x * 1.8 + 491.688; }},
        {{1, 5}, [](double x) { return x + 273.16; }},
        {{2, 1}, [](double x) { return x / 1.8 - 32 / 1.8; }},
        {{2, 3}, [](double x) { return (x / 1.8 - 32 / 1.8) * 0.8; }},
        {{2, 4}, [](double x) { return (x / 1.8 - 32 / 1.8) * 1.8 + 491.688; }},
        {{2, 5}, [](double x) { return x / 1.8 - 32 / 1.8 + 273.16; }},
        {{3, 1}, [](double x) { return x / 0.8; }},
        {{3, 2}, [](double x) { return x / 0.8 * 1.8 + 32; }},
        {{3, 4}, [](double x) { return x / 0.8 * 1.8 + 491.688; }},
        {{3, 5}, [](double x) { return x / 0.8 + 273.16; }},
        {{4, 1}, [](double x) { return x / 1.8 - 491.688 / 1.8; }},
        {{4, 2}, [](double x) { return (x / 1.8 - 491.688 / 1.8) * 1.8 + 32; }},
        {{4, 3}, [](double x) { return (x / 1.8 - 491.688 / 1.8) * 0.8; }},
        {{4, 5}, [](double x) { return x / 1.8 - 491.688 / 1.8 + 273.16; }},
        {{5, 1}, [](double x) { return x - 273.16; }},
        {{5, 2}, [](double x) { return (x - 273.16) * 1.8 + 32; }},
        {{5, 3}, [](double x) { return (x - 273.16) * 0.8; }},
        {{5, 4}, [](double x) { return (x - 273.16) * 1.8 + 491.688; }},
    };
    return formulas;
}

TEST(PairFormulas, TemperatureFollowsTheTwentyFormulas) {
    ASSERT_EQ(temperatureFormulas().size(), 20u);
    for (const auto& [pair, formula] : temperatureFormulas()) {
        for (const double x : sampleQuantities()) {
            EXPECT_EQ(converted(Category::Temperature, pair.first, pair.second, x),
                      expectedText(formula(x)))
                << pair.first << " -> " << pair.second << " x=" << x;
        }
    }
}

// The largest quantity whose result stays finite under a formula that rises
// with x, by halving the range of positive doubles; none when even the
// largest double has a finite result.
std::optional<double> lastFiniteQuantity(const Formula& rising) {
    auto low = std::bit_cast<std::uint64_t>(1.0);
    auto high = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::max());
    if (std::isfinite(rising(std::bit_cast<double>(high))))
        return std::nullopt;
    while (high - low > 1) {
        const std::uint64_t middle = low + (high - low) / 2;
        (std::isfinite(rising(std::bit_cast<double>(middle))) ? low : high) = middle;
    }
    return std::bit_cast<double>(low);
}

// On both signs, the last quantity with a finite result gives the formula's
// text, however close to the largest double, and the next one overflows.
TEST(PairFormulas, EveryPairWritesItsLastFiniteResultAndOverflowsPastIt) {
    int pastLargest = 0;
    const auto check = [&](Category category, int from, int to, const Formula& formula) {
        for (const double sign : {1.0, -1.0}) {
            const auto last =
                lastFiniteQuantity([&](double x) { return sign * formula(sign * x); });
            if (!last)
                continue;
            const std::string text = expectedText(formula(sign * *last));
            EXPECT_EQ(converted(category, from, to, sign * *last), text)
                << categoryTable(category).stem << ' ' << from << " -> " << to;
            const double next = std::nextafter(*last, std::numeric_limits<double>::infinity());
            EXPECT_EQ(converted(category, from, to, sign * next), "error 6")
                << categoryTable(category).stem << ' ' << from << " -> " << to;
            pastLargest += aboveLargestDouble(text);
        }
    };
    for (const CategoryTable& table : categoryTables()) {
        for (const Unit& a : table.units) {
            for (const Unit& b : table.units) {
                if (a.index == b.index)
                    continue;
                if (table.shape == PairShape::Scale)
                    check(table.category, a.index, b.index,
                          temperatureFormulas().at({a.index, b.index}));
                else
                    check(table.category, a.index, b.index, [&](double x) {
                        return table.shape == PairShape::Reciprocal ? reciprocalShape(a, b, x)
                                                                    : quotientShape(a, b, x);
                    });
            }
        }
    }
    EXPECT_GT(pastLargest, 0);
}

} // namespace
} // namespace zelvano::convert::test
