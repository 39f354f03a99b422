#include "paint/PaneThemeSource.h"

namespace zelvano::pane {

// Without the system's task-pane images, the set built into the pane stands
// in for them.
ThemeOffer systemTheme(const QWidget* pane) {
    return folderTheme(pane, QString::fromLatin1(ThemeLibrary::kDefaultLocation));
}

} // namespace zelvano::pane
