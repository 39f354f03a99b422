#include "WidgetBox.h"

namespace zelvano::designer {

QString groupName() {
    return QStringLiteral("Zelvano Widgets");
}

} // namespace zelvano::designer
