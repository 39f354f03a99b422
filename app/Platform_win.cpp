#include "Platform.h"

#include <windows.h>

#include <commctrl.h>

namespace zelvano::app::platform {

bool initCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_USEREX_CLASSES;
    InitCommonControlsEx(&controls); // its own result is of no use to the program
    return true;
}

QString buildPlatformName() {
    return QStringLiteral("Microsoft Windows");
}

void suppressFaultDialogs() {
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
}

} // namespace zelvano::app::platform
