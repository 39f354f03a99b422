#include "AppFace.h"

namespace zelvano::app {

QString tahomaFamily() {
    return QStringLiteral("Tahoma"); // the system's own face
}

QString nativeStyleName() {
    return QStringLiteral("windowsvista");
}

} // namespace zelvano::app
