#include "input/PaneKeyboard.h"

#include "torkExplorerBarCtlPrivate.h"

#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace zelvano::pane {

namespace {

bool isActivationKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool hostsControl(const pcExplorerBarItem& item) {
    return item.ItemType == ItemKindHostedControl && item.lPtrPanel;
}

bool isFocusableItem(const pcExplorerBarItem& item) {
    return (item.ItemType == ItemKindLink && item.CanClick) || hostsControl(item);
}

} // namespace

PaneKeyboard::PaneKeyboard(torkExplorerBarCtlPrivate& pane)
    : pane_(pane) {}

bool PaneKeyboard::isFocusable(PaneElement element) const {
    const pcExplorerBar* bar = pane_.model.findBar(element.barId);
    if (!bar)
        return false;
    if (element.isTitle())
        return bar->CanExpand;
    const pcExplorerBarItem* item = pane_.model.findItem(element.itemId);
    return item && bar->State == BarExpanded && isFocusableItem(*item);
}

PaneElement PaneKeyboard::step(PaneElement from, bool forward) const {
    // Walks every title and item in display order, so that a mark on an
    // element that is not focusable (a collapsed bar's item marked by its
    // mnemonic) still has a next and a previous element.
    std::vector<PaneElement> all;
    for (const auto& bar : pane_.state.bars) {
        all.push_back(PaneElement::title(bar->ID));
        for (const auto& item : bar->items)
            all.push_back(PaneElement::item(bar->ID, item->ID));
    }
    const auto at = std::find(all.begin(), all.end(), from);
    if (forward) {
        for (auto it = at == all.end() ? all.begin() : at + 1; it != all.end(); ++it)
            if (isFocusable(*it))
                return *it;
    } else {
        for (auto it = at == all.end() ? all.rbegin() : std::make_reverse_iterator(at);
             it != all.rend(); ++it)
            if (isFocusable(*it))
                return *it;
    }
    return {};
}

PaneElement PaneKeyboard::barStop(int position) const {
    const pcExplorerBar& bar = *pane_.state.bars[static_cast<std::size_t>(position)];
    if (bar.CanExpand)
        return PaneElement::title(bar.ID);
    if (bar.State == BarExpanded)
        for (const auto& item : bar.items)
            if (isFocusableItem(*item))
                return PaneElement::item(bar.ID, item->ID);
    return {};
}

PaneElement PaneKeyboard::tabStop(PaneElement from, bool forward) const {
    // Tab moves from bar to bar (its title, or its first element when the
    // title cannot take the mark); Shift+Tab from an item goes to its title.
    const int count = pane_.model.barCount();
    const int at = pane_.model.barPosition(from.barId) - 1; // -1: no mark
    if (at < 0)
        return step({}, forward);
    if (forward) {
        for (int p = at + 1; p < count; ++p)
            if (const PaneElement stop = barStop(p); !stop.isNone())
                return stop;
        return {};
    }
    if (from.isItem() && isFocusable(PaneElement::title(from.barId)))
        return PaneElement::title(from.barId);
    for (int p = at - 1; p >= 0; --p)
        if (const PaneElement stop = barStop(p); !stop.isNone())
            return stop;
    return {};
}

PaneElement PaneKeyboard::home() const {
    const pcExplorerBar& first = *pane_.state.bars.front();
    return first.CanExpand ? PaneElement::title(first.ID) : step({}, true);
}

PaneElement PaneKeyboard::end() const {
    const pcExplorerBar& last = *pane_.state.bars.back();
    if (last.CanExpand && last.State != BarExpanded)
        return PaneElement::title(last.ID);
    for (auto it = last.items.rbegin(); it != last.items.rend(); ++it) {
        const pcExplorerBarItem& item = **it;
        const bool placeholderWithout = item.ItemType == ItemKindHostedControl && !item.lPtrPanel;
        if (item.ItemType != ItemKindText && item.CanClick && !placeholderWithout)
            return PaneElement::item(last.ID, item.ID);
    }
    return last.CanExpand ? PaneElement::title(last.ID) : step({}, false);
}

void PaneKeyboard::navigateTo(PaneElement target) {
    pane_.state.keyboardUsed = true;
    pane_.setFocusMark(target);
    pane_.repaintSoon();
    if (target.isNone())
        return;
    if (pcExplorerBar* bar = pane_.model.findBar(target.barId); bar && target.isItem()) {
        if (bar->State != BarExpanded)
            pane_.animateBarTo(*bar, BarExpanded);
    }
    pcExplorerBar* bar = pane_.model.findBar(target.barId);
    pcExplorerBarItem* item = target.isItem() ? pane_.model.findItem(target.itemId) : nullptr;
    if (!bar || (target.isItem() && !item))
        return;
    pane_.scrollIntoView(*bar, item);
    // A hosted control that refuses the focus leaves it where it was.
    if (item && hostsControl(*item))
        item->lPtrPanel->setFocus(Qt::OtherFocusReason);
}

bool PaneKeyboard::keyPress(const QKeyEvent& event) {
    if (pane_.state.bars.empty())
        return false;
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int key = event.key();
    const PaneElement mark = pane_.focusMark();
    if (isActivationKey(key)) {
        // Without a mark the key is not the pane's: a dialog's default
        // button may take it.
        if (mark.isNone())
            return false;
        if (!event.isAutoRepeat())
            pressedKey_ = key;
        return true;
    }
    switch (key) {
    case Qt::Key_Down:
        navigateTo(step(mark, true));
        return true;
    case Qt::Key_Up:
        navigateTo(step(mark, false));
        return true;
    case Qt::Key_Home:
        navigateTo(home());
        return true;
    case Qt::Key_End:
        navigateTo(end());
        return true;
    default:
        return false; // Page Up and Page Down included: read, not acted upon
    }
}

bool PaneKeyboard::keyRelease(const QKeyEvent& event) {
    if (pane_.state.bars.empty() || !isActivationKey(event.key()) || event.isAutoRepeat())
        return false;
    // Only a key pressed here: the release of an Enter that closed a
    // message box opened by a click must not click again.
    if (pressedKey_ != event.key())
        return false;
    pressedKey_ = 0;
    const PaneElement mark = pane_.focusMark();
    if (mark.isItem())
        pane_.clickItem(mark.itemId);
    else if (mark.isTitle())
        pane_.clickBar(mark.barId);
    return true;
}

bool PaneKeyboard::tab(bool forward) {
    if (pane_.state.bars.empty())
        return false;
    const PaneElement target = tabStop(pane_.focusMark(), forward);
    navigateTo(target);
    return !target.isNone();
}

void PaneKeyboard::focusEntered(Qt::FocusReason reason) {
    pressedKey_ = 0;
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
        return;
    if (pane_.state.bars.empty())
        return;
    // Back from a hosted control: go on from its item; else start afresh.
    PaneElement from = pane_.focusMark();
    const pcExplorerBarItem* item = pane_.model.findItem(from.itemId);
    if (!item || !hostsControl(*item))
        from = {};
    const PaneElement target = tabStop(from, reason == Qt::TabFocusReason);
    if (!target.isNone())
        navigateTo(target);
}

} // namespace zelvano::pane
