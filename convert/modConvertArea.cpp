#include "CategoryModule.h"

// Area: F is the number of the unit in one square metre. The square foot and
// yard are reciprocals of 0.092903 and 0.83613 m² to 15 digits, not the
// English definitions, and not derived from the square inch.

namespace zelvano::convert::detail {

namespace {

constexpr Unit kUnits[] = {
    {1, "Метр [квадратный]", 1, 1},
    {2, "Сантиметр [квадратный]", 2, 10000},
    {3, "Миллиметр [квадратный]", 3, 1000000},
    {4, "Километр [квадратный]", 4, 0.000001},
    {5, "Дюйм [квадратный]", 5, 1550.0031000062},
    {6, "Фут [квадратный]", 6, 10.7639150511824},
    {7, "Ярд [квадратный]", 7, 1.19598627007762},
    {8, "Ар", 8, 0.01},
    {9, "Гектар", 9, 0.0001},
    {10, "Барн", 10, 1E+28},
};

constexpr CategoryModule kModule{{Category::Area, "Area", "Площадь", PairShape::Quotient, kUnits},
                                 {}};

} // namespace

const CategoryModule& modConvertArea() {
    return kModule;
}

} // namespace zelvano::convert::detail
