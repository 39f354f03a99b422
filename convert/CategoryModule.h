#pragma once

#include "Convert.h"

#include <array>
#include <span>

namespace zelvano::convert::detail {

// One operation of a temperature step, applied to the running value v.
enum class StepOp {
    None,             // no operation
    Multiply,         // v * operand
    Divide,           // v / operand
    Add,              // v + operand
    Subtract,         // v - operand
    SubtractQuotient, // v - operand / divisor: the quotient is an operation of its own
};

struct ScaleStep {
    StepOp op = StepOp::None;
    double operand = 0;
    double divisor = 0;
};

// A step through Celsius: at most two operations, applied in order.
using ScaleSteps = std::array<ScaleStep, 2>;

// One temperature scale: from its reading x to Celsius c, and from c to its reading r.
struct TemperatureScale {
    ScaleSteps toCelsius;
    ScaleSteps fromCelsius;
};

// A category as its module defines it: the public table plus, for the
// temperature category, the per-scale steps in UnitIndex order.
struct CategoryModule {
    CategoryTable table;
    std::span<const TemperatureScale> scales;
};

const CategoryModule& modConvertLength();
const CategoryModule& modConvertWeight();
const CategoryModule& modConvertVolume();
const CategoryModule& modConvertArea();
const CategoryModule& modConvertTemperature();
const CategoryModule& modConvertSpeed();
const CategoryModule& modConvertInformation();
const CategoryModule& modConvertRadioActivity();

} // namespace zelvano::convert::detail
