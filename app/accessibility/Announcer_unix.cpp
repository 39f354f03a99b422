#include "accessibility/Announcer.h"

#include <QAccessible>

namespace zelvano::app {

void Announcer::sendToBridge() {
    // The AT-SPI bridge passes on a notification object shown anew, which
    // Orca reads with its name; a name change alone is read only on the
    // focused object.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace zelvano::app
