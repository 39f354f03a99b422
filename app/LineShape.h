#pragma once

#include "ColourValue.h"
#include "Twips.h"

#include <QWidget>

namespace zelvano::app {

// A horizontal or vertical line of the window layout, drawn with a colour
// value (plain RGB or a system colour) and a pen width in pixels. A wide pen
// covers the pixels on either side of the line as the classic desktop draws
// it: the extra pixel of an even width lies above (or left of) the line, so a
// 2-pixel shadow line with a 1-pixel light line on the same coordinates
// makes an etched rule. Lines that are neither are not part of any layout.
class LineShape final : public QWidget {
    Q_OBJECT

public:
    // `x1`..`y2` in twips, relative to `parent`.
    LineShape(int x1, int y1, int x2, int y2, ColourValue colour, int penWidth, QWidget* parent);

    ColourValue colour() const { return colour_; }
    int penWidth() const { return penWidth_; }

    // The pixels the line covers, relative to the parent.
    static QRect coveredPixels(int x1, int y1, int x2, int y2, int penWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourValue colour_;
    int penWidth_;
};

} // namespace zelvano::app
