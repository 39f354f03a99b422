#pragma once

// What a HyperLink keeps behind its face: the label it shows, the leave poll,
// the settings' values and the services. Not installed; the control's own
// files and its tests include it.

#include "HyperLink.h"
#include "LinkServices.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>

class QMouseEvent;
class QTimer;

namespace zelvano::link {

class LinkLabel;

class HyperLinkPrivate {
public:
    explicit HyperLinkPrivate(HyperLink& link);

    static HyperLinkPrivate& of(HyperLink& link) { return *link.d; }

    // Where the leave poll reads the pointer's screen position; QCursor::pos()
    // unless set (tests drive it).
    void setCursorSource(std::function<QPoint()> source);

    void refit();
    void applyColours();
    void applyFont();
    void applyFrame();
    void startHover(const QMouseEvent& event);
    void endHover();
    void playClickSound();
    void openTarget();

    HyperLink& q;
    LinkLabel* label = nullptr;
    QTimer* leaveTimer = nullptr;
    QString target;
    HyperLink::ColourValue foreColor = kContainerColour;
    HyperLink::ColourValue backColor = kContainerColour;
    HyperLink::ColourValue hoverColor = HyperLink::kDefaultHoverColor;
    HyperLink::Alignment alignment = HyperLink::Alignment::Left;
    HyperLink::Appearance appearance = HyperLink::Appearance::ThreeD;
    HyperLink::BorderStyle borderStyle = HyperLink::BorderStyle::None;
    bool autoSize = true;
    bool autoToolTip = true;
    bool moUnderline = false;
    bool moPointer = false;
    bool soundOn = false;
    std::int32_t soundId = 0;
    bool hovering = false;
    bool pressed = false;
    bool ownEnabled = true;
    bool refitting = false;
    QSize fittedSize; // the size the last fit to the text gave
    QSize heldSize;   // the size the holder last gave, if any
    ShellOpen shellOpen;
    SoundPlayer soundPlayer;
    std::function<QPoint()> cursorSource;
};

} // namespace zelvano::link
