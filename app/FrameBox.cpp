#include "FrameBox.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace zelvano {

namespace {

constexpr int kTitleLeft = 6;    // caption indent from the frame's left edge
constexpr int kTitlePadding = 2; // gap in the border on each side of the caption

} // namespace

QRect FrameBox::titleRect() const {
    if (title().isEmpty())
        return {};
    const QFontMetrics metrics = fontMetrics();
    return QRect(kTitleLeft, 0, metrics.horizontalAdvance(title()) + 2 * kTitlePadding,
                 metrics.height());
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect title = titleRect();
    const QRect border = rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
    if (!title.isEmpty())
        painter.setClipRegion(QRegion(rect()).subtracted(title));
    qDrawShadeRect(&painter, border, palette(), true, 1, 0);
    painter.setClipping(false);
    if (!title.isEmpty())
        style()->drawItemText(&painter, title, Qt::AlignCenter | Qt::TextSingleLine, palette(),
                              isEnabled(), this->title(), QPalette::WindowText);
}

} // namespace zelvano
