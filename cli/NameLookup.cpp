#include "NameLookup.h"

#include "EchoText.h"
#include "UnitAliases.h"
#include "Wording.h"

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

QString folded(std::string_view text) {
    return QString::fromUtf8(text.data(), std::ssize(text)).toCaseFolded();
}

// "Аршин [русский]" -> "Аршин"; a caption without a qualifier stays whole.
std::string_view withoutQualifier(std::string_view caption) {
    const std::size_t bracket = caption.find(" [");
    return bracket == caption.npos ? caption : caption.substr(0, bracket);
}

std::string quoted(std::string_view name) {
    return '"' + escapedForEcho(name) + '"';
}

std::string numberAndCaption(const convert::Unit& unit) {
    return std::to_string(unit.index) + " \"" + std::string(unit.caption) + '"';
}

} // namespace

std::optional<convert::Category> findCategory(std::string_view name) {
    for (const convert::CategoryTable& table : convert::categoryTables()) {
        if (equalsIgnoringAsciiCase(name, table.stem) || name == table.name)
            return table.category;
    }
    // Russian names in another case: rare, so Qt's case folding only here.
    const QString key = folded(name);
    for (const convert::CategoryTable& table : convert::categoryTables()) {
        if (key == folded(table.name))
            return table.category;
    }
    return std::nullopt;
}

std::string commandName(const convert::CategoryTable& table) {
    std::string name(table.stem);
    std::ranges::transform(name, name.begin(), asciiLower);
    return name;
}

int findUnit(const convert::CategoryTable& table, std::string_view name) {
    const auto count = static_cast<int>(table.units.size());
    int index = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), index);
    if (!name.empty() && ec == std::errc{} && end == name.data() + name.size())
        return index >= 1 && index <= count ? index : 0;

    // Exact spellings first: a symbol's letter case is part of it ("b" is a
    // bit and "B" a byte), so no folded name may overrule it.
    for (const convert::Unit& unit : table.units) {
        if (unit.caption == name)
            return unit.index;
    }
    for (const convert::Unit& unit : table.units) {
        if (std::ranges::count(unitAliases(table.category, unit.index).symbols, name))
            return unit.index;
    }
    const QString key = folded(name);
    for (const convert::Unit& unit : table.units) {
        if (key == folded(unit.caption))
            return unit.index;
        for (const std::string_view alias : unitAliases(table.category, unit.index).names) {
            if (key == folded(alias))
                return unit.index;
        }
    }
    return 0;
}

std::vector<int> unitCandidates(const convert::CategoryTable& table, std::string_view name) {
    const QString key = folded(name);
    std::vector<int> candidates;
    for (const convert::Unit& unit : table.units) {
        if (key == folded(withoutQualifier(unit.caption)))
            candidates.push_back(unit.index);
    }
    return candidates;
}

std::string unknownCategoryMessage(std::string_view name) {
    std::string text = std::string(say("unknown category ", "неизвестная категория ")) +
                       quoted(name) + std::string(say("; valid are:", "; допустимы:"));
    for (const convert::CategoryTable& table : convert::categoryTables()) {
        text += ' ' + commandName(table) + " (" + std::string(table.name) + ')';
        if (table.category != convert::categoryTables().back().category)
            text += ',';
    }
    return text;
}

std::string unknownUnitMessage(const convert::CategoryTable& table, std::string_view name) {
    const std::vector<int> candidates = unitCandidates(table, name);
    if (candidates.size() > 1) {
        std::string text = quoted(name) +
                           std::string(say(" fits several units of ",
                                           " подходит к нескольким единицам категории ")) +
                           commandName(table) + ':';
        for (const int index : candidates)
            text += ' ' + numberAndCaption(table.units[static_cast<std::size_t>(index - 1)]) +
                    (index == candidates.back() ? ';' : ',');
        text += say(" name one by its number or full caption",
                    " укажите одну номером или полным названием");
        return text;
    }

    std::string text = std::string(say("unknown unit ", "неизвестная единица ")) + quoted(name) +
                       std::string(say(" in category ", " в категории ")) + commandName(table) +
                       std::string(say("; valid are the numbers 1-", "; допустимы номера 1-")) +
                       std::to_string(table.units.size()) +
                       std::string(say(", the captions", ", названия"));
    for (const convert::Unit& unit : table.units) {
        text += ' ' + numberAndCaption(unit);
        if (unit.index != static_cast<int>(table.units.size()))
            text += ',';
    }
    text += say(" and the aliases that --list ", " и их другие имена из --list ");
    text += commandName(table);
    text += say(" shows", "");
    return text;
}

} // namespace zelvano::cli
