// The task pane's design-time form (no message hooks, no Alt+letter
// shortcuts, no timers) against its form in a program. These read the hook
// and timer bookkeeping, which the shared library keeps to itself, so they
// link the pane's code directly.

#include "system/MSubclass.h"
#include "system/MTimer.h"
#include "torkExplorerBarCtl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QShortcut>

#include <gtest/gtest.h>

using namespace zelvano::pane;

namespace {

// Moves the pointer down the middle of the pane, over every title and item.
void sweepPointer(QWidget& pane) {
    for (int y = 0; y < pane.height(); y += 3) {
        const QPoint at(pane.width() / 2, y);
        QMouseEvent move(QEvent::MouseMove, at, pane.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&pane, &move);
    }
}

// The same pane in a program and in the designer: each with a bar whose
// title has a mnemonic, in a window of its own, the pointer moved over it.
TEST(DesignerPane, SetsUpNoHooksShortcutsOrTimers) {
    const struct {
        torkExplorerBarCtl::Environment environment;
        bool live;
    } cases[] = {{torkExplorerBarCtl::Environment::Program, true},
                 {torkExplorerBarCtl::Environment::Designer, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.live ? "program" : "designer");
        const int hookedBefore = MSubclass::hookedWindows();
        const auto timersBefore = MTimer::systemTimersStarted();
        QWidget window;
        auto* pane = new torkExplorerBarCtl(&window, c.environment);
        pane->resize(200, 300);
        cExplorerBar bar = pane->Bars().Add({}, {}, QStringLiteral("&Tasks"));
        bar.Items().Add({}, {}, QStringLiteral("&Open"));
        bar.Items().Add({}, {}, QStringLiteral("&Close"));
        sweepPointer(*pane);

        EXPECT_EQ(MSubclass::attachmentCount(pane) > 0, c.live);
        EXPECT_EQ(MSubclass::isHooked(&window), c.live) << "settings-change hook on the window";
        EXPECT_EQ(MSubclass::hookedWindows() > hookedBefore, c.live);
        EXPECT_EQ(window.findChildren<QShortcut*>().size() == 3, c.live);
        EXPECT_EQ(MTimer::systemTimersStarted() > timersBefore, c.live) << "hover timer";
        EXPECT_EQ(pane->Bars().Item(1).Items().Count(), 2) << "the object model works in both";
    }
}

} // namespace
