// Every pair follows its category's formula, operation for operation. The
// temperature formulas are written out pair by pair as the scale table gives
// them; the factor categories are checked against the two shapes, with
// quantities chosen so that the shapes differ in the shown digits.

#include "EngineTestSupport.h"

#include <functional>
#include <map>
#include <utility>

namespace zelvano::convert::test {
namespace {

std::string expectedText(double r) {
    return FormatQuantity(r, pointSettings());
}

std::string converted(Category category, int from, int to, double x) {
    const Conversion result =
        ConvertQuantity(category, from, to, FormatQuantity(x, pointSettings()), pointSettings());
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

TEST(PairFormulas, TemperatureFollowsTheTwentyFormulas) {
    using Formula = std::function<double(double)>;
    // (from, to) in UnitIndex: 1 Цельсий, 2 Фаренгейт, 3 Реомюр, 4 Ранкин, 5 Кельвин.
    const std::map<std::pair<int, int>, Formula> formulas = {
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
    ASSERT_EQ(formulas.size(), 20u);
    for (const auto& [pair, formula] : formulas) {
        for (const double x : sampleQuantities()) {
            EXPECT_EQ(converted(Category::Temperature, pair.first, pair.second, x),
                      expectedText(formula(x)))
                << pair.first << " -> " << pair.second << " x=" << x;
        }
    }
}

} // namespace
} // namespace zelvano::convert::test
