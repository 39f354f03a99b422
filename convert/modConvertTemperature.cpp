#include "CategoryModule.h"

// Temperature: every pair goes through Celsius. The steps keep the exact
// operation order of the scale formulas: Fahrenheit to Celsius is x / 1.8,
// then 32 / 1.8, then the difference, never (x - 32) / 1.8. Kelvin is offset
// by 273.16 and Rankine by the literal 491.688, not by a product of constants.

namespace zelvano::convert::detail {

namespace {

constexpr ScaleStep multiply(double k) {
    return {StepOp::Multiply, k, 0};
}
constexpr ScaleStep divide(double k) {
    return {StepOp::Divide, k, 0};
}
constexpr ScaleStep add(double k) {
    return {StepOp::Add, k, 0};
}
constexpr ScaleStep subtract(double k) {
    return {StepOp::Subtract, k, 0};
}
constexpr ScaleStep subtractQuotient(double k, double d) {
    return {StepOp::SubtractQuotient, k, d};
}

constexpr Unit kUnits[] = {
    {1, "Цельсий", 1, 0}, {2, "Фаренгейт", 2, 0}, {3, "Реомюр", 3, 0},
    {4, "Ранкин", 4, 0},  {5, "Кельвин", 5, 0},
};

// In UnitIndex order: {to Celsius (c from x)}, {from Celsius (r from c)}.
constexpr TemperatureScale kScales[] = {
    {{}, {}},
    {{divide(1.8), subtractQuotient(32, 1.8)}, {multiply(1.8), add(32)}},
    {{divide(0.8)}, {multiply(0.8)}},
    {{divide(1.8), subtractQuotient(491.688, 1.8)}, {multiply(1.8), add(491.688)}},
    {{subtract(273.16)}, {add(273.16)}},
};

static_assert(std::size(kScales) == std::size(kUnits));

constexpr CategoryModule kModule{
    {Category::Temperature, "Temperature", "Температура", PairShape::Scale, kUnits}, kScales};

} // namespace

const CategoryModule& modConvertTemperature() {
    return kModule;
}

} // namespace zelvano::convert::detail
