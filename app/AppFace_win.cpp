#include "AppFace.h"

namespace zelvano::app {

QString tahomaFamily() {
    return QStringLiteral("Tahoma"); // the system's own face
}

} // namespace zelvano::app
