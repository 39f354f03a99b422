#include "Platform.h"

#include "ConsoleOutput.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>

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

void attachParentConsole() {
    // Output redirected by the caller already has somewhere to go.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    useUtf8ConsoleUntilExit();
}

void suppressFaultDialogs() {
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
}

} // namespace zelvano::app::platform
