#pragma once

#include "Convert.h"
#include "Twips.h"

#include <span>
#include <string_view>

namespace zelvano::app {

// The window and the places of its children.
namespace WindowLayout {
inline constexpr int ClientWidth = 10215;
inline constexpr int ClientHeight = 6015;
inline constexpr TwipsRect TaskPane{0, 0, 3495, 6015};
inline constexpr TwipsRect Panel{3600, 120, 6495, 5835};
} // namespace WindowLayout

// The template that every category panel follows. H (frame height) and W
// (group width) come from the category's layout.
namespace PanelTemplate {
inline constexpr TwipsRect QuantityFrame{120, 120, 6255, 855};
inline constexpr TwipsRect QuantityBox{240, 290, 1695, 285}; // in the quantity frame
inline constexpr TwipsRect ResultBox{4320, 290, 1695, 285};  // in the quantity frame
inline constexpr TwipsRect ConvertButton{2400, 360, 1575, 375};
inline constexpr int FromFrameLeft = 120;
inline constexpr int ToFrameLeft = 3360;
inline constexpr int UnitFrameTop = 1080;
inline constexpr int UnitFrameWidth = 3015;
inline constexpr int GroupLeft = 240; // in the unit frame
inline constexpr int GroupTop = 240;
inline constexpr int GroupHeightInset = 360; // group height is H minus this
inline constexpr int RowPitch = 240;
inline constexpr int UnitHeight = 255;

inline constexpr TwipsRect unitFrame(int left, int frameHeight) {
    return {left, UnitFrameTop, UnitFrameWidth, frameHeight};
}
inline constexpr TwipsRect group(int groupWidth, int frameHeight) {
    return {GroupLeft, GroupTop, groupWidth, frameHeight - GroupHeightInset};
}
// `row` counts from 0 at the top.
inline constexpr TwipsRect unitButton(int row, int width) {
    return {0, RowPitch * row, width, UnitHeight};
}
} // namespace PanelTemplate

// A unit button whose width differs from the category's usual one.
struct UnitWidth {
    int unitIndex;
    int width; // twips
};

// The values of a category panel that the engine's table does not hold.
struct CategoryLayout {
    convert::Category category;
    std::string_view convertButton;
    int frameHeight; // H
    int groupWidth;  // W
    std::string_view quantityFrame;
    std::string_view fromFrame;
    std::string_view fromGroup;
    std::string_view toFrame;
    std::string_view toGroup;
    int unitWidth; // width of every unit button not listed in `widths`
    std::span<const UnitWidth> widths;

    int widthOf(int unitIndex) const;
};

const CategoryLayout& categoryLayout(convert::Category category);

} // namespace zelvano::app
