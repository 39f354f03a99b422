#pragma once

#include "RuntimeErrors.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zelvano::convert {

// The eight conversion domains, in the order of the category table.
enum class Category {
    Length,
    Weight,
    Volume,
    Area,
    Temperature,
    Speed,
    Information,
    RadioActivity
};

inline constexpr std::size_t kCategoryCount = 8;

// One unit of a category. `index` is the UnitIndex (1-based, the N of the
// optLengthFromN buttons); `row` is its 1-based position in the on-screen list.
struct Unit {
    int index;
    std::string_view caption; // UTF-8
    int row;
    double factor; // units per base unit; 0 for categories without factors
};

// How a category turns x into r for a pair of different units.
enum class PairShape {
    Quotient,   // x * F[b], x / F[a], x / F[a] * F[b]
    Reciprocal, // x * F[b], x * (1 / F[a]), x * (1 / F[a]) * F[b]
    Scale,      // through Celsius, with per-unit to/from steps
};

struct CategoryTable {
    Category category;
    std::string_view stem; // "Length": middle part of control names
    std::string_view name; // "Длина": caption of the task-pane item
    PairShape shape;
    std::span<const Unit> units; // in UnitIndex order
};

// All eight tables, in Category order.
std::span<const CategoryTable> categoryTables();
const CategoryTable& categoryTable(Category category);

// The number format of the user's locale, as the engine needs it. Separators
// are UTF-8 text (Qt's locale data gives them; some locales use more than one byte).
struct NumberSettings {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
};

// Text to the nearest double under `settings`. Throws NumberedError 13 for a
// text that is not a number and 6 for a magnitude beyond the largest double.
double ParseQuantity(std::string_view text, const NumberSettings& settings);

// A double to its 15-significant-digit text with the locale's decimal separator.
// Throws NumberedError 6 for an infinity or a NaN, which have no such text.
std::string FormatQuantity(double value, const NumberSettings& settings);

// The outcome of one conversion: the result text, or an error number and its
// description (`error` is 0 on success).
struct Conversion {
    int error = 0;
    std::string text;
    std::string description;

    bool ok() const { return error == 0; }
};

// Converts `quantity` from unit `from` to unit `to` (UnitIndex values of the
// category). Equal units copy the text as it stands; an index outside the
// category gives error 9; error 6 comes from the quantity or from arithmetic
// that overflows, never from a finite result. Never throws.
Conversion ConvertQuantity(Category category, int from, int to, std::string_view quantity,
                           const NumberSettings& settings);

} // namespace zelvano::convert
