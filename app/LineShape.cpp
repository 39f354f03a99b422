#include "LineShape.h"

#include <QPainter>

#include <algorithm>

namespace zelvano::app {

QRect LineShape::coveredPixels(int x1, int y1, int x2, int y2, int penWidth) {
    const int width = std::max(penWidth, 1);
    const int before = width / 2; // pixels before the line's own row or column
    const int left = twipsToPixels(std::min(x1, x2));
    const int right = twipsToPixels(std::max(x1, x2));
    const int top = twipsToPixels(std::min(y1, y2));
    const int bottom = twipsToPixels(std::max(y1, y2));
    if (top == bottom) // horizontal; the end point is not drawn
        return QRect(left, top - before, std::max(right - left, 1), width);
    return QRect(left - before, top, width, std::max(bottom - top, 1));
}

LineShape::LineShape(int x1, int y1, int x2, int y2, ColourValue colour, int penWidth,
                     QWidget* parent)
    : QWidget(parent)
    , colour_(colour)
    , penWidth_(penWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(coveredPixels(x1, y1, x2, y2, penWidth));
}

void LineShape::paintEvent(QPaintEvent* /*event*/) {
    // The colour is resolved at every paint, so a palette change recolours it.
    const auto resolved = resolveColour(colour_, palette());
    if (!resolved)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), *resolved);
}

} // namespace zelvano::app
