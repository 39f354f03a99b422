#pragma once

class QStyle;

namespace zelvano::app {

// The platform's style (nativeStyleName) with the metrics and frames of the classic desktop the
// pixel layout was made for: a 13-pixel option indicator 4 pixels from its caption (larger values
// cut the longest unit captions), and frames whose etched border runs through the middle of the
// caption, so that contents placed by the layout tables do not sit on the border.
QStyle* createLayoutStyle();

} // namespace zelvano::app
