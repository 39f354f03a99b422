#include "ConsoleOutput.h"

#include <windows.h>

#include <cstdlib>

namespace zelvano {

namespace {

UINT codePageBefore = 0;

void restoreCodePage() {
    SetConsoleOutputCP(codePageBefore);
}

} // namespace

void useUtf8ConsoleUntilExit() {
    codePageBefore = GetConsoleOutputCP(); // 0 without a console
    if (codePageBefore != 0 && codePageBefore != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreCodePage);
}

} // namespace zelvano
