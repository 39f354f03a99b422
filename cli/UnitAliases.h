#pragma once

#include "Convert.h"

#include <string_view>
#include <vector>

namespace zelvano::cli {

// The names people write for a unit besides its caption. An alias always
// means the program's own unit with its own factor: "mi" is "Миля
// [сухопутная]", 1609 m, not the international mile.
struct UnitAliases {
    std::vector<std::string_view> symbols; // matched exactly: "K", "B" (byte), "b" (bit)
    std::vector<std::string_view> names;   // matched in any letter case: "mile", "Узел"
};

// The aliases of `unit` (a UnitIndex) of `category`; empty for a unit that has none.
const UnitAliases& unitAliases(convert::Category category, int unit);

} // namespace zelvano::cli
