#include "AppFace.h"

namespace zelvano::app {

QString tahomaFamily() {
    return QStringLiteral("Tahoma"); // the system's own face
}

QString nativeStyleName(bool highContrast) {
    return highContrast ? QStringLiteral("windows") : QStringLiteral("windowsvista");
}

} // namespace zelvano::app
