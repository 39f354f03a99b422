// The shape of the eight tables: what the window builds its panels from.

#include "EngineTestSupport.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace zelvano::convert::test {
namespace {

TEST(CategoryTables, AreInCategoryOrder) {
    const auto tables = categoryTables();
    ASSERT_EQ(tables.size(), kCategoryCount);
    const std::size_t counts[] = {18, 17, 12, 10, 5, 8, 6, 3};
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const auto category = static_cast<Category>(i);
        EXPECT_EQ(tables[i].category, category);
        EXPECT_EQ(&categoryTable(category), &tables[i]);
        EXPECT_EQ(tables[i].units.size(), counts[i]);
    }
    EXPECT_THROW(categoryTable(static_cast<Category>(kCategoryCount)), NumberedError);
}

TEST(CategoryTables, NumberUnitsInOrderWithRowsAPermutation) {
    for (const CategoryTable& table : categoryTables()) {
        std::set<int> rows;
        std::set<std::string_view> captions;
        for (std::size_t i = 0; i < table.units.size(); ++i) {
            const Unit& unit = table.units[i];
            EXPECT_EQ(unit.index, static_cast<int>(i) + 1) << table.stem;
            EXPECT_FALSE(unit.caption.empty());
            rows.insert(unit.row);
            captions.insert(unit.caption);
            if (table.shape == PairShape::Scale) {
                EXPECT_EQ(unit.factor, 0) << unit.caption;
            } else {
                EXPECT_TRUE(std::isfinite(unit.factor) && unit.factor > 0) << unit.caption;
            }
        }
        EXPECT_EQ(rows.size(), table.units.size()) << table.stem;
        EXPECT_EQ(*rows.begin(), 1);
        EXPECT_EQ(*rows.rbegin(), static_cast<int>(table.units.size()));
        EXPECT_EQ(captions.size(), table.units.size()) << table.stem;
        if (table.shape != PairShape::Scale) {
            EXPECT_EQ(table.units[0].factor, 1) << table.stem;
        }
    }
}

std::vector<std::string_view> screenOrder(Category category) {
    std::vector<Unit> units(categoryTable(category).units.begin(),
                            categoryTable(category).units.end());
    std::ranges::sort(units, {}, &Unit::row);
    std::vector<std::string_view> captions;
    for (const Unit& unit : units)
        captions.push_back(unit.caption);
    return captions;
}

// The lists as they read from the top, where they differ from UnitIndex order.
TEST(CategoryTables, ListUnitsInScreenOrder) {
    EXPECT_EQ(screenOrder(Category::Length),
              (std::vector<std::string_view>{
                  "Метр", "Миллиметр", "Сантиметр", "Дюйм", "Дюйм [французский]", "Фут", "Ярд",
                  "Миля [сухопутная]", "Миля [морская]", "Аршин [русский]", "Аршин [английский]",
                  "Верста [русская]", "Верста [английская]", "Верста [межевая]", "Четверть",
                  "Вершок", "Пядь", "Пядь [русская]"}));
    EXPECT_EQ(screenOrder(Category::Weight),
              (std::vector<std::string_view>{
                  "Грамм", "Килограмм", "Тонна", "Карат [метрический]", "Карат [английский]", "Пуд",
                  "Берковец", "Центнер", "Фунт", "Фунт аптекарский [русский]",
                  "Фунт торговый [русский]", "Унция аптекарская [русская]", "Унция [тройская]",
                  "Ансырь", "Пек", "Гран", "Гран аптекарский [русский]"}));
    EXPECT_EQ(screenOrder(Category::Speed),
              (std::vector<std::string_view>{"Километр в час", "Метр в секунду", "Метр в минуту",
                                             "Миля в час", "Узел [моской]", "Фут в секунду",
                                             "Ярд в секунду", "Верста в час"}));
}

} // namespace
} // namespace zelvano::convert::test
