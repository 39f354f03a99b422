#pragma once

// Handle on the bars of a task pane (its window id only).

#include "TaskPaneExport.h"
#include "cExplorerBar.h"

class ZELVANO_TASKPANE_EXPORT cExplorerBars {
public:
    cExplorerBars() = default;
    explicit cExplorerBars(PaneWindowId window);

    bool isNull() const { return window_ == 0; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const cExplorerBars&) const = default;

    std::int32_t Count() const;
    void Clear();
    // Position or key; a missing bar is ignored.
    void Remove(const QVariant& key);
    // All optional. Index: a position (1..Count) or the exact key of a bar to
    // insert before; Key: text unique among the bars. Errors 9, 13, 457;
    // nothing changes on error.
    cExplorerBar Add(const QVariant& index = {}, const QVariant& key = {},
                     const QString& title = {});
    // Position or key; none when missing.
    cExplorerBar Item(const QVariant& indexOrKey) const;
    bool Exists(const QVariant& indexOrKey) const;

private:
    PaneWindowId window_ = 0;
};
