#include "CategoryModule.h"

// Length: F is the number of the unit in one metre. The constants are the
// program's own rounded decimals (a land mile of 1609 m, a verst of 1066.8 m),
// used as written, never derived from one another.

namespace zelvano::convert::detail {

namespace {

constexpr Unit kUnits[] = {
    {1, "Метр", 1, 1},
    {2, "Дюйм", 4, 39.3700787401575},
    {3, "Фут", 6, 3.28083989501312},
    {4, "Ярд", 7, 1.09361329833771},
    {5, "Миля [сухопутная]", 8, 0.000621504039776259},
    {6, "Миля [морская]", 9, 0.000539956803455724},
    {7, "Аршин [русский]", 10, 1.40607424071991},
    {8, "Верста [русская]", 12, 0.000937382827146607},
    {9, "Четверть", 15, 5.62429696287964},
    {10, "Вершок", 16, 22.4719101123596},
    {11, "Пядь [русская]", 18, 5.62429696287964},
    {12, "Аршин [английский]", 11, 1.323363991},
    {13, "Дюйм [французский]", 5, 36.94202155},
    {14, "Верста [английская]", 13, 0.9373828271},
    {15, "Верста [межевая]", 14, 0.0004686914136},
    {16, "Пядь", 17, 4.374453193},
    {17, "Миллиметр", 2, 1000},
    {18, "Сантиметр", 3, 100},
};

// Length alone forms the reciprocal 1 / F[a] and multiplies by it.
constexpr CategoryModule kModule{
    {Category::Length, "Length", "Длина", PairShape::Reciprocal, kUnits}, {}};

} // namespace

const CategoryModule& modConvertLength() {
    return kModule;
}

} // namespace zelvano::convert::detail
