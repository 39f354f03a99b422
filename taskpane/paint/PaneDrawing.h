#pragma once

// Drawing primitives of the task pane, independent of its records: title
// strips, glyphs, chevrons, focus marks and the search-style outline. All
// coordinates are device-independent pixels; the painter may be scaled for
// HiDPI back buffers.

#include "FocusMark.h"

#include <QColor>
#include <QRect>

class QPainter;
class QImage;
class QWidget;

namespace zelvano::pane {

struct PaneImage;

// Draws a picture at its device-independent size, choosing its 2x version
// on a HiDPI painter.
void drawPaneImage(QPainter& p, const QPoint& at, const PaneImage& image);

// Stretches a title-strip picture over the strip. The rounded ends keep
// their width (only the middle is stretched) so that the corners stay round.
void drawStretchedStrip(QPainter& p, const QRect& strip, const PaneImage& image);

// Emulated title strip: horizontal gradient up to the glyph, the end colour
// under the glyph, top corners rounded (first row 2, second row 1 pixel in).
void drawGradientStrip(QPainter& p, const QRect& strip, const QColor& start, const QColor& end,
                       int glyphWidth);

// Classic title glyph: two line-drawn chevrons in a 16-pixel box from 22 to
// 5 pixels inside the strip's right end; a raised edge while hot.
void drawClassicGlyph(QPainter& p, const QRect& strip, bool expanded, bool hot, const QColor& ink,
                      const QColor& light, const QColor& shadow);

using zelvano::drawFocusMark;

// One-pixel outline with cut corners (search style).
void drawCutCornerOutline(QPainter& p, const QRect& rect, const QColor& colour);

// Gives an off-screen image the widget's dots per inch, so that a font sized
// in points is as large on it as on the widget where it is measured.
void shareTextResolution(QImage& image, const QWidget& widget);

// A picture drawn at its device-independent size.
void drawPicture(QPainter& p, const QRect& target, const QImage& picture);

} // namespace zelvano::pane
