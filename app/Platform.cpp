#include "Platform.h"

#include <QSysInfo>
#include <QtGlobal> // Q_OS_WIN

#ifdef Q_OS_WIN
#include <windows.h>

#include <commctrl.h>
#endif

namespace zelvano::app::platform {

bool initCommonControls() {
#ifdef Q_OS_WIN
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_USEREX_CLASSES;
    InitCommonControlsEx(&controls); // its own result is of no use to the program
#endif
    return true;
}

QString buildPlatformName() {
#if defined(Q_OS_WIN)
    return QStringLiteral("Microsoft Windows");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("FreeBSD");
#else
    return QSysInfo::kernelType(); // the nearest the build can tell
#endif
}

void suppressFaultDialogs() {
#ifdef Q_OS_WIN
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
#endif
}

} // namespace zelvano::app::platform
