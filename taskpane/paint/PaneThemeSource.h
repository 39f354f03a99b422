#pragma once

// Where the themed image set comes from. On Windows it is the current visual
// style's own task-pane image library; elsewhere, and wherever a folder of
// pictures is put in its place, a folder of PNGs named by image number.

#include "paint/PaneTheme.h"

#include <functional>
#include <optional>

class QWidget;

namespace zelvano::pane {

struct ThemeOffer {
    bool active = false;            // a visual style is active for the pane
    std::optional<GlyphSet> images; // all eleven, or nothing when any is missing
    PaneImage background;           // optional
};

using ThemeSource = std::function<ThemeOffer(const QWidget* pane)>;

// The system's offer, read anew on every call (a theme may have changed).
ThemeOffer systemTheme(const QWidget* pane);

// The pictures in `folder`, offered while the widget's style counts as a
// visual style (visualStyleActive).
ThemeOffer folderTheme(const QWidget* pane, const QString& folder);

// The theme's task-pane image library: beside the theme file, in
// Shell\<colour scheme>\shellstyle.dll.
QString shellStyleLibraryPath(const QString& themeFile, const QString& colourScheme);

#ifdef Q_OS_WIN
// What an active theme with this file and colour scheme offers.
ThemeOffer shellStyleTheme(const QString& themeFile, const QString& colourScheme);
// The eleven bitmaps of a task-pane image library, read as data; nothing
// when the library or any bitmap is missing.
std::optional<GlyphSet> shellStyleImages(const QString& libraryPath);
#endif

} // namespace zelvano::pane
