#include "Convert.h"

#include "CategoryModule.h"
#include "ConvertRules.h"
#include "NumberText.h"

#include <array>
#include <cmath>
#include <new>

namespace zelvano::convert {

namespace {

using detail::CategoryModule;

const CategoryModule* moduleOf(Category category) {
    static const std::array<const CategoryModule*, kCategoryCount> modules{
        &detail::modConvertLength(),      &detail::modConvertWeight(),
        &detail::modConvertVolume(),      &detail::modConvertArea(),
        &detail::modConvertTemperature(), &detail::modConvertSpeed(),
        &detail::modConvertInformation(), &detail::modConvertRadioActivity(),
    };
    const auto index = static_cast<std::size_t>(category);
    return index < modules.size() ? modules[index] : nullptr;
}

Conversion failure(int number) {
    Conversion result;
    result.error = number;
    result.description = runtimeErrorDescription(number);
    return result;
}

// The text of a finite value, built on the stack: most results then fit the
// string's own small buffer and cost no allocation.
std::string formatted(double value, const NumberSettings& settings) {
    const std::string_view point = settings.decimalSeparator;
    constexpr std::size_t kStackText = 64;
    if (detail::maxQuantityText(point.size()) > kStackText) {
        std::string text(detail::maxQuantityText(point.size()), '\0');
        text.resize(detail::formatQuantity(value, point, text.data()));
        return text;
    }
    char text[kStackText];
    return std::string(text, detail::formatQuantity(value, point, text));
}

} // namespace

std::span<const CategoryTable> categoryTables() {
    static const std::array<CategoryTable, kCategoryCount> tables = [] {
        std::array<CategoryTable, kCategoryCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = moduleOf(static_cast<Category>(i))->table;
        return all;
    }();
    return tables;
}

const CategoryTable& categoryTable(Category category) {
    const auto index = static_cast<std::size_t>(category);
    if (index >= kCategoryCount)
        raiseRuntimeError(RuntimeError::SubscriptOutOfRange, "categoryTable");
    return categoryTables()[index];
}

double ParseQuantity(std::string_view text, const NumberSettings& settings) {
    double value = 0;
    if (const int error = detail::parseQuantity(text, settings, value))
        raiseRuntimeError(error, "ParseQuantity");
    return value;
}

std::string FormatQuantity(double value, const NumberSettings& settings) {
    if (!std::isfinite(value))
        raiseRuntimeError(RuntimeError::Overflow, "FormatQuantity");
    return formatted(value, settings);
}

Conversion ConvertQuantity(Category category, int from, int to, std::string_view quantity,
                           const NumberSettings& settings) {
    try {
        const CategoryModule* module = moduleOf(category);
        if (!module)
            return failure(RuntimeError::SubscriptOutOfRange);
        const auto units = module->table.units;
        const auto count = static_cast<int>(units.size());
        if (from < 1 || from > count || to < 1 || to > count)
            return failure(RuntimeError::SubscriptOutOfRange);

        Conversion result;
        if (from == to) {
            // Equal units copy the text as typed, number or not.
            result.text.assign(quantity);
            return result;
        }

        double x = 0;
        if (const int error = detail::parseQuantity(quantity, settings, x))
            return failure(error);

        const double r =
            module->table.shape == PairShape::Scale
                ? detail::applyScaleRule(module->scales[from - 1], module->scales[to - 1], x)
                : detail::applyFactorRule(module->table.shape, units[from - 1], units[to - 1], x);
        // A result beyond the double range is an overflow, never an "inf" text.
        if (!std::isfinite(r))
            return failure(RuntimeError::Overflow);

        // Every finite result is written, also one whose 15 digits round
        // past the largest double: that text is the result, even though typed
        // back in as a quantity it is beyond the range.
        result.text = formatted(r, settings);
        return result;
    } catch (const std::bad_alloc&) {
        return failure(RuntimeError::OutOfMemory);
    }
}

} // namespace zelvano::convert
