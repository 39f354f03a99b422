#pragma once

// The focus mark that the window's texts, the links and the task pane draw
// themselves: a dotted outline, in a colour the caller takes from the colour
// rule (ContrastRule.h).

#include "CommonExport.h"

class QColor;
class QPainter;
class QRect;

namespace zelvano {

// Dotted rectangle of single (device-independent) pixels, the outline of rect.
ZELVANO_COMMON_EXPORT void drawFocusMark(QPainter& p, const QRect& rect, const QColor& colour);

} // namespace zelvano
