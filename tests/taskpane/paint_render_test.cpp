// Painting: hot-tracking touches one element only, nothing is drawn while
// Redraw is off, and the fixed pixel shapes (classic chevrons, rounded
// emulated corners, the panel border, animation blending) land where they
// should.

#include "paint/PaneColours.h"
#include "paint_harness.h"

#include <QApplication>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

using namespace zelvano::pane;

using namespace paintfix;

namespace {

// Rectangle enclosing every pixel that differs between two pictures.
QRect changedArea(const QImage& a, const QImage& b) {
    QRect area;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

class HotTracking : public testing::TestWithParam<bool> {};

TEST_P(HotTracking, RedrawsOneTitleOrOneItemOnly) {
    Harness h;
    if (!GetParam())
        h.useClassicStyle();
    fillMainWindow(h.state);
    h.state.BackColorStart = h.state.BackColorEnd = kDefaultColour;
    h.refresh();
    auto& help = *h.state.bars[1];
    auto& item = *help.items[2];

    const QImage before = h.renderer.backBuffer().copy();
    item.MouseOver = true;
    const QRect itemUpdate = h.renderer.renderItem(help, item);
    const QImage hot = h.renderer.backBuffer().copy();
    const QRect itemChanged = changedArea(before, hot);
    ASSERT_FALSE(itemChanged.isEmpty()); // underlined and recoloured
    EXPECT_TRUE(itemUpdate.contains(itemChanged));
    EXPECT_TRUE(h.renderer.itemRect(help, item).adjusted(-3, -3, 3, 4).contains(itemUpdate));

    // Back to normal: the very same pixels as before.
    item.MouseOver = false;
    h.renderer.renderItem(help, item);
    EXPECT_EQ(h.renderer.backBuffer(), before);

    help.MouseOver = true;
    const QRect titleUpdate = h.renderer.renderBarTitle(help);
    const QRect titleChanged = changedArea(before, h.renderer.backBuffer());
    ASSERT_FALSE(titleChanged.isEmpty());
    EXPECT_EQ(titleUpdate, h.renderer.titleRect(help));
    EXPECT_TRUE(titleUpdate.contains(titleChanged));

    // A hot redraw matches a full repaint of the same state.
    const QImage partial = h.renderer.backBuffer().copy();
    h.renderer.render();
    EXPECT_EQ(h.renderer.backBuffer(), partial);
}

INSTANTIATE_TEST_SUITE_P(ThemedAndClassic, HotTracking, testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "Themed" : "Classic");
});

TEST(Render, NothingIsPaintedWhileRedrawIsOff) {
    Harness h;
    fillMainWindow(h.state);
    h.refresh();
    const QImage before = h.renderer.backBuffer().copy();
    h.state.Redraw = false;
    h.state.bars[0]->Title = QStringLiteral("Другое");
    h.state.bars[0]->items[0]->MouseOver = true;
    h.renderer.render();
    EXPECT_TRUE(h.renderer.renderBarTitle(*h.state.bars[0]).isEmpty());
    EXPECT_TRUE(h.renderer.renderItem(*h.state.bars[0], *h.state.bars[0]->items[0]).isEmpty());
    EXPECT_EQ(h.renderer.backBuffer(), before);
}

TEST(Render, ScrolledPaneShowsTheBufferAtTheOffset) {
    Harness h(QSize(233, 150));
    fillManyItems(h.state, 30);
    h.refresh();
    ASSERT_TRUE(h.state.scrollBarVisible);
    const QImage top = h.shot();
    h.state.scrollValue = 40;
    const QImage scrolled = h.shot();
    EXPECT_EQ(scrolled.copy(0, 0, 233, 110), top.copy(0, 40, 233, 110));
}

TEST(Render, ClassicChevronsAtTheirPixels) {
    Harness h;
    h.useClassicStyle();
    auto& expanded = addBar(h.state, QStringLiteral("Открыта"));
    auto& collapsed = addBar(h.state, QStringLiteral("Закрыта"));
    collapsed.State = BarCollapsed;
    h.refresh();
    const QImage shot = h.shot();
    const QColor ink = systemColour(SysWindowText, h.widget.palette());
    const QColor face = systemColour(SysButtonFace, h.widget.palette());
    for (const auto* bar : {&collapsed, &expanded}) {
        const QRect strip = h.renderer.titleRect(*bar);
        const QPoint box(strip.right() + 1 - 22, strip.top() + (strip.height() - 16) / 2);
        // Down-pointing pixels (collapsed); mirrored in the 16-pixel box when expanded.
        const auto at = [&](int x, int y) {
            return shot.pixelColor(box + QPoint(x, bar == &expanded ? 15 - y : y));
        };
        for (const int dy : {0, 4}) {
            EXPECT_EQ(at(5, 4 + dy), ink);
            EXPECT_EQ(at(8, 7 + dy), ink); // the tip
            EXPECT_EQ(at(8, 6 + dy), ink); // second line
            EXPECT_EQ(at(11, 4 + dy), ink);
            EXPECT_EQ(at(12, 3 + dy), face); // the line's end point is not drawn
            EXPECT_EQ(at(5, 5 + dy), face);
            EXPECT_EQ(at(8, 5 + dy), face);
        }
        EXPECT_EQ(at(8, 3), face);
    }
}

TEST(Render, EmulatedTitleHasRoundedCornersAndPanelAWhiteBorder) {
    Harness h;
    h.state.UseExplorerStyle = false;
    h.state.BackColorStart = h.state.BackColorEnd = 0x00000080; // dark red
    auto& bar = addBar(h.state, QStringLiteral("Группа"));
    bar.TitleBackColorDark = 0x00FF0000;  // blue
    bar.TitleBackColorLight = 0x0000FF00; // green
    bar.PanelBackColor = 0x00C0C0C0;
    addItem(h.state, bar, QStringLiteral("пункт"));
    h.refresh();
    const QImage shot = h.shot();
    const QRect strip = h.renderer.titleRect(bar);
    const QColor bg(0x80, 0, 0);
    EXPECT_EQ(shot.pixelColor(strip.left(), strip.top()), bg);
    EXPECT_EQ(shot.pixelColor(strip.left() + 1, strip.top()), bg);
    EXPECT_NE(shot.pixelColor(strip.left() + 2, strip.top()), bg);
    EXPECT_EQ(shot.pixelColor(strip.left(), strip.top() + 1), bg);
    EXPECT_NE(shot.pixelColor(strip.left() + 1, strip.top() + 1), bg);
    EXPECT_NE(shot.pixelColor(strip.left(), strip.top() + 2), bg);
    EXPECT_EQ(shot.pixelColor(strip.right(), strip.top()), bg);
    EXPECT_EQ(shot.pixelColor(strip.right() - 1, strip.top()), bg);
    // Gradient: blue at the left, green from the glyph on.
    EXPECT_EQ(shot.pixelColor(strip.left(), strip.bottom()), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(strip.right() - 19 - 2, strip.bottom()), QColor(0, 255, 0));
    // Panel: own colour inside, white along the left, right and bottom.
    const int panelTop = strip.bottom() + 1;
    const int panelBottom = panelTop + h.renderer.panelHeight(bar) - 1;
    EXPECT_EQ(shot.pixelColor(strip.left() + 1, panelTop + 1), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shot.pixelColor(strip.left(), panelTop + 1), Qt::white);
    EXPECT_EQ(shot.pixelColor(strip.right(), panelTop + 1), Qt::white);
    EXPECT_EQ(shot.pixelColor(strip.left() + 30, panelBottom), Qt::white);
    EXPECT_EQ(shot.pixelColor(strip.left() + 30, panelBottom + 1), bg);
}

TEST(Render, AnimatingPanelIsBlendedWithItsAlphaAndCutAtItsHeight) {
    Harness h;
    h.state.UseExplorerStyle = false;
    h.state.BackColorStart = h.state.BackColorEnd = 0; // black
    auto& bar = addBar(h.state, QStringLiteral("Группа"));
    bar.PanelBackColor = 0x00C8C8C8; // 200 grey
    addItem(h.state, bar, QStringLiteral("пункт"));
    addItem(h.state, bar, QStringLiteral("пункт"));
    h.refresh();
    bar.Expanding = true;
    bar.Height = 20;
    bar.Alpha = 128;
    h.renderer.layout();
    h.renderer.render();
    const QImage shot = h.shot();
    const QRect strip = h.renderer.titleRect(bar);
    const QColor mid = shot.pixelColor(strip.left() + 5, strip.bottom() + 5);
    EXPECT_NEAR(mid.red(), 100, 2); // 200 at half opacity over black
    EXPECT_EQ(shot.pixelColor(strip.left() + 5, strip.bottom() + 21), Qt::black);
}

TEST(Render, WatermarkIsAlignedInsideThePanel) {
    Harness h;
    h.state.UseExplorerStyle = false;
    auto& bar = addBar(h.state, QStringLiteral("Группа"));
    bar.PanelBackColor = 0x00FFFFFF;
    for (int i = 0; i < 5; ++i)
        addItem(h.state, bar, QString());
    QImage mark(10, 10, QImage::Format_ARGB32);
    mark.fill(QColor(255, 0, 0));
    bar.watermark = mark;
    bar.WatermarkMode = 1; // as is
    h.refresh();
    h.renderer.recolourWatermark(bar);
    const QRect strip = h.renderer.titleRect(bar);
    const int panelTop = strip.bottom() + 1;
    const int panelHeight = h.renderer.panelHeight(bar);
    struct Case {
        int hAlign, vAlign, x, y;
    };
    for (const Case c : {Case{2, 1, strip.right() - 9, panelTop + (panelHeight - 10) / 2},
                         Case{0, 0, strip.left() + 12, panelTop + 1},
                         Case{1, 5, strip.left() + (strip.width() - 10) / 2, panelTop + 1}}) {
        bar.WatermarkHAlign = c.hAlign;
        bar.WatermarkVAlign = c.vAlign;
        h.renderer.render();
        const QImage shot = h.shot();
        EXPECT_EQ(shot.pixelColor(c.x, c.y), QColor(255, 0, 0)) << c.hAlign << "," << c.vAlign;
        EXPECT_NE(shot.pixelColor(c.x - 1, c.y - 1), QColor(255, 0, 0));
        // (The right-aligned picture's last column lies under the white border.)
        EXPECT_EQ(shot.pixelColor(c.x + 8, c.y + 9), QColor(255, 0, 0));
    }
}

TEST(Render, FocusMarkNeedsKeyboardUseAndFocus) {
    Harness h;
    h.state.UseExplorerStyle = false;
    fillMainWindow(h.state);
    h.state.BackColorStart = h.state.BackColorEnd = kDefaultColour;
    auto& bar = *h.state.bars[1];
    auto& item = *bar.items[0];
    h.state.focusItemID = item.ID;
    h.refresh();
    const QImage plain = h.renderer.backBuffer().copy();
    h.state.hasFocus = true;
    h.state.keyboardUsed = true;
    h.renderer.render();
    const QRect changed = changedArea(plain, h.renderer.backBuffer());
    const QRect r = h.renderer.itemRect(bar, item);
    EXPECT_EQ(changed.top(), r.top() - 3);
    EXPECT_EQ(changed.bottom(), r.top() + r.height() + 3);
    EXPECT_EQ(changed.left(), 2 * 12 - 3);
    h.state.ShowFocusRect = false;
    h.renderer.render();
    EXPECT_EQ(h.renderer.backBuffer(), plain);
}

} // namespace

namespace {

// HiDPI needs a device pixel ratio of 2 from the start of the process: the
// tests run themselves again with QT_SCALE_FACTOR=2.
bool ranAt2x(const char* test) {
    if (qApp->devicePixelRatio() >= 2)
        return false;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=HiDpi.") + QLatin1String(test)});
    EXPECT_TRUE(child.waitForFinished(60000));
    const QByteArray out = child.readAllStandardOutput();
    EXPECT_EQ(child.exitCode(), 0) << out.constData();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.constData();
    return true;
}

// Colours in a device-pixel area: two for a 1x pattern blown up, more where
// edges are smoothed.
int coloursIn(const QImage& image, const QRect& area) {
    QSet<QRgb> seen;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

TEST(HiDpi, BackBufferAtDeviceResolution) {
    if (ranAt2x("BackBufferAtDeviceResolution"))
        return;
    Harness h;
    h.state.UseExplorerStyle = false;
    fillMainWindow(h.state);
    h.state.BackColorStart = h.state.BackColorEnd = 0x00000080;
    h.refresh();
    const QImage& buffer = h.renderer.backBuffer();
    EXPECT_EQ(buffer.devicePixelRatio(), 2);
    EXPECT_EQ(buffer.size(), QSize(466, 802));
    // The panel's white left border: exactly two device pixels, no blur.
    const auto& bar = *h.state.bars[0];
    const int y = 2 * (bar.Top + h.renderer.titleHeight(bar) + 3);
    EXPECT_EQ(buffer.pixelColor(23, y), QColor(0x80, 0, 0));
    EXPECT_EQ(buffer.pixelColor(24, y), Qt::white);
    EXPECT_EQ(buffer.pixelColor(25, y), Qt::white);
    EXPECT_EQ(buffer.pixelColor(26, y), fromOle(h.renderer.defaultPanelColour(true)));
    // The copy to the window is one to one.
    QImage window(466, 802, QImage::Format_ARGB32_Premultiplied);
    window.setDevicePixelRatio(2);
    QPainter p(&window);
    h.renderer.paint(p, QRect(0, 0, 233, 401));
    p.end();
    EXPECT_EQ(window, buffer.copy(0, 0, 466, 802));
}

TEST(HiDpi, ClassicChevronsAndEmulatedCornersAreDrawnAtDeviceResolution) {
    if (ranAt2x("ClassicChevronsAndEmulatedCornersAreDrawnAtDeviceResolution"))
        return;
    Harness classic;
    classic.useClassicStyle();
    auto& bar = addBar(classic.state, QStringLiteral("Открыта"));
    classic.refresh();
    const QRect strip = classic.renderer.titleRect(bar);
    const QRect box(strip.right() + 1 - 22, strip.top() + (strip.height() - 16) / 2, 17, 16);
    const QImage& chevrons = classic.renderer.backBuffer();
    EXPECT_GT(coloursIn(chevrons, QRect(box.topLeft() * 2, box.size() * 2)), 2);
    // Still where the 1x pixels are: the tip of the upper chevron is ink.
    const QColor ink = systemColour(SysWindowText, classic.widget.palette());
    EXPECT_EQ(chevrons.pixelColor(2 * (box.left() + 8), 2 * (box.top() + 8) + 1), ink);

    Harness emulated;
    emulated.state.UseExplorerStyle = false;
    emulated.state.BackColorStart = emulated.state.BackColorEnd = 0x00000080;
    auto& round = addBar(emulated.state, QStringLiteral("Группа"));
    round.TitleBackColorDark = round.TitleBackColorLight = 0x00FF0000;
    emulated.refresh();
    const QRect corner(emulated.renderer.titleRect(round).topLeft() * 2, QSize(4, 4));
    const QImage& strips = emulated.renderer.backBuffer();
    EXPECT_EQ(strips.pixelColor(corner.topLeft()), QColor(0x80, 0, 0)) << "the corner is cut";
    EXPECT_EQ(strips.pixelColor(corner.bottomRight() + QPoint(1, 1)), QColor(0, 0, 255));
    EXPECT_GT(coloursIn(strips, corner), 2) << "and smoothed";
}

} // namespace
