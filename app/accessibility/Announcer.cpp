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
    if (QAccessible::isActive())
        sendToBridge();
}

} // namespace zelvano::app
