#include "UnitList.h"

#include "CategoryModule.h"
#include "NameLookup.h"
#include "UnitAliases.h"

namespace zelvano::cli {

namespace {

using convert::detail::StepOp;

const convert::NumberSettings kPoint{".", ""};

std::string joinedAliases(convert::Category category, int unit) {
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
std::string formula(const convert::detail::ScaleSteps& steps) {
    std::string text = "x";
    for (const convert::detail::ScaleStep& step : steps) {
        const std::string operand = convert::FormatQuantity(step.operand, kPoint);
        switch (step.op) {
        case StepOp::None:
            break;
        case StepOp::Multiply:
            text += " * " + operand;
            break;
        case StepOp::Divide:
            text += " / " + operand;
            break;
        case StepOp::Add:
            text += " + " + operand;
            break;
        case StepOp::Subtract:
            text += " - " + operand;
            break;
        case StepOp::SubtractQuotient:
            text += " - " + operand + " / " + convert::FormatQuantity(step.divisor, kPoint);
            break;
        }
    }
    return text;
}

} // namespace

std::string categoryList() {
    std::string text;
    for (const convert::CategoryTable& table : convert::categoryTables())
        text += commandName(table) + '\t' + std::string(table.name) + '\t' +
                std::to_string(table.units.size()) + '\n';
    return text;
}

std::string unitList(const convert::CategoryTable& table) {
    const auto scales = convert::detail::modConvertTemperature().scales;
    std::string text;
    for (const convert::Unit& unit : table.units) {
        text += std::to_string(unit.index) + '\t' + std::string(unit.caption) + '\t' +
                std::to_string(unit.row) + '\t' + joinedAliases(table.category, unit.index) + '\t';
        if (table.shape == convert::PairShape::Scale) {
            text += '\t' + formula(scales[static_cast<std::size_t>(unit.index - 1)].toCelsius);
        } else {
            text += convert::FormatQuantity(unit.factor, kPoint) + '\t' +
                    convert::ConvertQuantity(table.category, unit.index, 1, "1", kPoint).text;
        }
        text += '\n';
    }
    return text;
}

} // namespace zelvano::cli
