#include "CategoryModule.h"

// Information size: F is the number of the unit in one bit. The megabyte,
// gigabyte and terabyte constants are powers of two written to ten digits and
// used as written, so conversions through them are slightly off 1024.

namespace zelvano::convert::detail {

namespace {

constexpr Unit kUnits[] = {
    {1, "Бит", 1, 1},
    {2, "Байт", 2, 0.125},
    {3, "Килобайт", 3, 0.0001220703125},
    {4, "Мегабайт", 4, 1.192092896E-07},
    {5, "Гигабайт", 5, 1.164153218E-10},
    {6, "Терабайт", 6, 1.136868377E-13},
};

constexpr CategoryModule kModule{
    {Category::Information, "Information", "Информация", PairShape::Quotient, kUnits}, {}};

} // namespace

const CategoryModule& modConvertInformation() {
    return kModule;
}

} // namespace zelvano::convert::detail
