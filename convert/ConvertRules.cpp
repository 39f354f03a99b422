#include "ConvertRules.h"

// Every expression below is one rounded double operation per operator, in
// source order: this file is built with -ffp-contract=off and without
// fast-math, so the compiler may neither fuse nor reassociate them.

namespace zelvano::convert::detail {

namespace {

constexpr int kBaseUnit = 1;

double applyStep(const ScaleStep& step, double v) {
    switch (step.op) {
    case StepOp::None:
        return v;
    case StepOp::Multiply:
        return v * step.operand;
    case StepOp::Divide:
        return v / step.operand;
    case StepOp::Add:
        return v + step.operand;
    case StepOp::Subtract:
        return v - step.operand;
    case StepOp::SubtractQuotient: {
        const double quotient = step.operand / step.divisor;
        return v - quotient;
    }
    }
    return v;
}

double applySteps(const ScaleSteps& steps, double v) {
    for (const ScaleStep& step : steps)
        v = applyStep(step, v);
    return v;
}

} // namespace

double applyFactorRule(PairShape shape, const Unit& from, const Unit& to, double x) {
    if (from.index == kBaseUnit)
        return x * to.factor;
    double base;
    if (shape == PairShape::Reciprocal) {
        const double reciprocal = 1.0 / from.factor;
        base = x * reciprocal;
    } else {
        base = x / from.factor;
    }
    return to.index == kBaseUnit ? base : base * to.factor;
}

double applyScaleRule(const TemperatureScale& from, const TemperatureScale& to, double x) {
    const double celsius = applySteps(from.toCelsius, x);
    return applySteps(to.fromCelsius, celsius);
}

} // namespace zelvano::convert::detail
