#include "TestSystem.h"

#include <QFontDatabase>

#include <windows.h>

namespace zelvano::app::test {

bool tahomaInstalled() {
    // A face of the system's Fonts folder; Windows has the bold one beside it.
    return QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
}

bool underWine() {
    // Wine's ntdll exports its version; Windows' does not.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

QAccessible::Event announcementEvent() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return QAccessible::Announcement;
#else
    return QAccessible::ValueChanged;
#endif
}

} // namespace zelvano::app::test
