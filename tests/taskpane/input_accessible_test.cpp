// Accessibility, in process: the pane's children with their names, roles
// and states, the press action, and the events an assistive client hears.

#include "ListeningClient.h"
#include "input/PaneAccessible.h"
#include "input_support.h"

#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>

using namespace zelvano::pane;

namespace {

using inputtest::PaneFixture;

struct Accessible : PaneFixture {
    // An assistive client in process, with accessibility active: the pane's
    // events take the path they take for a screen reader.
    zelvano::test::ListeningClient client;
    QAccessibleInterface* root = nullptr;

    Accessible() {
        fillMainWindow();
        root = QAccessible::queryAccessibleInterface(pane);
        client.clear();
    }

    // What the client heard: each event with its element's name.
    std::vector<std::pair<QAccessible::Event, QString>> heard() const {
        std::vector<std::pair<QAccessible::Event, QString>> all;
        for (const auto& h : client.heard())
            all.emplace_back(h.type, h.name);
        return all;
    }

    QAccessibleInterface* named(const QString& name) const {
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(QAccessible::Name) == name)
                return root->child(i);
        return nullptr;
    }
    static void press(QAccessibleInterface* iface) {
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
};

TEST_F(Accessible, EveryTitleAndItemIsAChildInDisplayOrder) {
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->role(), QAccessible::Pane);
    ASSERT_EQ(root->childCount(), 14);
    const QStringList names{QStringLiteral("Область"), QStringLiteral("Длина"),
                            QStringLiteral("Вес")};
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(root->child(i)->text(QAccessible::Name), names[i]) << "no \"&\" in names";
        EXPECT_EQ(root->indexOfChild(root->child(i)), i);
        EXPECT_EQ(root->child(i)->parent(), root);
    }
    EXPECT_EQ(root->child(0)->role(), QAccessible::Button);
    EXPECT_EQ(root->child(1)->role(), QAccessible::Link);
    EXPECT_EQ(root->child(1), root->child(1)) << "one interface per element";
    EXPECT_EQ(named(QStringLiteral("Справка"))->text(QAccessible::Accelerator),
              QKeySequence(Qt::ALT | Qt::Key(0x421)).toString(QKeySequence::NativeText));
}

TEST_F(Accessible, StatesFollowTheBar) {
    show();
    pane->Bars().Item(2).Items().Item(2).setItemType(ItemKindText);
    QAccessibleInterface* title = named(QStringLiteral("Справка"));
    QAccessibleInterface* text = named(itemText(u"HELP:2"));
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    EXPECT_TRUE(title->state().expandable);
    EXPECT_TRUE(title->state().expanded);
    EXPECT_FALSE(text->state().invisible);

    QAccessibleInterface* link = named(itemText(u"HELP:4"));
    EXPECT_TRUE(link->state().focusable);

    pane->Bars().Item(2).setState(BarCollapsed);
    EXPECT_TRUE(title->state().collapsed);
    EXPECT_FALSE(title->state().expanded);
    EXPECT_TRUE(title->state().focusable);
    EXPECT_TRUE(text->state().invisible);
    EXPECT_TRUE(text->rect().isEmpty());
    // Hidden in the collapsed bar: not showing, and no focus to take.
    EXPECT_TRUE(link->state().invisible);
    EXPECT_FALSE(link->state().focusable);
    const auto& all = client.heard();
    const auto change = std::find_if(all.begin(), all.end(), [](const auto& h) {
        return h.type == QAccessible::StateChanged && h.name == QStringLiteral("Справка");
    });
    ASSERT_NE(change, all.end());
    EXPECT_TRUE(change->changed.expanded && change->changed.collapsed);
}

TEST_F(Accessible, ThePaneIsNamedByItsHost) {
    EXPECT_EQ(root->text(QAccessible::Name), QString()) << "nameless until the host names it";
    pane->setWindowTitle(QStringLiteral("Панель задач"));
    EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Панель задач"));
    pane->setAccessibleName(QStringLiteral("Навигация"));
    EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Навигация"));
}

TEST_F(Accessible, PressDoesWhatAClickDoes) {
    QSignalSpy items(pane, &torkExplorerBarCtl::ItemClick);
    QSignalSpy bars(pane, &torkExplorerBarCtl::BarClick);
    press(named(QStringLiteral("Вес")));
    ASSERT_EQ(items.count(), 1);
    EXPECT_EQ(items[0][0].value<cExplorerBarItem>().Text(), QStringLiteral("&Вес"));
    press(named(QStringLiteral("Область")));
    EXPECT_EQ(bars.count(), 1);
    EXPECT_EQ(bar(0).State, BarCollapsed);

    pane->Bars().Item(2).Items().Item(1).setItemType(ItemKindText);
    EXPECT_TRUE(named(QStringLiteral("Лицензионное соглашение"))
                    ->actionInterface()
                    ->actionNames()
                    .isEmpty());
}

TEST_F(Accessible, FocusFollowsTheMarkAndRemovedElementsGoAway) {
    show();
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_Down);
    QTest::keyClick(pane, Qt::Key_Down);
    ASSERT_FALSE(heard().empty());
    EXPECT_EQ(heard().back(), std::pair(QAccessible::Focus, QStringLiteral("Длина")));
    EXPECT_EQ(root->focusChild(), named(QStringLiteral("Длина")));
    EXPECT_TRUE(root->focusChild()->state().focused);

    const QAccessible::Id gone = QAccessible::uniqueId(named(QStringLiteral("Вес")));
    pane->Bars().Item(1).Items().Remove(2);
    EXPECT_EQ(root->childCount(), 13);
    EXPECT_EQ(named(QStringLiteral("Вес")), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(gone), nullptr) << "released";
    ASSERT_FALSE(heard().empty());
    EXPECT_EQ(heard().back(), std::pair(QAccessible::ObjectReorder, QString()));
}

// Tabbing in from another control, the pane itself is reported first (by
// the toolkit, here by hand as it would) and the element that takes the
// focus mark after it, so that it is what a screen reader names last.
TEST_F(Accessible, TabbingInReportsTheMarkedElementLast) {
    auto* before = new QPushButton(QStringLiteral("before"), &window);
    before->setGeometry(235, 0, 20, 20);
    QWidget::setTabOrder(before, pane);
    show();
    before->setFocus();
    client.clear();
    for (const auto& [key, element] : {std::pair(Qt::Key_Tab, QStringLiteral("Область")),
                                       std::pair(Qt::Key_Backtab, itemText(u"HELP:4"))}) {
        before->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        ASSERT_TRUE(pane->hasFocus());
        client.clear();
        QCoreApplication::processEvents();
        ASSERT_FALSE(heard().empty());
        EXPECT_EQ(heard().back(), std::pair(QAccessible::Focus, element));
    }
    // Focus that has left again by the time the report is due is not reported.
    pane->setFocus(Qt::TabFocusReason);
    before->setFocus();
    client.clear();
    QCoreApplication::processEvents();
    EXPECT_TRUE(heard().empty());
}

} // namespace
