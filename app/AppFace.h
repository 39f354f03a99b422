#pragma once

#include <QString>

namespace zelvano::app {

// The family of the Tahoma face that the layout was made for, made available
// to Qt where the system does not offer it; empty where there is none, and
// the window falls back to a face of close widths. One file per platform.
QString tahomaFamily();

// The Qt style the window's controls are drawn in: the system's own where Qt
// has one (Windows), Fusion elsewhere. Under high contrast Windows' visual
// style gives way to the classic one, which draws in the scheme's colours
// alone (the visual style takes a frame's caption colour, and the faces of
// boxes and buttons, from the theme).
QString nativeStyleName(bool highContrast);

} // namespace zelvano::app
