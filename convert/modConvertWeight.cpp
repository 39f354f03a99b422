#include "CategoryModule.h"

// Weight: F is the number of the unit in one gram. "Ансырь" and
// "Фунт торговый [русский]" share one constant; "Берковец" is ten "Пуд" only
// through the digits of its constant.

namespace zelvano::convert::detail {

namespace {

constexpr Unit kUnits[] = {
    {1, "Грамм", 1, 1},
    {2, "Килограмм", 2, 0.001},
    {3, "Тонна", 3, 0.000001},
    {4, "Карат [метрический]", 4, 5},
    {5, "Пуд", 6, 0.00006104821097},
    {6, "Берковец", 7, 0.000006104821097},
    {7, "Центнер", 8, 0.00001},
    {8, "Фунт", 9, 0.002204622622},
    {9, "Фунт аптекарский [русский]", 10, 0.002790775359},
    {10, "Унция аптекарская [русская]", 12, 0.0334893043},
    {11, "Унция [тройская]", 13, 0.03215074657},
    {12, "Карат [английский]", 5, 4.87804878},
    {13, "Ансырь", 14, 0.002441928439},
    {14, "Пек", 15, 0.000157480315},
    {15, "Фунт торговый [русский]", 11, 0.002441928439},
    {16, "Гран", 16, 15.43235835},
    {17, "Гран аптекарский [русский]", 17, 16.07486607},
};

constexpr CategoryModule kModule{{Category::Weight, "Weight", "Вес", PairShape::Quotient, kUnits},
                                 {}};

} // namespace

const CategoryModule& modConvertWeight() {
    return kModule;
}

} // namespace zelvano::convert::detail
