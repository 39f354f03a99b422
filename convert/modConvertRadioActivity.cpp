#include "CategoryModule.h"

// Radioactivity: F is the number of the unit in one curie. The becquerel is
// the reciprocal of 2.7E-11 to ten digits (37037037040), not 3.7E+10.

namespace zelvano::convert::detail {

namespace {

constexpr Unit kUnits[] = {
    {1, "Кюри", 1, 1},
    {2, "Беккерель", 2, 37037037040},
    {3, "Резерфорд", 3, 37000},
};

constexpr CategoryModule kModule{
    {Category::RadioActivity, "RadioActivity", "Радиоактивность", PairShape::Quotient, kUnits}, {}};

} // namespace

const CategoryModule& modConvertRadioActivity() {
    return kModule;
}

} // namespace zelvano::convert::detail
