#pragma once

#include "CategoryModule.h"

namespace zelvano::convert::detail {

// The pair rule of a factor category: `from` and `to` are different units of a
// table whose shape is Quotient or Reciprocal; unit 1 is the base unit.
double applyFactorRule(PairShape shape, const Unit& from, const Unit& to, double x);

// The temperature rule: the to-Celsius step of `from`, then the from-Celsius step of `to`.
double applyScaleRule(const TemperatureScale& from, const TemperatureScale& to, double x);

} // namespace zelvano::convert::detail
