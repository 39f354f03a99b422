#pragma once

// Handle on one item of a task pane: the pane's window id, the bar ID and the
// item ID, nothing else. Every call finds the item again and raises error 364
// when the pane or the item is gone. A default-constructed handle is "none".

#include "TaskPaneExport.h"
#include "model/PaneTypes.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class ZELVANO_TASKPANE_EXPORT cExplorerBarItem {
public:
    cExplorerBarItem() = default;
    cExplorerBarItem(PaneWindowId window, std::int32_t barId, std::int32_t itemId);

    bool isNull() const { return itemId_ == 0; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const cExplorerBarItem&) const = default;

    std::int32_t ItemType() const;
    void setItemType(std::int32_t type);
    std::int32_t IconIndex() const;
    void setIconIndex(std::int32_t index);
    QString Text() const;
    void setText(const QString& text);
    QString ToolTipText() const;
    void setToolTipText(const QString& text);
    std::optional<QFont> Font() const; // none: the pane's default font
    void setFont(const std::optional<QFont>& font);
    bool Bold() const;
    void setBold(bool bold);
    std::int32_t SpacingAfter() const;
    void setSpacingAfter(std::int32_t pixels);
    // The hosted control of a placeholder item; the pane re-parents it.
    QWidget* Control() const;
    void setControl(QWidget* control);
    OleColour TextColor() const;
    void setTextColor(OleColour colour);
    OleColour TextColorOver() const;
    void setTextColorOver(OleColour colour);
    bool CanClick() const;
    void setCanClick(bool canClick);
    QString Key() const;
    QString Tag() const;
    void setTag(const QString& tag);
    std::int32_t ItemData() const;
    void setItemData(std::int32_t data);
    std::int32_t Index() const;
    void setIndex(std::int32_t position);
    void EnsureVisible();

private:
    struct Target; // the pane's core and the records, in the source file
    Target resolve() const;

    PaneWindowId window_ = 0;
    std::int32_t barId_ = 0;
    std::int32_t itemId_ = 0;
};
