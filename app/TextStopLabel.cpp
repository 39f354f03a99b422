#include "TextStopLabel.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zelvano::app {

TextStopLabel::TextStopLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setFocusPolicy(Qt::TabFocus);
}

// Plain text is marked where it stands; rich text fills the label.
QRect TextStopLabel::textRect() const {
    const QRect area = contentsRect();
    if (textFormat() != Qt::PlainText)
        return area;
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    return fontMetrics().boundingRect(area, flags, text()).adjusted(-1, 0, 1, 1) & rect();
}

void TextStopLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = textRect();
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

// QLabel repaints nothing when the focus comes or goes.
void TextStopLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void TextStopLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

} // namespace zelvano::app
