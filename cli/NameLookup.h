#pragma once

#include "Convert.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano::cli {

// A category by its stem in any case ("length", "RadioActivity") or by its
// Russian name in any case ("Длина", "длина").
std::optional<convert::Category> findCategory(std::string_view name);

// The lower-case stem the command line uses for a category ("radioactivity").
std::string commandName(const convert::CategoryTable& table);

// A unit of `table` by its UnitIndex in decimal digits, its caption in any
// letter case ("метр", "МЕТР"), an alias symbol exactly as listed ("mi", "KB")
// or an alias name in any letter case ("Mile"); 0 when there is none. Nothing
// is guessed from a part of a name.
int findUnit(const convert::CategoryTable& table, std::string_view name);

// The units a name that is not a unit may have meant: those whose caption,
// without its bracketed qualifier, is the name in any letter case ("аршин"
// gives "Аршин [русский]" and "Аршин [английский]").
std::vector<int> unitCandidates(const convert::CategoryTable& table, std::string_view name);

// Messages for names that match nothing, listing the valid ones, or for a name
// that fits several units, listing those. The name is quoted with control
// characters replaced, so a message stays on one line.
std::string unknownCategoryMessage(std::string_view name);
std::string unknownUnitMessage(const convert::CategoryTable& table, std::string_view name);

} // namespace zelvano::cli
