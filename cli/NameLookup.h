#pragma once

#include "Convert.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelvano::cli {

// A category by its stem in any case ("length", "RadioActivity") or by its
// Russian name in any case ("Длина", "длина").
std::optional<Category> findCategory(std::string_view name);

// The lower-case stem the command line uses for a category ("radioactivity").
std::string commandName(const CategoryTable& table);

// A unit of `table` by its UnitIndex in decimal digits or by its exact
// caption; 0 when there is none.
int findUnit(const CategoryTable& table, std::string_view name);

// Messages for names that match nothing, listing the valid ones. The name is
// quoted with control characters replaced, so a message stays on one line.
std::string unknownCategoryMessage(std::string_view name);
std::string unknownUnitMessage(const CategoryTable& table, std::string_view name);

} // namespace zelvano::cli
