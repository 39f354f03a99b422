#include "PanelLayout.h"

#include <algorithm>
#include <array>

namespace zelvano::app {

namespace {

constexpr int kUnitWidth = 2175;

constexpr std::array kLengthWidths{UnitWidth{12, 1815}};
constexpr std::array kWeightWidths{
    UnitWidth{9, 2535},
    UnitWidth{15, 2415},
    UnitWidth{10, 2655},
    UnitWidth{17, 2535},
};

// clang-format off
constexpr std::array kLayouts{
    CategoryLayout{convert::Category::Length, "cmdLengthConvert", 4695, 2535,
                   "Frame3", "Frame1", "picLengthFrom", "Frame2", "picLengthTo",
                   kUnitWidth, kLengthWidths},
    CategoryLayout{convert::Category::Weight, "cmdWeightConverte", 4455, 2655,
                   "Frame13", "Frame15", "Picture10", "Frame14", "Picture9",
                   kUnitWidth, kWeightWidths},
    CategoryLayout{convert::Category::Volume, "cmdVolumeConvert", 3255, 2535,
                   "Frame18", "Frame16", "Picture11", "Frame17", "Picture12",
                   kUnitWidth, {}},
    CategoryLayout{convert::Category::Area, "cmdAreaConvert", 2775, 2535,
                   "Frame10", "Frame12", "Picture8", "Frame11", "Picture7",
                   2295, {}},
    CategoryLayout{convert::Category::Temperature, "cmdTemperatureConvert", 1575, 2535,
                   "Frame4", "Frame6", "Picture2", "Frame5", "Picture1",
                   kUnitWidth, {}},
    CategoryLayout{convert::Category::Speed, "cmdSpeedConverte", 2295, 2535,
                   "Frame9", "Frame7", "Picture4", "Frame8", "Picture6",
                   kUnitWidth, {}},
    CategoryLayout{convert::Category::Information, "cmdInformationConvert", 1815, 2535,
                   "Frame25", "Frame23", "Picture14", "Frame24", "Picture15",
                   kUnitWidth, {}},
    CategoryLayout{convert::Category::RadioActivity, "cmdRadioActivityConvert", 1095, 2535,
                   "Frame22", "Frame21", "Picture13", "Frame20", "Picture5",
                   kUnitWidth, {}},
};
// clang-format on

constexpr bool inCategoryOrder() {
    for (std::size_t i = 0; i < kLayouts.size(); ++i)
        if (kLayouts[i].category != static_cast<convert::Category>(i))
            return false;
    return true;
}
static_assert(kLayouts.size() == convert::kCategoryCount && inCategoryOrder(),
              "one layout per category, in Category order");

} // namespace

int CategoryLayout::widthOf(int unitIndex) const {
    const auto it = std::find_if(widths.begin(), widths.end(), [unitIndex](const UnitWidth& w) {
        return w.unitIndex == unitIndex;
    });
    return it != widths.end() ? it->width : unitWidth;
}

const CategoryLayout& categoryLayout(convert::Category category) {
    return kLayouts[static_cast<std::size_t>(category)];
}

} // namespace zelvano::app
