#include "Platform.h"

#include <QSysInfo>

namespace zelvano::app::platform {

bool initCommonControls() {
    return true; // no such library here
}

QString buildPlatformName() {
#if defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("FreeBSD");
#else
    return QSysInfo::kernelType(); // the nearest the build can tell
#endif
}

void attachParentConsole() {}

void suppressFaultDialogs() {}

} // namespace zelvano::app::platform
