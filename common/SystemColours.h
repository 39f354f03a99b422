#pragma once

// The system colour table: what each system-colour index stands for in a Qt
// palette. The one place that decides it, for every control and the window.

#include "CommonExport.h"

#include <QColor>

class QPalette;

namespace zelvano {

// The system colour indices that have a colour of their own.
enum SystemColour : int {
    SysScrollBar = 0,
    SysBackground = 1,
    SysActiveCaption = 2,
    SysInactiveCaption = 3,
    SysMenu = 4,
    SysWindow = 5,
    SysWindowFrame = 6,
    SysMenuText = 7,
    SysWindowText = 8,
    SysCaptionText = 9,
    SysActiveBorder = 10,
    SysInactiveBorder = 11,
    SysAppWorkspace = 12,
    SysHighlight = 13,
    SysHighlightText = 14,
    SysButtonFace = 15,
    SysButtonShadow = 16,
    SysGrayText = 17,
    SysButtonText = 18,
    SysInactiveCaptionText = 19,
    SysButtonHighlight = 20,
    SysDarkShadow3D = 21,
    SysLight3D = 22,
    SysInfoText = 23,
    SysInfoBackground = 24,
    SysHotLight = 26,
    SysGradientActiveCaption = 27,
    SysGradientInactiveCaption = 28,
    SysMenuHighlight = 29,
    SysMenuBar = 30,
};

// The colour a system-colour index stands for in `palette`. An index the
// table does not hold gives the palette's window text colour, which stays
// readable on any palette.
ZELVANO_COMMON_EXPORT QColor systemColour(int index, const QPalette& palette);

// Per channel A * w / 255 + B * (255 - w) / 255, rounded to nearest; w is
// clamped to 0..255.
ZELVANO_COMMON_EXPORT QColor blend(const QColor& a, const QColor& b, int w);

} // namespace zelvano
