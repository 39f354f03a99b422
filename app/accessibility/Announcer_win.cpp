#include "accessibility/Announcer.h"

#include <QAccessible>

namespace zelvano::app {

void Announcer::sendToBridge() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(this, text_);
    QAccessible::updateAccessibility(&said);
#else
    // Before announcements had an event of their own, the AT-SPI bridge
    // passed on a notification object shown anew, which Orca reads with
    // its name; a name change alone is read only on the focused object.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace zelvano::app
