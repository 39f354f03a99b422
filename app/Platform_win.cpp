#include "Platform.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

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

namespace {

UINT consoleCodePageBefore = 0;

void restoreConsoleCodePage() {
    SetConsoleOutputCP(consoleCodePageBefore);
}

} // namespace

void attachParentConsole() {
    // Output redirected by the caller already has somewhere to go.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    // The answer is UTF-8; the console gets its own code page back at the end.
    consoleCodePageBefore = GetConsoleOutputCP(); // 0 without a console
    if (consoleCodePageBefore != 0 && consoleCodePageBefore != CP_UTF8 &&
        SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreConsoleCodePage);
}

void suppressFaultDialogs() {
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
}

} // namespace zelvano::app::platform
