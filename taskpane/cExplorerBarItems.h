#pragma once

// Handle on the items of one bar (pane window id and bar ID).

#include "TaskPaneExport.h"
#include "cExplorerBarItem.h"

#include <QVariant>

class ZELVANO_TASKPANE_EXPORT cExplorerBarItems {
public:
    cExplorerBarItems() = default;
    cExplorerBarItems(PaneWindowId window, std::int32_t barId);

    bool isNull() const { return barId_ == 0; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const cExplorerBarItems&) const = default;

    std::int32_t Count() const;
    void Clear();
    // Position or key; an item that is not in this bar is ignored.
    void Remove(const QVariant& key);
    // All optional. Index: a position (1..Count) or the exact key of an item
    // of this bar to insert before; Key: text unique among all items of the
    // pane. Errors 9, 13, 457; nothing changes on error.
    cExplorerBarItem Add(const QVariant& index = {}, const QVariant& key = {},
                         const QString& text = {}, std::int32_t iconIndex = -1,
                         std::int32_t itemType = ItemKindLink);
    // Position or key; error 5 for a missing key, 9 for a bad position.
    cExplorerBarItem Item(const QVariant& key) const;
    bool Exists(const QVariant& indexOrKey) const;

private:
    struct Target; // the pane's core and the records, in the source file
    Target resolve() const;

    PaneWindowId window_ = 0;
    std::int32_t barId_ = 0;
};
