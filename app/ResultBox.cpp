#include "ResultBox.h"

#include <QEvent>
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

void ResultBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    offerWholeText();
}

} // namespace zelvano::app
