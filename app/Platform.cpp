#include "Platform.h"

#include <QtGlobal> // Q_OS_WIN

#ifdef Q_OS_WIN
#include <windows.h>

#include <commctrl.h>
#endif

namespace zelvano::platform {

bool initCommonControls() {
#ifdef Q_OS_WIN
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_USEREX_CLASSES;
    InitCommonControlsEx(&controls); // its own result is of no use to the program
#endif
    return true;
}

void suppressFaultDialogs() {
#ifdef Q_OS_WIN
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
#endif
}

} // namespace zelvano::platform
