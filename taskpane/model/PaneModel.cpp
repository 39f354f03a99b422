#include "model/PaneModel.h"

#include "model/PaneArgs.h"
#include "model/PaneIdCounter.h"

#include <algorithm>

namespace zelvano::pane {

namespace RuntimeError = zelvano::RuntimeError;

namespace {

QString foldKey(const QString& key) {
    return key.toCaseFolded();
}

QString defaultKey(std::int32_t id) {
    return QStringLiteral("C:") + QString::number(id);
}

// Where a new element goes: before the element at the index the caller gave
// (a position, or the exact key of an element), or at the end.
template <class Record>
std::size_t insertionPoint(const std::vector<std::unique_ptr<Record>>& list,
                           const QVariant& index) {
    switch (argKind(index)) {
    case ArgKind::Missing:
        return list.size();
    case ArgKind::Number: {
        const auto position = argNumber(index);
        if (!position || *position <= 0 || *position > static_cast<std::int64_t>(list.size()))
            raisePaneError(RuntimeError::SubscriptOutOfRange);
        return static_cast<std::size_t>(*position - 1);
    }
    case ArgKind::Text: {
        // Exact comparison here, unlike every other key lookup.
        const QString key = index.toString();
        const auto it =
            std::find_if(list.begin(), list.end(), [&key](const auto& r) { return r->Key == key; });
        if (it == list.end())
            raisePaneError(RuntimeError::SubscriptOutOfRange);
        return static_cast<std::size_t>(it - list.begin());
    }
    case ArgKind::Other:
        break;
    }
    raisePaneError(RuntimeError::TypeMismatch);
}

template <class Record>
int positionOf(const std::vector<std::unique_ptr<Record>>& list, std::int32_t id) {
    const auto it =
        std::find_if(list.begin(), list.end(), [id](const auto& r) { return r->ID == id; });
    return it == list.end() ? 0 : static_cast<int>(it - list.begin()) + 1;
}

template <class Record>
void moveTo(std::vector<std::unique_ptr<Record>>& list, std::int32_t id, std::int32_t position,
            ErrorSource source) {
    if (position <= 0 || position > static_cast<std::int64_t>(list.size()))
        raisePaneError(RuntimeError::SubscriptOutOfRange, source);
    const int from = positionOf(list, id);
    if (from == 0 || from == position)
        return;
    auto record = std::move(list[from - 1]);
    list.erase(list.begin() + (from - 1));
    list.insert(list.begin() + (position - 1), std::move(record));
}

} // namespace

PaneModel::PaneModel(PaneState& state)
    : state_(state) {
    // The state may arrive filled (tests, a host restoring records).
    for (const auto& bar : state_.bars) {
        barsById_.insert(bar->ID, bar.get());
        barKeys_.insert(foldKey(bar->Key), bar->ID);
        for (const auto& item : bar->items) {
            itemsById_.insert(item->ID, item.get());
            itemKeys_.insert(foldKey(item->Key), item->ID);
        }
    }
}

pcExplorerBar* PaneModel::findBar(std::int32_t id) const {
    return barsById_.value(id, nullptr);
}

pcExplorerBar* PaneModel::barAt(int position) const {
    if (position <= 0 || position > barCount())
        return nullptr;
    return state_.bars[static_cast<std::size_t>(position - 1)].get();
}

pcExplorerBar* PaneModel::barByKey(const QString& key) const {
    const auto it = barKeys_.constFind(foldKey(key));
    return it == barKeys_.cend() ? nullptr : findBar(*it);
}

pcExplorerBar* PaneModel::lookupBar(const QVariant& indexOrKey) const {
    switch (argKind(indexOrKey)) {
    case ArgKind::Number: {
        const auto position = argNumber(indexOrKey);
        return position ? barAt(*position) : nullptr;
    }
    case ArgKind::Text:
        return barByKey(indexOrKey.toString());
    default:
        return nullptr;
    }
}

int PaneModel::barPosition(std::int32_t id) const {
    return positionOf(state_.bars, id);
}

std::optional<QString> PaneModel::validatedKey(const QVariant& key,
                                               const QHash<QString, std::int32_t>& keys) const {
    switch (argKind(key)) {
    case ArgKind::Missing:
        break;
    case ArgKind::Text: {
        const QString text = key.toString();
        if (text.isEmpty())
            break;
        if (keys.contains(foldKey(text)))
            raisePaneError(RuntimeError::DuplicateKey);
        return text;
    }
    case ArgKind::Number:
    case ArgKind::Other:
        raisePaneError(RuntimeError::TypeMismatch);
    }
    // The default key could already have been taken by a caller's own "C:n";
    // refuse here rather than leave the collections out of step.
    if (keys.contains(foldKey(defaultKey(peekNextId()))))
        raisePaneError(RuntimeError::DuplicateKey);
    return std::nullopt;
}

pcExplorerBar& PaneModel::addBar(const QVariant& index, const QVariant& key, const QString& title) {
    const std::size_t at = insertionPoint(state_.bars, index);
    const std::optional<QString> givenKey = validatedKey(key, barKeys_);

    auto bar = std::make_unique<pcExplorerBar>();
    bar->ID = takeNextId();
    bar->Key = givenKey.value_or(defaultKey(bar->ID));
    bar->Title = title;

    pcExplorerBar& record = *bar;
    barsById_.insert(record.ID, &record);
    barKeys_.insert(foldKey(record.Key), record.ID);
    state_.bars.insert(state_.bars.begin() + static_cast<std::ptrdiff_t>(at), std::move(bar));
    return record;
}

void PaneModel::forgetItem(const pcExplorerBarItem& item) {
    itemsById_.remove(item.ID);
    itemKeys_.remove(foldKey(item.Key));
}

std::unique_ptr<pcExplorerBar> PaneModel::takeBar(std::int32_t id) {
    const int position = barPosition(id);
    if (position == 0)
        return nullptr;
    auto bar = std::move(state_.bars[static_cast<std::size_t>(position - 1)]);
    state_.bars.erase(state_.bars.begin() + (position - 1));
    for (const auto& item : bar->items)
        forgetItem(*item);
    barsById_.remove(bar->ID);
    barKeys_.remove(foldKey(bar->Key));
    return bar;
}

std::vector<std::unique_ptr<pcExplorerBar>> PaneModel::takeAllBars() {
    barsById_.clear();
    barKeys_.clear();
    itemsById_.clear();
    itemKeys_.clear();
    return std::exchange(state_.bars, {});
}

void PaneModel::moveBar(std::int32_t id, std::int32_t position) {
    moveTo(state_.bars, id, position, ErrorSource::Control);
}

pcExplorerBarItem* PaneModel::findItem(std::int32_t id) const {
    return itemsById_.value(id, nullptr);
}

pcExplorerBarItem* PaneModel::itemByKey(const QString& key) const {
    const auto it = itemKeys_.constFind(foldKey(key));
    return it == itemKeys_.cend() ? nullptr : findItem(*it);
}

int PaneModel::itemPosition(const pcExplorerBar& bar, std::int32_t id) const {
    return positionOf(bar.items, id);
}

pcExplorerBarItem* PaneModel::lookupItem(const pcExplorerBar& bar,
                                         const QVariant& indexOrKey) const {
    switch (argKind(indexOrKey)) {
    case ArgKind::Number: {
        const auto position = argNumber(indexOrKey);
        if (!position || *position <= 0 || *position > static_cast<std::int64_t>(bar.items.size()))
            return nullptr;
        return bar.items[static_cast<std::size_t>(*position - 1)].get();
    }
    case ArgKind::Text: {
        pcExplorerBarItem* item = itemByKey(indexOrKey.toString());
        return item && item->BarID == bar.ID ? item : nullptr;
    }
    default:
        return nullptr;
    }
}

pcExplorerBarItem& PaneModel::itemOrRaise(const pcExplorerBar& bar,
                                          const QVariant& indexOrKey) const {
    if (pcExplorerBarItem* item = lookupItem(bar, indexOrKey))
        return *item;
    switch (argKind(indexOrKey)) {
    case ArgKind::Number:
        raisePaneError(RuntimeError::SubscriptOutOfRange);
    case ArgKind::Other:
        raisePaneError(RuntimeError::TypeMismatch);
    default:
        raisePaneError(RuntimeError::InvalidCall);
    }
}

pcExplorerBarItem& PaneModel::addItem(pcExplorerBar& bar, const QVariant& index,
                                      const QVariant& key, const QString& text,
                                      std::int32_t iconIndex, std::int32_t itemType) {
    const std::size_t at = insertionPoint(bar.items, index);
    const std::optional<QString> givenKey = validatedKey(key, itemKeys_);

    auto item = std::make_unique<pcExplorerBarItem>();
    item->ID = takeNextId();
    item->BarID = bar.ID;
    item->Key = givenKey.value_or(defaultKey(item->ID));
    item->Text = text;
    item->IconIndex = iconIndex;
    item->ItemType = itemType;

    pcExplorerBarItem& record = *item;
    itemsById_.insert(record.ID, &record);
    itemKeys_.insert(foldKey(record.Key), record.ID);
    bar.items.insert(bar.items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return record;
}

std::unique_ptr<pcExplorerBarItem> PaneModel::takeItem(pcExplorerBar& bar, std::int32_t id) {
    const int position = itemPosition(bar, id);
    if (position == 0)
        return nullptr;
    auto item = std::move(bar.items[static_cast<std::size_t>(position - 1)]);
    bar.items.erase(bar.items.begin() + (position - 1));
    forgetItem(*item);
    return item;
}

std::vector<std::unique_ptr<pcExplorerBarItem>> PaneModel::takeAllItems(pcExplorerBar& bar) {
    for (const auto& item : bar.items)
        forgetItem(*item);
    return std::exchange(bar.items, {});
}

void PaneModel::moveItem(pcExplorerBar& bar, std::int32_t id, std::int32_t position) {
    moveTo(bar.items, id, position, ErrorSource::ItemsIndex);
}

} // namespace zelvano::pane
