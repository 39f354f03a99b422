#include "paint/PaneThemeSource.h"

namespace zelvano::pane {

ThemeOffer folderTheme(const QWidget* pane, const QString& folder) {
    ThemeOffer offer;
    offer.active = visualStyleActive(pane);
    if (!offer.active)
        return offer;
    offer.images = loadThemeImages(folder);
    if (offer.images)
        offer.background =
            loadPaneImage(folder, QString::fromLatin1(ThemeLibrary::kBackgroundName));
    return offer;
}

QString shellStyleLibraryPath(const QString& themeFile, const QString& colourScheme) {
    const QString folder = themeFile.left(themeFile.lastIndexOf(u'\\') + 1);
    return folder + QLatin1String("Shell\\") + colourScheme + QLatin1String("\\shellstyle.dll");
}

} // namespace zelvano::pane
