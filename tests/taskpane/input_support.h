#pragma once

// A shown task pane in a window, filled through its object model, with the
// geometry of its titles and items read back from the records, and mouse
// moves sent as the window system sends them. Animation pacing is off.

#include "input/PaneAnimation.h"
#include "main_window_sample.h"
#include "model/PaneElement.h"
#include "torkExplorerBarCtl.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace zelvano::pane;

namespace inputtest {

struct PaneFixture : ::testing::Test {
    QWidget window;
    torkExplorerBarCtl* pane = new torkExplorerBarCtl(&window);

    PaneFixture() {
        PaneAnimation::setPaced(false);
        window.resize(260, 420);
        pane->setGeometry(0, 0, 233, 401);
    }

    void show() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The main window's two bars, eight categories and four help items, with
    // a mnemonic on every category and on the help bar's title.
    void fillMainWindow() {
        using namespace paintfix;
        auto bars = pane->Bars();
        for (const SampleBar& entry : kMainWindowBars) {
            auto bar = bars.Add({}, entry.key.toString(),
                                (entry.special ? QString() : QStringLiteral("&")) +
                                    entry.title.toString());
            if (entry.special)
                bar.setIsSpecial(true);
        }
        for (const SampleItem& item : kMainWindowItems) {
            const bool category = kMainWindowBars[std::size_t(item.bar - 1)].special;
            bars.Item(item.bar).Items().Add(
                {}, {}, (category ? QStringLiteral("&") : QString()) + item.text.toString());
        }
    }

    // The text of the main window's item under `key`.
    static QString itemText(QStringView key) {
        return paintfix::mainWindowItem(key).text.toString();
    }

    const PaneState& state() const { return paneStateOf(*pane); }
    const pcExplorerBar& bar(int index) const { return *state().bars.at(std::size_t(index)); }
    const pcExplorerBarItem& item(int barIndex, int index) const {
        return *bar(barIndex).items.at(std::size_t(index));
    }

    int titleHeight(const pcExplorerBar& b) const {
        return state().scrollBarVisible ? b.TitleHeightWithScroll : b.TitleHeightWithoutScroll;
    }
    QPoint titleCentre(int barIndex) const {
        const pcExplorerBar& b = bar(barIndex);
        return {pane->width() / 2, b.Top - state().scrollValue + titleHeight(b) / 2};
    }
    QPoint itemCentre(int barIndex, int index) const {
        const pcExplorerBar& b = bar(barIndex);
        const pcExplorerBarItem& it = item(barIndex, index);
        const int h = state().scrollBarVisible ? it.HeightWithScroll : it.HeightWithoutScroll;
        return {40, b.Top - state().scrollValue + titleHeight(b) + it.Top + h / 2};
    }
    // Below the last bar: inside the pane, over no element.
    QPoint emptySpace() const { return {pane->width() / 2, pane->height() - 3}; }

    void moveTo(QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(pane, &move);
    }

    // Marks of the focus and of the keyboard, for short assertions.
    PaneElement mark() const {
        if (state().focusItemID)
            return {0, state().focusItemID};
        return {state().focusBarID, 0};
    }
    PaneElement titleMark(int barIndex) const { return {bar(barIndex).ID, 0}; }
    PaneElement itemMark(int barIndex, int index) const { return {0, item(barIndex, index).ID}; }
};

} // namespace inputtest
