#pragma once

#include "Convert.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

namespace zelvano::convert::test {

// Number settings as the two locales of the worked examples give them.
inline NumberSettings pointSettings() {
    return {".", ","};
}
inline NumberSettings russianSettings() {
    return {",", "\u00A0"};
}

// The UnitIndex of a caption; fails the test when the category has no such unit.
inline int unitIndex(Category category, std::string_view caption) {
    for (const Unit& unit : categoryTable(category).units) {
        if (unit.caption == caption)
            return unit.index;
    }
    ADD_FAILURE() << "no unit \"" << caption << "\"";
    return 0;
}

// `text` with every '.' replaced by ','.
inline std::string withComma(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == '.')
            c = ',';
    }
    return s;
}

// A result text typed back in as the quantity: its own text again when it
// reads back, else "error N".
inline std::string readBack(std::string_view text, const NumberSettings& settings) {
    try {
        return FormatQuantity(ParseQuantity(text, settings), settings);
    } catch (const NumberedError& e) {
        return "error " + std::to_string(e.number());
    }
}

// The 15 digits of the largest doubles, which round past them (under "." settings).
inline bool aboveLargestDouble(std::string_view text) {
    const double max = std::numeric_limits<double>::max();
    return text == FormatQuantity(max, pointSettings()) ||
           text == FormatQuantity(-max, pointSettings());
}

} // namespace zelvano::convert::test
