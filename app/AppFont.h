#pragma once

#include <QFont>

namespace zelvano {

// The font of the window and of every control. The layout is fixed in pixels,
// so the font is sized in pixels as well (11 pixels is 8 points at 96 dots per
// inch), and its face is one whose widths the layout was made for. Loaded once.
QFont windowFont();

} // namespace zelvano
