#include "QuantityBox.h"

#include <QKeyEvent>

namespace zelvano::app {

namespace {

// The keypad's decimal key arrives as a period or a comma, as the keyboard
// layout has it; with Num Lock off it is a Delete key and stays one.
bool isKeypadDecimal(const QKeyEvent& event) {
    const Qt::KeyboardModifiers others = event.modifiers() & ~Qt::KeypadModifier;
    return (event.modifiers() & Qt::KeypadModifier) && others == Qt::NoModifier &&
           (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma);
}

} // namespace

QuantityBox::QuantityBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    setMaxLength(kMaxLength);
}

void QuantityBox::keyPressEvent(QKeyEvent* event) {
    if (isKeypadDecimal(*event) && !isReadOnly()) {
        insert(decimalSeparator_);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace zelvano::app
