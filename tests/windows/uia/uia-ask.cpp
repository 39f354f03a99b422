// Asks a window for its UI Automation root, as a screen reader does on
// start: the program's toolkit turns UI Automation on at that request, and
// the stand-in core, handed the root, records the element tree. The request
// carries SNAPSHOT, which numbers that record.
//   uia-ask.exe WINDOW-TITLE SNAPSHOT   (exit 1: no such window, or no answer)

#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3)
        return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (window == nullptr)
        return 1;
    constexpr LPARAM rootObjectId = -25;
    DWORD_PTR result = 0;
    const WPARAM snapshot = std::wcstoul(argv[2], nullptr, 10);
    return SendMessageTimeoutW(window, WM_GETOBJECT, snapshot, rootObjectId, SMTO_ABORTIFHUNG,
                               30000, &result)
               ? 0
               : 1;
}
