#include "CategoryModule.h"

// Volume: F is the number of the unit in one cubic metre, each a literal of
// its own (a cubic foot is not a foot cubed). The cubic inch is the number of
// cubic inches in a cubic metre to 15 significant digits, like the other rows.

namespace zelvano::convert::detail {

namespace {

constexpr Unit kUnits[] = {
    {1, "Метр [кубический]", 1, 1},
    {2, "Дюйм [кубический]", 2, 61023.7440947323},
    {3, "Фут [кубический]", 3, 35.31466672},
    {4, "Ярд [кубический]", 4, 1.307950619},
    {5, "Литр", 5, 1000},
    {6, "Четверть", 6, 4.764010001},
    {7, "Бушель [английский]", 7, 27.49615604},
    {8, "Бушель [американский]", 8, 28.37759326},
    {9, "Унция [английская]", 9, 35195.07973},
    {10, "Унция [американская]", 10, 33814.0227},
    {11, "Гарнец", 11, 304.89664},
    {12, "Аршин [кубический]", 12, 2.779871724},
};

constexpr CategoryModule kModule{{Category::Volume, "Volume", "Объём", PairShape::Quotient, kUnits},
                                 {}};

} // namespace

const CategoryModule& modConvertVolume() {
    return kModule;
}

} // namespace zelvano::convert::detail
