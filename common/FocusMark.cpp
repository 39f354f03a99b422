#include "FocusMark.h"

#include <QImage>
#include <QPainter>

namespace zelvano {

void drawFocusMark(QPainter& p, const QRect& rect, const QColor& colour) {
    if (rect.width() < 1 || rect.height() < 1)
        return;
    // A 2 x 2 checkerboard anchored at the painter's origin, scaled with the
    // painter so that each dot is one device-independent pixel.
    QImage dots(2, 2, QImage::Format_ARGB32_Premultiplied);
    dots.fill(Qt::transparent);
    dots.setPixel(0, 0, colour.rgba());
    dots.setPixel(1, 1, colour.rgba());
    const QBrush brush(dots);
    const QPointF origin = p.brushOrigin();
    p.setBrushOrigin(0, 0);
    const int x = rect.left(), y = rect.top(), w = rect.width(), h = rect.height();
    p.fillRect(QRect(x, y, w, 1), brush);
    if (h > 1)
        p.fillRect(QRect(x, y + h - 1, w, 1), brush);
    if (h > 2) {
        p.fillRect(QRect(x, y + 1, 1, h - 2), brush);
        if (w > 1)
            p.fillRect(QRect(x + w - 1, y + 1, 1, h - 2), brush);
    }
    p.setBrushOrigin(origin);
}

} // namespace zelvano
