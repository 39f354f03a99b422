#include "Request.h"

#include "NameLookup.h"

namespace zelvano::cli {

Resolution resolveRequest(std::string_view category, std::string_view from, std::string_view to,
                          std::string_view quantity, const convert::NumberSettings& settings) {
    const auto found = findCategory(category);
    if (!found)
        return UsageProblem{unknownCategoryMessage(category)};
    const convert::CategoryTable& table = convert::categoryTable(*found);
    const int fromUnit = findUnit(table, from);
    if (!fromUnit)
        return UsageProblem{unknownUnitMessage(table, from)};
    const int toUnit = findUnit(table, to);
    if (!toUnit)
        return UsageProblem{unknownUnitMessage(table, to)};
    if (quantity.empty())
        return EmptyQuantity{};
    return convert::ConvertQuantity(*found, fromUnit, toUnit, quantity, settings);
}

} // namespace zelvano::cli
