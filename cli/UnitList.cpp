#include "UnitList.h"

#include "CategoryModule.h"
#include "NameLookup.h"
#include "UnitAliases.h"

namespace zelvano::cli {

namespace {

const NumberSettings kPoint{".", ""};

std::string joinedAliases(Category category, int unit) {
    const UnitAliases& aliases = unitAliases(category, unit);
    std::string text;
    for (const auto* list : {&aliases.symbols, &aliases.names}) {
        for (const std::string_view alias : *list) {
            if (!text.empty())
                text += ", ";
            text += alias;
        }
    }
    return text;
}

// The steps of a scale written as its formula, in the order they are applied.
std::string formula(const detail::ScaleSteps& steps) {
    std::string text = "x";
    for (const detail::ScaleStep& step : steps) {
        const std::string operand = FormatQuantity(step.operand, kPoint);
        switch (step.op) {
        case detail::StepOp::None:
            break;
        case detail::StepOp::Multiply:
            text += " * " + operand;
            break;
        case detail::StepOp::Divide:
            text += " / " + operand;
            break;
        case detail::StepOp::Add:
            text += " + " + operand;
            break;
        case detail::StepOp::Subtract:
            text += " - " + operand;
            break;
        case detail::StepOp::SubtractQuotient:
            text += " - " + operand + " / " + FormatQuantity(step.divisor, kPoint);
            break;
        }
    }
    return text;
}

} // namespace

std::string categoryList() {
    std::string text;
    for (const CategoryTable& table : categoryTables())
        text += commandName(table) + '\t' + std::string(table.name) + '\t' +
                std::to_string(table.units.size()) + '\n';
    return text;
}

std::string unitList(const CategoryTable& table) {
    const auto scales = detail::modConvertTemperature().scales;
    std::string text;
    for (const Unit& unit : table.units) {
        text += std::to_string(unit.index) + '\t' + std::string(unit.caption) + '\t' +
                std::to_string(unit.row) + '\t' + joinedAliases(table.category, unit.index) + '\t';
        if (table.shape == PairShape::Scale) {
            text += '\t' + formula(scales[static_cast<std::size_t>(unit.index - 1)].toCelsius);
        } else {
            text += FormatQuantity(unit.factor, kPoint) + '\t' +
                    ConvertQuantity(table.category, unit.index, 1, "1", kPoint).text;
        }
        text += '\n';
    }
    return text;
}

} // namespace zelvano::cli
