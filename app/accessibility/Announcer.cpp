#include "accessibility/Announcer.h"

#include <QAccessible>

namespace zelvano::app {

Announcer::Announcer(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& text) {
    text_ = text;
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(this, text_);
    QAccessible::updateAccessibility(&said);
#else
    sendToBridge();
#endif
}

} // namespace zelvano::app
