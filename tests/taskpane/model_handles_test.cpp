// Handles that outlive their records, hosted controls, and the pane's own
// properties with their design-time storage. Run under AddressSanitizer too:
// a stale handle must fail with 364 without touching freed memory.

#include "model_support.h"
#include "paint/PaneColours.h"

#include "torkExplorerBarCtl.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QSignalSpy>
#include <QWidget>

#include <functional>
#include <memory>

using namespace zelvano::pane;

using modeltest::errorNumberOf;
using modeltest::errorOf;

namespace {

struct Handles {
    cExplorerBars bars;
    cExplorerBar bar;
    cExplorerBarItems items;
    cExplorerBarItem item;
};

Handles fill(torkExplorerBarCtl& pane) {
    Handles h;
    h.bars = pane.Bars();
    h.bar = h.bars.Add({}, {}, QStringLiteral("Область"));
    h.items = h.bar.Items();
    h.item = h.items.Add({}, {}, QStringLiteral("Длина"));
    h.bars.Add({}, QStringLiteral("HELP"), QStringLiteral("Справка"));
    return h;
}

void expectUnloaded(const std::function<void()>& call, const char* what) {
    const auto error = errorOf(call);
    ASSERT_TRUE(error) << what;
    EXPECT_EQ(error->number(), 364) << what;
    EXPECT_EQ(error->description(), "Object has been unloaded.") << what;
    EXPECT_EQ(error->source(), modeltest::kProgram + ".torkExplorerBarCtl") << what;
}

// Reads and writes through every kind of bar and item member.
void expectBarUnloaded(cExplorerBar bar) {
    expectUnloaded([&] { bar.Title(); }, "bar Title");
    expectUnloaded([&] { bar.setTitle(QStringLiteral("x")); }, "bar setTitle");
    expectUnloaded([&] { bar.setState(BarCollapsed); }, "bar setState");
    expectUnloaded([&] { bar.setIndex(1); }, "bar setIndex");
    expectUnloaded([&] { bar.setWatermarkPicture(QImage(4, 4, QImage::Format_RGB32)); },
                   "bar setWatermarkPicture");
    expectUnloaded([&] { bar.EnsureVisible(); }, "bar EnsureVisible");
    expectUnloaded([&] { bar.Items(); }, "bar Items");
}

void expectItemsUnloaded(cExplorerBarItems items) {
    expectUnloaded([&] { items.Count(); }, "items Count");
    expectUnloaded([&] { items.Add(); }, "items Add");
    expectUnloaded([&] { items.Exists(1); }, "items Exists");
    expectUnloaded([&] { items.Clear(); }, "items Clear");
}

void expectItemUnloaded(cExplorerBarItem item) {
    expectUnloaded([&] { item.Text(); }, "item Text");
    expectUnloaded([&] { item.setBold(true); }, "item setBold");
    expectUnloaded([&] { item.setControl(nullptr); }, "item setControl");
    expectUnloaded([&] { item.setIndex(1); }, "item setIndex");
    expectUnloaded([&] { item.EnsureVisible(); }, "item EnsureVisible");
}

TEST(StaleHandles, FailCleanlyOnceTheirRecordIsRemoved) {
    torkExplorerBarCtl pane;
    const struct {
        const char* name;
        std::function<void(Handles&)> remove;
        bool barGone;
    } removals[] = {
        {"Items.Remove", [](Handles& h) { h.items.Remove(1); }, false},
        {"Items.Clear", [](Handles& h) { h.items.Clear(); }, false},
        {"Bars.Remove", [](Handles& h) { h.bars.Remove(1); }, true},
        {"Bars.Clear", [](Handles& h) { h.bars.Clear(); }, true},
    };
    for (const auto& r : removals) {
        SCOPED_TRACE(r.name);
        Handles h = fill(pane);
        r.remove(h);
        expectItemUnloaded(h.item);
        if (r.barGone) {
            expectBarUnloaded(h.bar);
            expectItemsUnloaded(h.items);
        } else {
            EXPECT_EQ(h.bar.Title(), QStringLiteral("Область"));
            EXPECT_EQ(h.items.Count(), 0);
        }
        h.bars.Clear();
    }
}

TEST(StaleHandles, FailCleanlyOnceThePaneIsDestroyed) {
    auto pane = std::make_unique<torkExplorerBarCtl>();
    Handles h = fill(*pane);
    h.item.setControl(new QWidget);
    pane.reset();

    expectUnloaded([&] { h.bars.Count(); }, "bars Count");
    expectUnloaded([&] { h.bars.Add(); }, "bars Add");
    expectUnloaded([&] { h.bars.Item(1); }, "bars Item");
    expectBarUnloaded(h.bar);
    expectItemsUnloaded(h.items);
    expectItemUnloaded(h.item);

    // A new pane is a new window: old handles stay dead.
    torkExplorerBarCtl successor;
    fill(successor);
    expectUnloaded([&] { h.bars.Count(); }, "bars Count after a new pane");
    expectItemUnloaded(h.item);
}

TEST(StaleHandles, NoneHandlesFailLikeUnloadedOnes) {
    expectUnloaded([] { cExplorerBars().Count(); }, "none bars");
    expectBarUnloaded(cExplorerBar());
    expectItemUnloaded(cExplorerBarItem());
}

TEST(StaleHandles, ItemHandleStaysValidWhileItsBarMoves) {
    torkExplorerBarCtl pane;
    Handles h = fill(pane);
    h.bar.setIndex(2);
    h.item.setIndex(1);
    EXPECT_EQ(h.item.Text(), QStringLiteral("Длина"));
    EXPECT_EQ(h.bar.Index(), 2);
}

class HostedControls : public ::testing::Test {
protected:
    void SetUp() override {
        top_.resize(300, 400);
        pane_ = new torkExplorerBarCtl(&top_);
        pane_->resize(240, 400);
        h_ = fill(*pane_);
        h_.item.setItemType(ItemKindHostedControl);
    }

    QWidget top_;
    torkExplorerBarCtl* pane_ = nullptr;
    Handles h_;
};

TEST_F(HostedControls, ControlIsReparentedAndTakesThePanelColour) {
    auto* first = new QWidget;
    h_.item.setControl(first);
    EXPECT_EQ(h_.item.Control(), first);
    EXPECT_EQ(first->parentWidget(), pane_);
    EXPECT_TRUE(first->autoFillBackground());
    // In the classic look (no visual style) the panel colour is a system colour.
    const OleColour panel = pane_->DefaultPanelColor(false);
    EXPECT_EQ(first->palette().color(QPalette::Window),
              resolveColour(panel, panel, pane_->palette()));

    auto* second = new QWidget;
    first->show();
    h_.item.setControl(second);
    EXPECT_TRUE(first->isHidden());
    EXPECT_EQ(h_.item.Control(), second);

    second->show();
    h_.items.Remove(1);
    EXPECT_TRUE(second->isHidden());
}

TEST_F(HostedControls, RefusesThePaneAndItsAncestors) {
    auto* mine = new QWidget;
    h_.item.setControl(mine);
    for (QWidget* bad : {static_cast<QWidget*>(pane_), &top_}) {
        EXPECT_EQ(errorNumberOf(errorOf([&] { h_.item.setControl(bad); })), 5);
        EXPECT_EQ(h_.item.Control(), mine);
        EXPECT_EQ(pane_->parentWidget(), &top_);
    }
}

TEST_F(HostedControls, ControlDeletedByTheHostIsForgotten) {
    auto* control = new QWidget;
    h_.item.setControl(control);
    delete control;
    EXPECT_EQ(h_.item.Control(), nullptr);
    h_.item.setText(QStringLiteral("ещё"));
    h_.bars.Clear();
}

TEST(PaneProperties, StoredSettingsRoundTripWithoutDefaults) {
    torkExplorerBarCtl pane;
    PanePropertyBag bag;
    pane.writeProperties(bag);
    EXPECT_TRUE(bag.isEmpty()) << "defaults are not written";

    // As the main window stores its pane.
    pane.setBackColorStart(0);
    pane.setBackColorEnd(0);
    pane.writeProperties(bag);
    EXPECT_EQ(bag.names(), QStringList({"BackColorEnd", "BackColorStart"}));

    pane.setShowFocusRect(false);
    pane.setUseExplorerTransitionStyle(false);
    pane.setBackColorEnd(0x00FF8040);
    pane.writeProperties(bag);

    torkExplorerBarCtl restored;
    QSignalSpy changes(&restored, &torkExplorerBarCtl::PropertyChanged);
    restored.readProperties(bag);
    EXPECT_EQ(changes.count(), 0) << "reading is not a change";
    EXPECT_EQ(restored.BackColorStart(), 0);
    EXPECT_EQ(restored.BackColorEnd(), 0x00FF8040);
    EXPECT_FALSE(restored.ShowFocusRect());
    EXPECT_FALSE(restored.UseExplorerTransitionStyle());
    EXPECT_TRUE(restored.UseExplorerStyle());
    EXPECT_TRUE(restored.Redraw());

    // Back to a default: the entry goes.
    restored.setBackColorEnd(kSysColourWindow);
    restored.writeProperties(bag);
    EXPECT_FALSE(bag.contains(QStringLiteral("BackColorEnd")));
}

TEST(PaneProperties, UnreadableStoredValuesLeaveTheDefaults) {
    PanePropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColorStart"), QStringLiteral("blue"));
    bag.WriteProperty(QStringLiteral("BackColorEnd"), qint64(1) << 40);
    torkExplorerBarCtl pane;
    pane.readProperties(bag);
    EXPECT_EQ(pane.BackColorStart(), kSysColourWindow);
    EXPECT_EQ(pane.BackColorEnd(), kSysColourWindow);
}

TEST(PaneProperties, RunTimeChangesAreAnnouncedOnce) {
    torkExplorerBarCtl pane;
    QSignalSpy changes(&pane, &torkExplorerBarCtl::PropertyChanged);
    pane.setBackColorStart(kSysColourWindow); // unchanged: nothing
    pane.setBackColorStart(0);
    pane.setRedraw(false);
    pane.setRedraw(false);
    pane.setShowFocusRect(false);
    QStringList names;
    for (const auto& args : changes)
        names << args.at(0).toString();
    EXPECT_EQ(names, QStringList({"BackColorStart", "Redraw", "ShowFocusRect"}));
}

TEST(PaneProperties, WatermarkIsKeptAs32BitAndCanBeCleared) {
    torkExplorerBarCtl pane;
    cExplorerBar bar = pane.Bars().Add();
    QImage picture(8, 6, QImage::Format_RGB16);
    picture.fill(Qt::red);
    bar.setWatermarkPicture(picture);
    EXPECT_EQ(bar.WatermarkPicture().format(), QImage::Format_ARGB32);
    EXPECT_EQ(bar.WatermarkPicture().size(), QSize(8, 6));
    EXPECT_FALSE(paneStateOf(pane).bars.front()->watermarkRendered.isNull());
    bar.setWatermarkPicture(QImage());
    EXPECT_TRUE(bar.WatermarkPicture().isNull());
    EXPECT_TRUE(paneStateOf(pane).bars.front()->watermarkRendered.isNull());
}

TEST(PaneProperties, ImageListsHoldOneIconSize) {
    torkExplorerBarCtl pane;
    PaneImageList list;
    list.icons = {QImage(16, 16, QImage::Format_ARGB32), QImage(32, 24, QImage::Format_ARGB32)};
    QImage hiDpi(32, 32, QImage::Format_ARGB32);
    hiDpi.setDevicePixelRatio(2); // 16 x 16 device-independent
    list.icons.push_back(hiDpi);
    pane.setImageList(list); // size 0: taken from the first icon
    const PaneImageList& held = paneStateOf(pane).imageList;
    EXPECT_EQ(held.iconSize, 16);
    EXPECT_EQ(held.icons[1].size(), QSize(16, 16));
    EXPECT_EQ(held.icons[2].size(), QSize(32, 32)) << "already 16 device-independent pixels";

    list.iconSize = 24;
    pane.setBarTitleImageList(list);
    EXPECT_EQ(paneStateOf(pane).titleImageList.icons[0].size(), QSize(24, 24));
    EXPECT_EQ(paneStateOf(pane).titleImageList.icons[2].size(), QSize(48, 48));
}

} // namespace
