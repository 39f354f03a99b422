#include "ResultBox.h"

#include <QEvent>
#include <QFocusEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zelvano::app {

namespace {

// QLineEdit keeps this gap between its contents rectangle and the text on
// each side, and a one-pixel cursor after the last character.
constexpr int kTextGap = 2;
constexpr int kCursorWidth = 1;

} // namespace

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent) {
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, [this] {
        showStart();
        offerWholeText();
    });
}

bool ResultBox::textFits() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    const int room = contents.width() - 2 * kTextGap - kCursorWidth;
    return fontMetrics().horizontalAdvance(text()) <= room;
}

// QLineEdit scrolls so that the cursor is visible, and setText() leaves the
// cursor after the last character.
void ResultBox::showStart() {
    setCursorPosition(0);
}

void ResultBox::offerWholeText() {
    const QString whole = textFits() ? QString() : text();
    setToolTip(whole);
    setAccessibleDescription(whole);
}

void ResultBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        offerWholeText();
}

// Reached by Tab, a line edit selects its text, and the caret report that
// comes with it makes a screen reader take the box as focused already: for
// an empty box it then says nothing at all. An empty text has nothing to
// select, so the box takes the focus as it would from a click.
void ResultBox::focusInEvent(QFocusEvent* event) {
    const bool byKeyboard =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (text().isEmpty() && byKeyboard) {
        QFocusEvent quiet(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&quiet);
        return;
    }
    QLineEdit::focusInEvent(event);
}

void ResultBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    offerWholeText();
}

} // namespace zelvano::app
