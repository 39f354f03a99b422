#pragma once

// The task pane's data: one record per bar and per item, and the pane-wide
// state. The pane's core (torkExplorerBarCtlPrivate) owns them; layout, painting and
// input read and update them; the public handle classes reach them by ID.

#include "model/PaneTypes.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zelvano::pane {

struct pcExplorerBarItem {
    std::int32_t ID = 0;
    std::int32_t BarID = 0;
    QString Text;
    QString Key;
    QString Tag;
    std::int32_t ItemData = 0;
    std::int32_t IconIndex = -1;
    OleColour TextColor = kDefaultColour;
    OleColour TextColorOver = kDefaultColour;
    bool CanClick = true;
    std::int32_t ItemType = ItemKindLink;
    QString ToolTipText;
    QPointer<QWidget> lPtrPanel; // hosted control of a placeholder item
    std::optional<QFont> Font;   // none: the pane's default font
    bool Bold = false;
    std::int32_t SpacingAfter = 0;
    std::int32_t HeightWithScroll = 0;
    std::int32_t HeightWithoutScroll = 0;
    std::int32_t Top = 0;
    bool MouseDown = false;
    bool MouseOver = false;
    bool HasFocus = false;
};

struct pcExplorerBar {
    std::int32_t ID = 0;
    QString Title;
    QString ToolTipText;
    QString Key;
    QString Tag;
    std::int32_t ItemData = 0;
    OleColour TitleBackColorLight = kDefaultColour;
    OleColour TitleBackColorDark = kDefaultColour;
    OleColour PanelBackColor = kDefaultColour;
    std::optional<QFont> TitleFont; // stored only; titles use the bold default font
    OleColour TitleForeColor = kDefaultColour;
    OleColour TitleForeColorOver = kDefaultColour;
    bool CanExpand = true;
    std::int32_t State = BarExpanded;
    bool IsSpecial = false;
    std::int32_t IconIndex = -1;
    std::int32_t TitleHeightWithScroll = 24;
    std::int32_t TitleTextHeightWithScroll = 0;
    bool SingleLineTitleWithScroll = false;
    std::int32_t TitleHeightWithoutScroll = 24;
    std::int32_t TitleTextHeightWithoutScroll = 0;
    bool SingleLineTitleWithoutScroll = false;
    std::int32_t HeightWithScroll = 12;
    std::int32_t HeightWithoutScroll = 12;
    std::int32_t Top = 0;
    bool MouseOver = false;
    bool MouseDown = false;
    bool Expanding = false;
    bool Collapsing = false;
    std::int32_t Alpha = 255;
    std::int32_t CollapseOffset = 0;
    std::int32_t Height = 0;
    bool HasFocus = false;
    std::int32_t WatermarkHAlign = 2;
    std::int32_t WatermarkVAlign = 1;
    std::int32_t WatermarkMode = 0;
    QImage watermark;         // as set by the host, 32-bit
    QImage watermarkRendered; // after recolouring (WatermarkMode 0)

    // The bar's items in display order; the bar owns them.
    std::vector<std::unique_ptr<pcExplorerBarItem>> items;

    bool isAnimating() const { return Expanding || Collapsing; }
};

// Pane-wide state that layout, painting and input share.
struct PaneState {
    std::vector<std::unique_ptr<pcExplorerBar>> bars; // display order
    bool ShowFocusRect = true;
    OleColour BackColorStart = kSysColourWindow;
    OleColour BackColorEnd = kSysColourWindow;
    bool UseExplorerTransitionStyle = true;
    bool UseExplorerStyle = true;
    std::int32_t Style = PaneStyleTaskPane;
    bool Redraw = true;
    std::int32_t focusBarID = 0;
    std::int32_t focusItemID = 0;
    bool keyboardUsed = false;
    bool hasFocus = false;
    std::int32_t hoverBarID = 0; // 0 = none
    std::int32_t hoverItemID = 0;
    std::int32_t lastHighlightBarID = 0;
    std::int32_t lastHighlightItemID = 0;
    PaneImageList imageList;      // item icons
    PaneImageList titleImageList; // bar-title icons
    OleColour defaultPanelColour = 0;
    bool scrollBarVisible = false;
    int scrollValue = 0;
    int contentHeight = 0; // laid-out height including the final gap
};

} // namespace zelvano::pane
