#include "NameLookup.h"

#include <QString>

#include <algorithm>
#include <charconv>

namespace zelvano::cli {

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::string quoted(std::string_view name) {
    std::string text = "\"";
    for (const char c : name)
        text += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    text += '"';
    return text;
}

} // namespace

std::optional<Category> findCategory(std::string_view name) {
    for (const CategoryTable& table : categoryTables()) {
        if (equalsIgnoringAsciiCase(name, table.stem) || name == table.name)
            return table.category;
    }
    // Russian names in another case: rare, so Qt's case folding only here.
    const QString folded = QString::fromUtf8(name.data(), std::ssize(name)).toCaseFolded();
    for (const CategoryTable& table : categoryTables()) {
        if (folded == QString::fromUtf8(table.name.data(), std::ssize(table.name)).toCaseFolded())
            return table.category;
    }
    return std::nullopt;
}

std::string commandName(const CategoryTable& table) {
    std::string name(table.stem);
    std::ranges::transform(name, name.begin(), asciiLower);
    return name;
}

int findUnit(const CategoryTable& table, std::string_view name) {
    const auto count = static_cast<int>(table.units.size());
    int index = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), index);
    if (!name.empty() && ec == std::errc{} && end == name.data() + name.size())
        return index >= 1 && index <= count ? index : 0;
    for (const Unit& unit : table.units) {
        if (unit.caption == name)
            return unit.index;
    }
    return 0;
}

std::string unknownCategoryMessage(std::string_view name) {
    std::string text = "неизвестная категория " + quoted(name) + "; допустимы:";
    for (const CategoryTable& table : categoryTables()) {
        text += ' ' + commandName(table) + " (" + std::string(table.name) + ')';
        if (table.category != categoryTables().back().category)
            text += ',';
    }
    return text;
}

std::string unknownUnitMessage(const CategoryTable& table, std::string_view name) {
    std::string text = "неизвестная единица " + quoted(name) + " в категории " +
                       commandName(table) + "; допустимы номера 1-" +
                       std::to_string(table.units.size()) + " или названия:";
    for (const Unit& unit : table.units) {
        text += ' ' + std::to_string(unit.index) + " \"" + std::string(unit.caption) + '"';
        if (unit.index != static_cast<int>(table.units.size()))
            text += ',';
    }
    return text;
}

} // namespace zelvano::cli
