// Names of units as people write them: captions in any case, aliases,
// and names that fit several units.

#include "MessageLanguage.h"
#include "NameLookup.h"
#include "UnitAliases.h"
#include "UnitList.h"

#include <QString>

#include <gtest/gtest.h>

#include <map>

namespace zelvano::cli::test {

using convert::Category;
using convert::categoryTable;

namespace {

QString folded(std::string_view text) {
    return QString::fromUtf8(text.data(), std::ssize(text)).toCaseFolded();
}

// Every alias finds its own unit, names also in other letter cases.
TEST(UnitAliases, EachFindsItsUnit) {
    for (const convert::CategoryTable& table : convert::categoryTables()) {
        for (const convert::Unit& unit : table.units) {
            const cli::UnitAliases& aliases = cli::unitAliases(table.category, unit.index);
            for (const std::string_view symbol : aliases.symbols)
                EXPECT_EQ(cli::findUnit(table, symbol), unit.index) << symbol;
            for (const std::string_view name : aliases.names) {
                EXPECT_EQ(cli::findUnit(table, name), unit.index) << name;
                const QString upper = QString::fromUtf8(name.data(), std::ssize(name)).toUpper();
                EXPECT_EQ(cli::findUnit(table, upper.toStdString()), unit.index) << name;
            }
        }
    }
}

// Within a category no spelling may lead to two units: exact symbols are
// unique, and so are captions and names compared without letter case, also
// against symbols (a folded name must not shadow another unit's symbol).
TEST(UnitAliases, NoneFitsTwoUnits) {
    for (const convert::CategoryTable& table : convert::categoryTables()) {
        std::map<std::string, int> symbols;
        std::map<QString, int> foldedNames;
        for (const convert::Unit& unit : table.units) {
            const cli::UnitAliases& aliases = cli::unitAliases(table.category, unit.index);
            auto claimFolded = [&](std::string_view text) {
                const auto [it, added] = foldedNames.emplace(folded(text), unit.index);
                EXPECT_TRUE(added || it->second == unit.index)
                    << text << " in " << table.stem << " fits units " << it->second << " and "
                    << unit.index;
            };
            claimFolded(unit.caption);
            for (const std::string_view name : aliases.names)
                claimFolded(name);
            for (const std::string_view symbol : aliases.symbols) {
                EXPECT_FALSE(symbol.empty()) << table.stem << ' ' << unit.index;
                const auto [it, added] = symbols.emplace(symbol, unit.index);
                EXPECT_TRUE(added) << symbol << " in " << table.stem;
            }
        }
        for (const auto& [symbol, unit] : symbols) {
            const auto name = foldedNames.find(folded(symbol));
            EXPECT_TRUE(name == foldedNames.end() || name->second == unit)
                << symbol << " in " << table.stem;
        }
    }
}

struct Lookup {
    Category category;
    std::string_view name;
    int unit; // 0: refused
};

TEST(FindUnit, NumbersCaptionsAndAliases) {
    const Lookup cases[] = {
        {Category::Length, "5", 5},
        {Category::Length, "18", 18},
        {Category::Length, "19", 0},
        {Category::Length, "0", 0},
        {Category::Length, "", 0},
        {Category::Length, "метр", 1},
        {Category::Length, "МЕТР", 1},
        {Category::Length, "миля [СУХОПУТНАЯ]", 5},
        {Category::Length, "mi", 5},
        {Category::Length, "MI", 0}, // symbols keep their case
        {Category::Length, "Mile", 5},
        {Category::Length, "пядь", 16}, // a whole caption beats a qualified one
        {Category::Length, "аршин", 0},
        {Category::Length, "мил", 0}, // no guessing from a part
        {Category::Information, "b", 1},
        {Category::Information, "B", 2},
        {Category::Information, "kb", 0},
        {Category::Information, "KiB", 3},
        {Category::Temperature, "K", 5},
        {Category::Temperature, "°F", 2},
        {Category::Temperature, "ЦЕЛЬСИЙ", 1},
        {Category::Speed, "Узел", 4},
        {Category::Speed, "узел [моской]", 4},
        {Category::Speed, "Узел [морской]", 0},
        {Category::Weight, "lb", 8},
        {Category::Weight, "карат", 0},
    };
    for (const Lookup& c : cases)
        EXPECT_EQ(cli::findUnit(categoryTable(c.category), c.name), c.unit) << c.name;
}

// An alias is the program's unit with its own factor, not today's definition.
TEST(FindUnit, AliasesKeepTheProgramsFactors) {
    const convert::NumberSettings point;
    auto convert = [&](Category category, std::string_view from, std::string_view to,
                       std::string_view quantity) {
        const convert::CategoryTable& table = categoryTable(category);
        return convert::ConvertQuantity(category, cli::findUnit(table, from),
                                        cli::findUnit(table, to), quantity, point)
            .text;
    };
    EXPECT_EQ(convert(Category::Length, "mi", "m", "1"), "1609");
    EXPECT_EQ(convert(Category::Speed, "kn", "km/h", "1"), "1.98576");
    EXPECT_EQ(convert(Category::Temperature, "K", "C", "0"), "-273.16");
    EXPECT_EQ(convert(Category::Information, "MB", "KB", "1"), "1023.99999957721");
}

TEST(UnitCandidates, NamesThatFitSeveralUnitsListThem) {
    const Lookup cases[] = {
        {Category::Length, "аршин", 2},  {Category::Length, "ВЕРСТА", 3},
        {Category::Length, "миля", 2},   {Category::Weight, "Карат", 2},
        {Category::Volume, "унция", 2},  {Category::Length, "метр", 1},
        {Category::Length, "arshin", 0},
    };
    for (const Lookup& c : cases)
        EXPECT_EQ(cli::unitCandidates(categoryTable(c.category), c.name).size(),
                  static_cast<std::size_t>(c.unit))
            << c.name;

    const std::string message = cli::unknownUnitMessage(categoryTable(Category::Length), "аршин");
    EXPECT_NE(message.find("7 \"Аршин [русский]\""), std::string::npos) << message;
    EXPECT_NE(message.find("12 \"Аршин [английский]\""), std::string::npos) << message;
    EXPECT_EQ(message.find("Метр"), std::string::npos) << message;
}

TEST(UnitList, PrintsFactorsAndWhatOneUnitIs) {
    const std::string length = cli::unitList(categoryTable(Category::Length));
    EXPECT_NE(length.find("1\tМетр\t1\tm, м, meter, metre, meters, metres\t1\t1\n"),
              std::string::npos);
    EXPECT_NE(length.find("5\tМиля [сухопутная]\t8\tmi, mile, miles\t0.000621504039776259\t1609\n"),
              std::string::npos);
    EXPECT_NE(length.find("7\tАршин [русский]\t10\t\t1.40607424071991\t0.7112\n"),
              std::string::npos);
    const std::string temperature = cli::unitList(categoryTable(Category::Temperature));
    EXPECT_NE(temperature.find("\t\tx / 1.8 - 32 / 1.8\n"), std::string::npos);
    EXPECT_NE(temperature.find("\t\tx - 273.16\n"), std::string::npos);
    const std::string information = cli::unitList(categoryTable(Category::Information));
    EXPECT_NE(information.find("\t1.192092896E-07\t8388607.99653654\n"), std::string::npos);
}

TEST(MessageLanguage, RussianOnlyForRussianLocales) {
    for (const char* name : {"ru_RU.UTF-8", "ru_RU", "ru", "ru_UA.UTF-8"})
        EXPECT_TRUE(convert::isRussianLocaleName(name)) << name;
    for (const char* name : {"", "C", "C.UTF-8", "POSIX", "en_US.UTF-8", "de_DE", "uk_UA"})
        EXPECT_FALSE(convert::isRussianLocaleName(name)) << name;
}

} // namespace
} // namespace zelvano::cli::test
