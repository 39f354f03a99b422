#pragma once

#include "AppTestSupport.h"

namespace zelvano::app::test {

// A window whose pane items are clicked by key, through the pane's own event.
class NavigationTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale::c()); }

    torkExplorerBarCtl& pane() { return *window->taskPane(); }

    cExplorerBarItem item(const QString& key) {
        cExplorerBars bars = pane().Bars();
        for (int bar = 1; bar <= bars.Count(); ++bar)
            if (cExplorerBarItems items = bars.Item(bar).Items(); items.Exists(key))
                return items.Item(key);
        ADD_FAILURE() << "no item " << key.toStdString();
        return {};
    }

    void click(const QString& key) { emit pane().ItemClick(item(key)); }

    QString categoryTitle() { return pane().Bars().Item(1).Title(); }

    // The objectName of the one visible panel, or the names of all visible ones.
    QString visiblePanels() {
        QStringList names;
        for (std::size_t i = 0; i < kPanelCount; ++i)
            if (QWidget* panel = window->panel(static_cast<PanelId>(i)); panel->isVisible())
                names << panel->objectName();
        return names.join(u',');
    }
};

} // namespace zelvano::app::test
