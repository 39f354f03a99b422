#pragma once

// Handle on one bar of a task pane (pane window id and bar ID).

#include "TaskPaneExport.h"
#include "cExplorerBarItems.h"

#include <QImage>

class ZELVANO_TASKPANE_EXPORT cExplorerBar {
public:
    cExplorerBar() = default;
    cExplorerBar(PaneWindowId window, std::int32_t barId);

    bool isNull() const { return barId_ == 0; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const cExplorerBar&) const = default;

    bool IsSpecial() const;
    void setIsSpecial(bool special);
    QImage WatermarkPicture() const; // null image: none
    void setWatermarkPicture(const QImage& picture);
    std::int32_t WatermarkMode() const;
    void setWatermarkMode(std::int32_t mode);
    std::int32_t WatermarkHAlign() const;
    void setWatermarkHAlign(std::int32_t align);
    std::int32_t WatermarkVAlign() const;
    void setWatermarkVAlign(std::int32_t align);
    std::int32_t IconIndex() const;
    void setIconIndex(std::int32_t index);
    QString Title() const;
    void setTitle(const QString& title);
    QString ToolTipText() const;
    void setToolTipText(const QString& text);
    OleColour TitleBackColorLight() const;
    void setTitleBackColorLight(OleColour colour);
    OleColour TitleBackColorDark() const;
    void setTitleBackColorDark(OleColour colour);
    OleColour BackColor() const;
    void setBackColor(OleColour colour);
    std::optional<QFont> TitleFont() const;
    void setTitleFont(const std::optional<QFont>& font);
    OleColour TitleForeColor() const;
    void setTitleForeColor(OleColour colour);
    OleColour TitleForeColorOver() const;
    void setTitleForeColorOver(OleColour colour);
    bool CanExpand() const;
    void setCanExpand(bool canExpand);
    // BarCollapsed or BarExpanded (any non-zero value means expanded).
    std::int32_t State() const;
    void setState(std::int32_t state);
    void EnsureVisible();
    QString Key() const;
    QString Tag() const;
    void setTag(const QString& tag);
    std::int32_t ItemData() const;
    void setItemData(std::int32_t data);
    std::int32_t Index() const;
    void setIndex(std::int32_t position); // 1..count, else error 9
    cExplorerBarItems Items() const;

private:
    struct Target; // the pane's core and the records, in the source file
    Target resolve() const;

    PaneWindowId window_ = 0;
    std::int32_t barId_ = 0;
};
