#include "accessibility/Announcer.h"

#include <QAccessible>

namespace zelvano::app {

void Announcer::sendToBridge() {
    // Qt's UI Automation bridge raises nothing for a name change or an
    // object shown anew; a value change that carries a string it raises as
    // a notification with that text (Windows 10 1709 and later; before, as a
    // change of the Value property), which Narrator and NVDA speak wherever
    // the focus is.
    QAccessibleValueChangeEvent said(this, text_);
    QAccessible::updateAccessibility(&said);
}

} // namespace zelvano::app
