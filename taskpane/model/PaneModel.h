#pragma once

// The task pane's keyed, ordered collections over PaneState: bars in display
// order, each bar's items in order, and lookups by ID and by key. Keys compare
// without regard to case; bar keys are unique among bars, item keys among all
// items of the pane. Every mutation validates first and raises the pane's
// numbered errors before anything changes.

#include "model/PaneErrors.h"
#include "model/PaneRecords.h"

#include <QHash>
#include <QVariant>

#include <cstdint>
#include <memory>

namespace zelvano::pane {

class PaneModel {
public:
    explicit PaneModel(PaneState& state);
    PaneModel(const PaneModel&) = delete;
    PaneModel& operator=(const PaneModel&) = delete;

    // Bars.
    int barCount() const { return static_cast<int>(state_.bars.size()); }
    pcExplorerBar* findBar(std::int32_t id) const;
    pcExplorerBar* barAt(int position) const; // 1-based; null outside 1..count
    pcExplorerBar* barByKey(const QString& key) const;
    // Position or key; null when missing, never raises.
    pcExplorerBar* lookupBar(const QVariant& indexOrKey) const;
    int barPosition(std::int32_t id) const; // 1-based, 0 when not found

    // Validates (9, 13, 457), then inserts a new bar before `index` or at the end.
    pcExplorerBar& addBar(const QVariant& index, const QVariant& key, const QString& title);
    // Unlinks the bar and its items; the caller decides what to do with them.
    std::unique_ptr<pcExplorerBar> takeBar(std::int32_t id);
    std::vector<std::unique_ptr<pcExplorerBar>> takeAllBars();
    // Moves the bar to 1-based `position` (error 9 outside 1..count).
    void moveBar(std::int32_t id, std::int32_t position);

    // Items.
    pcExplorerBarItem* findItem(std::int32_t id) const;
    pcExplorerBarItem* itemByKey(const QString& key) const;            // any bar
    int itemPosition(const pcExplorerBar& bar, std::int32_t id) const; // 1-based, 0 if none
    // Position or key within `bar`; null when missing, never raises.
    pcExplorerBarItem* lookupItem(const pcExplorerBar& bar, const QVariant& indexOrKey) const;
    // As lookupItem, but a missing key raises 5 and a bad position 9.
    pcExplorerBarItem& itemOrRaise(const pcExplorerBar& bar, const QVariant& indexOrKey) const;

    pcExplorerBarItem& addItem(pcExplorerBar& bar, const QVariant& index, const QVariant& key,
                               const QString& text, std::int32_t iconIndex, std::int32_t itemType);
    std::unique_ptr<pcExplorerBarItem> takeItem(pcExplorerBar& bar, std::int32_t id);
    std::vector<std::unique_ptr<pcExplorerBarItem>> takeAllItems(pcExplorerBar& bar);
    // Moves the item to 1-based `position` in its bar (error 9, source
    // cExplorerBarItems, outside 1..count).
    void moveItem(pcExplorerBar& bar, std::int32_t id, std::int32_t position);

private:
    // The key a caller gave, validated: none when missing or empty.
    std::optional<QString> validatedKey(const QVariant& key,
                                        const QHash<QString, std::int32_t>& keys) const;
    void forgetItem(const pcExplorerBarItem& item);

    PaneState& state_;
    QHash<std::int32_t, pcExplorerBar*> barsById_;
    QHash<QString, std::int32_t> barKeys_; // case-folded key -> bar ID
    QHash<std::int32_t, pcExplorerBarItem*> itemsById_;
    QHash<QString, std::int32_t> itemKeys_; // case-folded key -> item ID
};

} // namespace zelvano::pane
