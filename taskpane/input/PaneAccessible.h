#pragma once

// The task pane for screen readers and UI automation: the pane, and under it
// one accessible child per bar title and per item in display order (a
// placeholder item shows as its hosted control, the scroll bar comes last).
// Titles are buttons with their expanded or collapsed state, links are
// links, text items static text; every clickable element has a press action
// that clicks it as the mouse does.

#include "model/PaneElement.h"

#include <QAccessibleWidget>
#include <QHash>

#include <vector>

namespace zelvano::pane {

class torkExplorerBarCtlPrivate;

class PaneAccessible : public QAccessibleWidget {
public:
    explicit PaneAccessible(QWidget* pane);

    // Registers the factory that gives every pane this interface (once).
    static void install();

    // Notifications from the pane, sent only while an assistive client
    // listens: the focus mark moved, a bar changed state, elements were
    // added, removed or renamed.
    static void focusMoved(QWidget& pane, PaneElement element);
    static void stateChanged(QWidget& pane, std::int32_t barId);
    static void elementsChanged(QWidget& pane);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The interface of one title or item (made once, then reused).
    QAccessibleInterface* elementInterface(PaneElement element) const;

protected:
    ~PaneAccessible() override;

private:
    class Element;

    // The pane's core; none while the pane is being destroyed.
    torkExplorerBarCtlPrivate* core() const;
    std::vector<QAccessibleInterface*> children() const;
    void forgetStale() const;

    // The pane as registered: widget() is already null when Qt deletes
    // this interface because the pane is gone.
    const QWidget* registeredPane_;
    mutable QHash<quint64, QAccessible::Id> elements_;
};

} // namespace zelvano::pane
