#pragma once

class QStyle;

namespace zelvano::app {

// The platform's style (nativeStyleName) with the metrics and frames of the classic desktop the
// pixel layout was made for: a 13-pixel option indicator 4 pixels from its caption (larger values
// cut the longest unit captions), and frames whose etched border runs through the middle of the
// caption, so that contents placed by the layout tables do not sit on the border.
// In a dark or high-contrast scheme it also draws the edges of boxes, buttons, frames and option
// indicators in a colour that stands out from the window; its focus marks stand out in every
// scheme.
QStyle* createLayoutStyle(bool highContrast);

// The style the program runs in for the scheme: the layout style, or on Windows the platform's
// style as it is.
QStyle* createAppStyle(bool highContrast);

} // namespace zelvano::app
