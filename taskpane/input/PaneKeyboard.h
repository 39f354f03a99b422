#pragma once

// The task pane's keyboard: the focus mark walked with Up, Down, Home, End,
// Tab and Shift+Tab over the focusable elements, Enter and Space clicking
// the marked element on release, and tabbing into and out of the pane.

#include "model/PaneElement.h"

#include <Qt>

class QKeyEvent;

namespace zelvano::pane {

class torkExplorerBarCtlPrivate;

class PaneKeyboard {
public:
    explicit PaneKeyboard(torkExplorerBarCtlPrivate& pane);

    // True when the key was the pane's; false lets it travel on.
    bool keyPress(const QKeyEvent& event);
    bool keyRelease(const QKeyEvent& event);
    // Tab (forward) or Shift+Tab inside the pane; false when no element is
    // left, after which the input focus leaves the pane.
    bool tab(bool forward);
    // The pane received the input focus; Tab and Shift+Tab land on its
    // first or last element.
    void focusEntered(Qt::FocusReason reason);

private:
    // Titles of expandable bars, and the clickable links and hosted
    // controls of expanded bars.
    bool isFocusable(PaneElement element) const;
    PaneElement step(PaneElement from, bool forward) const;
    PaneElement tabStop(PaneElement from, bool forward) const;
    PaneElement barStop(int position) const;
    PaneElement home() const;
    PaneElement end() const;
    // Moves the mark there (none clears it), shows it and scrolls to it.
    void navigateTo(PaneElement target);

    torkExplorerBarCtlPrivate& pane_;
    int pressedKey_ = 0; // Enter or Space pressed in the pane, awaiting release
};

} // namespace zelvano::pane
