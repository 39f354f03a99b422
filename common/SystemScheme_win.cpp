#include "SystemScheme.h"

#include <windows.h>

namespace zelvano {

bool systemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, setting.cbSize, &setting, 0) != 0 &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// Qt's palette keeps its own link colour under every scheme; the scheme's
// is COLOR_HOTLIGHT.
std::optional<QColor> systemHyperlinkColour() {
    const DWORD colour = GetSysColor(COLOR_HOTLIGHT);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

} // namespace zelvano
