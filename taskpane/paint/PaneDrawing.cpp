#include "paint/PaneDrawing.h"

#include "paint/PaneTheme.h"

#include <QBrush>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QWidget>

#include <algorithm>

namespace zelvano::pane {

namespace {

qreal painterRatio(const QPainter& p) {
    return p.device() ? p.device()->devicePixelRatio() : 1.0;
}

// Chevron pixels of the classic glyph for a collapsed bar (pointing down),
// relative to the box's top-left; the second chevron lies 4 pixels lower.
// Lines end before their last point, as line drawing does.
constexpr QPoint kChevronPixels[] = {
    {5, 4}, {6, 5}, {7, 6}, {8, 7}, {9, 6},  {10, 5}, {11, 4}, // (5,4)-(8,7)-(12,3)
    {6, 4}, {7, 5}, {8, 6}, {9, 5}, {10, 4},                   // (6,4)-(8,6)-(11,3)
};
constexpr int kChevronRepeat = 4;
// The same chevron as an outline (its pixels' upper and lower edges), for
// screens of higher density: drawn smoothly instead of as enlarged pixels.
constexpr QPointF kChevronOutline[] = {{5, 4},  {6.5, 4},  {8.5, 6}, {10.5, 4},
                                       {12, 4}, {12, 4.5}, {8.5, 8}, {5, 4.5}};
// The emulated strip's rounded top corners: the circle that the 1x steps
// (2 pixels in on the first row, 1 on the second) stand for.
constexpr int kCornerRadius = 3;

} // namespace

void drawPaneImage(QPainter& p, const QPoint& at, const PaneImage& image) {
    if (image.isNull())
        return;
    p.drawImage(QRect(at, image.size()), image.forRatio(painterRatio(p)));
}

void drawStretchedStrip(QPainter& p, const QRect& strip, const PaneImage& image) {
    if (image.isNull() || strip.isEmpty())
        return;
    const QImage& src = image.forRatio(painterRatio(p));
    const qreal scale = qreal(src.width()) / image.size().width();
    const int logicalWidth = image.size().width();
    // Ends of a quarter of the picture (at most 8 pixels) keep their size.
    const int end = std::min({8, logicalWidth / 4, strip.width() / 2});
    const auto part = [&](int sx, int sw, int dx, int dw) {
        if (sw <= 0 || dw <= 0)
            return;
        p.drawImage(QRectF(dx, strip.top(), dw, strip.height()), src,
                    QRectF(sx * scale, 0, sw * scale, src.height()));
    };
    part(0, end, strip.left(), end);
    part(end, logicalWidth - 2 * end, strip.left() + end, strip.width() - 2 * end);
    part(logicalWidth - end, end, strip.right() + 1 - end, end);
}

void drawGradientStrip(QPainter& p, const QRect& strip, const QColor& start, const QColor& end,
                       int glyphWidth) {
    if (strip.isEmpty())
        return;
    const int gradientEnd = strip.left() + std::max(0, strip.width() - glyphWidth - 2);
    // From the first pixel's centre to the last one's: exact end colours.
    QLinearGradient g(strip.left() + 0.5, 0, gradientEnd - 0.5, 0);
    g.setColorAt(0, start);
    g.setColorAt(1, end);
    const QBrush brush = gradientEnd > strip.left() ? QBrush(g) : QBrush(end);
    const int x = strip.left(), w = strip.width(), y = strip.top();
    if (painterRatio(p) > 1 && w > 2 * kCornerRadius && strip.height() > kCornerRadius) {
        // At higher density the corners are real curves, not the 1x steps.
        QPainterPath outline;
        const QRectF r(strip);
        const qreal d = 2 * kCornerRadius;
        outline.moveTo(r.left(), r.bottom() + 1);
        outline.arcTo(QRectF(r.left(), r.top(), d, d), 180, -90);
        outline.arcTo(QRectF(r.right() + 1 - d, r.top(), d, d), 90, -90);
        outline.lineTo(r.right() + 1, r.bottom() + 1);
        outline.closeSubpath();
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(outline, brush);
        p.restore();
        return;
    }
    p.fillRect(QRect(x + 2, y, w - 4, 1), brush);
    p.fillRect(QRect(x + 1, y + 1, w - 2, 1), brush);
    p.fillRect(QRect(x, y + 2, w, strip.height() - 2), brush);
}

void drawClassicGlyph(QPainter& p, const QRect& strip, bool expanded, bool hot, const QColor& ink,
                      const QColor& light, const QColor& shadow) {
    const int right = strip.right() + 1;
    const QRect box(right - 22, strip.top() + (strip.height() - 16) / 2, 17, 16);
    if (painterRatio(p) > 1) {
        // Smooth chevrons covering the 1x pixels' area.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int copy = 0; copy < 2; ++copy) {
            QPolygonF chevron;
            for (const QPointF& pt : kChevronOutline) {
                const qreal y = pt.y() + copy * kChevronRepeat;
                chevron << QPointF(box.left() + pt.x(),
                                   box.top() + (expanded ? box.height() - y : y));
            }
            p.drawPolygon(chevron);
        }
        p.restore();
    }
    for (int copy = 0; copy < 2 && painterRatio(p) <= 1; ++copy) {
        for (const QPoint& pt : kChevronPixels) {
            const int y = pt.y() + copy * kChevronRepeat;
            // Expanded: mirrored top to bottom within the box.
            const int my = expanded ? box.height() - 1 - y : y;
            p.fillRect(QRect(box.left() + pt.x(), box.top() + my, 1, 1), ink);
        }
    }
    if (hot) {
        p.fillRect(QRect(box.left(), box.top(), box.width() - 1, 1), light);
        p.fillRect(QRect(box.left(), box.top(), 1, box.height() - 1), light);
        p.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), shadow);
        p.fillRect(QRect(box.right(), box.top(), 1, box.height()), shadow);
    }
}

void drawCutCornerOutline(QPainter& p, const QRect& r, const QColor& colour) {
    if (r.width() < 3 || r.height() < 3)
        return;
    p.fillRect(QRect(r.left() + 1, r.top(), r.width() - 2, 1), colour);
    p.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 2, 1), colour);
    p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), colour);
    p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), colour);
}

void shareTextResolution(QImage& image, const QWidget& widget) {
    constexpr double kMetresPerInch = 0.0254;
    image.setDotsPerMeterX(qRound(widget.logicalDpiX() / kMetresPerInch));
    image.setDotsPerMeterY(qRound(widget.logicalDpiY() / kMetresPerInch));
}

void drawPicture(QPainter& p, const QRect& target, const QImage& picture) {
    if (picture.isNull() || target.isEmpty())
        return;
    const bool scaled = target.size() * picture.devicePixelRatio() != picture.size();
    if (scaled)
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(target, picture);
    if (scaled)
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

} // namespace zelvano::pane
