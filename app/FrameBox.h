#pragma once

#include <QGroupBox>

namespace zelvano {

// A frame as the layout tables mean it: an etched border whose top runs
// through the middle of the caption, so that the contents' twips offsets
// (counted from the frame's outer edge) leave the same room as they were made
// for. Qt styles that put the caption above the border would push it into the
// first row of contents.
class FrameBox final : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    // Where the caption is drawn, in the frame's coordinates; empty without one.
    QRect titleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zelvano
