#pragma once

class QStyle;

namespace zelvano {

// Fusion with the option-button metrics of the classic desktop the pixel layout
// was made for (a 13-pixel indicator, 4 pixels to the caption). Fusion's own
// larger values cut the longest unit captions by two pixels.
QStyle* createLayoutStyle();

} // namespace zelvano
