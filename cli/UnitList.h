#pragma once

#include "Convert.h"

#include <string>

namespace zelvano::cli {

// What --list prints, one line per entry, fields separated by tabs, numbers
// with a point whatever the locale, so that scripts can read them.

// Per category: command name, Russian name, number of units.
std::string categoryList();

// Per unit: number, caption, row in the window's list, aliases (", " between
// them), the factor F (units in one base unit; empty for temperature) and
// what one unit is in the base unit, computed by the engine itself (for a
// temperature scale: its formula to Celsius, "x - 273.16").
std::string unitList(const convert::CategoryTable& table);

} // namespace zelvano::cli
