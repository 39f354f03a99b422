#pragma once

#include <QFont>

namespace zelvano::app {

// The font of the window and of every control. The layout is fixed in pixels,
// so the font is sized in pixels as well (11 pixels is 8 points at 96 dots per
// inch), and its face is one whose widths the layout was made for. Loaded once.
QFont windowFont();

// The distance between the lines of multi-line labels in the window font.
// The layout's labels were made for lines about 1.2 times the font's size
// apart; some faces, the Tahoma-compatible one among them, report a line
// spacing smaller than their own height, and lines would touch.
int windowLineSpacing();

} // namespace zelvano::app
