#pragma once

// Fixed distances of the task pane's layout, in device-independent pixels.

namespace zelvano::pane {

inline constexpr int kSideMargin = 12; // pane edge to bar, bar edge to item/title text
inline constexpr int kBarGap = 15; // above each bar (search style: first only) and below the last
inline constexpr int kPanelInnerMargin = 6; // above the first and below the last item
inline constexpr int kMinTitleHeight = 24;
inline constexpr int kTitleTextAllowance = 11; // added to the title text height
inline constexpr int kEmptyTitleGap = 16;      // replaces the strip of an empty, fixed title
inline constexpr int kGlyphSize = 19;          // the pane's own expand/collapse glyphs
inline constexpr int kGlyphFallbackWidth = 20; // title text reserve when no glyph is loaded
inline constexpr int kTitleTextInset =
    4; // title text inside the strip, and after an icon/before the glyph
inline constexpr int kSearchTitleShrink = 8; // search style: extra right reserve of the title text
inline constexpr int kItemTextReserve = 23;  // item text measured this much narrower than the item
inline constexpr int kItemIconGap = 6;       // between an item icon and its text
inline constexpr int kItemExtraHeight = 2;   // added to the larger of text and icon height
inline constexpr int kHostedControlLeft =
    24; // placeholder controls: x, and width = client - 2 * this
inline constexpr int kClassicGlyphHeight = 16;
inline constexpr int kClassicGlyphLeft = 22; // classic chevron box: from right - 22 ...
inline constexpr int kClassicGlyphRight = 5; // ... to right - 5

// The pane's content is laid out within this height: dozens of screens, far
// beyond any real pane, yet every sum of positions stays well inside int and
// the back buffer, which holds the whole content, stays tens of megabytes.
// Sizes a caller gives (SpacingAfter takes any 32-bit value) are added in 64
// bits and clamped to it.
inline constexpr int kMaxContentHeight = 1 << 16;

} // namespace zelvano::pane
