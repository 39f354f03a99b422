// The three looks: which one is chosen, the fallback from themed to emulated,
// default panel colours and the colours of titles and items in each look.

#include "paint/PaneColours.h"
#include "paint/PaneTheme.h"
#include "paint_harness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvano::pane;

using namespace paintfix;

namespace {

QColor sys(const QWidget& w, int index) {
    return systemColour(index, w.palette());
}

TEST(Looks, ChosenFromUseExplorerStyleAndTheWidgetStyle) {
    Harness themed;
    themed.refresh();
    EXPECT_EQ(themed.renderer.look(), PaneLook::Themed);
    EXPECT_TRUE(themed.state.UseExplorerStyle);

    Harness emulated;
    emulated.state.UseExplorerStyle = false;
    emulated.refresh();
    EXPECT_EQ(emulated.renderer.look(), PaneLook::Emulated);

    Harness classic;
    classic.useClassicStyle();
    classic.refresh();
    EXPECT_EQ(classic.renderer.look(), PaneLook::Classic);
    EXPECT_TRUE(classic.state.UseExplorerStyle);

    // A high-contrast palette counts as no theme as well.
    Harness contrast;
    QPalette pal = contrast.widget.palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    contrast.widget.setPalette(pal);
    contrast.refresh();
    EXPECT_EQ(contrast.renderer.look(), PaneLook::Classic);
}

struct PaletteCase {
    const char* name;
    QColor window, windowText, base;
    PaneLook look;
};

class PaletteLook : public testing::TestWithParam<PaletteCase> {};

// The built-in themed set is light: a dark palette gets the look that
// follows the palette, and the window reads as one.
TEST_P(PaletteLook, ThemeCountsOnlyUnderALightPalette) {
    Harness h;
    addBar(h.state, QStringLiteral("Группа"), true);
    h.refresh();
    ASSERT_EQ(h.renderer.look(), PaneLook::Themed);
    QPalette pal = h.widget.palette();
    pal.setColor(QPalette::Window, GetParam().window);
    pal.setColor(QPalette::WindowText, GetParam().windowText);
    pal.setColor(QPalette::Base, GetParam().base);
    h.widget.setPalette(pal);
    h.refresh();
    EXPECT_EQ(h.renderer.look(), GetParam().look);
    EXPECT_TRUE(h.state.UseExplorerStyle) << "kept: a light palette brings the theme back";
    if (GetParam().look == PaneLook::Classic) {
        EXPECT_EQ(h.shot().pixelColor(2, 2), GetParam().base) << "the palette's background";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, PaletteLook,
    testing::Values(
        PaletteCase{"Light", QColor(239, 239, 239), Qt::black, Qt::white, PaneLook::Themed},
        PaletteCase{"Dark", QColor(53, 53, 53), Qt::white, QColor(35, 35, 35), PaneLook::Classic},
        PaletteCase{"DarkGreyText", QColor(30, 30, 46), QColor(205, 214, 244), QColor(24, 24, 37),
                    PaneLook::Classic},
        PaletteCase{"HighContrast", Qt::black, Qt::white, Qt::black, PaneLook::Classic}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Looks, IncompleteThemedSetFallsBackToEmulated) {
    const QString builtIn = QString::fromLatin1(ThemeLibrary::kDefaultLocation);
    for (const int missing : ThemeLibrary::kImageNumbers) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        for (const int n : ThemeLibrary::kImageNumbers)
            if (n != missing)
                QFile::copy(builtIn + QStringLiteral("/%1.png").arg(n),
                            dir.filePath(QStringLiteral("%1.png").arg(n)));
        Harness h;
        h.renderer.setThemeLocation(dir.path());
        h.refresh();
        EXPECT_EQ(h.renderer.look(), PaneLook::Emulated) << "without image " << missing;
        EXPECT_FALSE(h.state.UseExplorerStyle);
    }
    Harness none;
    none.renderer.setThemeLocation(QStringLiteral("/nonexistent/theme"));
    none.refresh();
    EXPECT_EQ(none.renderer.look(), PaneLook::Emulated);
}

TEST(Looks, AnotherCompleteSetIsUsedAsIs) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Opaque pictures: strips with a green top-left key colour.
    for (const int n : ThemeLibrary::kImageNumbers) {
        const bool strip = n == 110 || n == 112;
        QImage img(strip ? QSize(40, 30) : QSize(20, 20), QImage::Format_RGB32);
        img.fill(n == 14 ? QColor(1, 2, 3) : QColor(200, 100, 50));
        if (strip)
            img.setPixel(0, 0, qRgb(0, 255, 0));
        ASSERT_TRUE(img.save(dir.filePath(QStringLiteral("%1.png").arg(n))));
    }
    Harness h;
    h.renderer.setThemeLocation(dir.path());
    auto& bar = addBar(h.state, QStringLiteral("Тема"));
    h.refresh();
    EXPECT_EQ(h.renderer.look(), PaneLook::Themed);
    // Panel colour: the sample's top-left pixel; title height: the strip's.
    EXPECT_EQ(h.renderer.defaultPanelColour(true), toOle(QColor(1, 2, 3)));
    EXPECT_EQ(bar.TitleHeightWithoutScroll, 30);
    const QImage shot = h.shot();
    const QRect strip = h.renderer.titleRect(bar);
    EXPECT_NE(shot.pixelColor(strip.topLeft()), QColor(0, 255, 0)); // keyed out
    EXPECT_EQ(shot.pixelColor(strip.left() + 1, strip.top() + 5), QColor(200, 100, 50));
}

TEST(Looks, DefaultPanelColourInEveryLook) {
    Harness themed;
    themed.refresh();
    const QImage sample(QStringLiteral(":/taskpane/theme/14.png"));
    ASSERT_FALSE(sample.isNull());
    const QColor themedPanel = sample.pixelColor(0, 0);
    EXPECT_EQ(themed.renderer.defaultPanelColour(true), toOle(themedPanel));
    EXPECT_EQ(themed.renderer.defaultPanelColour(false),
              toOle(blend(themedPanel, sys(themed.widget, SysActiveCaption), 230)));

    Harness emulated;
    emulated.state.UseExplorerStyle = false;
    emulated.refresh();
    const QColor base = blend(sys(emulated.widget, SysButtonFace), Qt::white, 24);
    EXPECT_EQ(emulated.state.defaultPanelColour, toOle(base));
    EXPECT_EQ(emulated.renderer.defaultPanelColour(true), toOle(base));
    EXPECT_EQ(emulated.renderer.defaultPanelColour(false),
              toOle(blend(base, sys(emulated.widget, SysActiveCaption), 230)));

    Harness classic;
    classic.useClassicStyle();
    classic.refresh();
    EXPECT_EQ(classic.renderer.defaultPanelColour(true), kSysColourWindow);
    EXPECT_EQ(classic.renderer.defaultPanelColour(false), kSysColourWindow);
}

TEST(Looks, ClassicDrawsPlainSystemColours) {
    Harness h;
    h.useClassicStyle();
    auto& special = addBar(h.state, QStringLiteral("Особая"), true);
    addItem(h.state, special, QStringLiteral("пункт"));
    auto& standard = addBar(h.state, QStringLiteral("Обычная"));
    h.refresh();
    const QImage shot = h.shot();
    EXPECT_EQ(shot.pixelColor(2, 2), sys(h.widget, SysWindow)); // background
    const QRect strip = h.renderer.titleRect(special);
    EXPECT_EQ(shot.pixelColor(strip.left() + 1, strip.top() + 1), sys(h.widget, SysActiveCaption));
    const QRect other = h.renderer.titleRect(standard);
    EXPECT_EQ(shot.pixelColor(other.left() + 1, other.top() + 1), sys(h.widget, SysButtonFace));
    // Panel: window colour.
    EXPECT_EQ(shot.pixelColor(strip.left() + 3, strip.bottom() + 3), sys(h.widget, SysWindow));
}

TEST(Looks, SwitchingTheWidgetStyleChangesTheLook) {
    Harness h;
    auto& bar = addBar(h.state, QStringLiteral("Особая"), true);
    h.refresh();
    ASSERT_EQ(h.renderer.look(), PaneLook::Themed);
    // A theme change reaches the renderer without an explicit reload, and
    // nothing of the themed set survives it.
    h.useClassicStyle();
    h.renderer.render();
    EXPECT_EQ(h.renderer.look(), PaneLook::Classic);
    const QRect strip = h.renderer.titleRect(bar);
    EXPECT_EQ(h.shot().pixelColor(strip.left() + 1, strip.top() + 1),
              sys(h.widget, SysActiveCaption));
    EXPECT_EQ(h.renderer.defaultPanelColour(true), kSysColourWindow);

    h.useStyle(QStringLiteral("Fusion"));
    h.renderer.render();
    EXPECT_EQ(h.renderer.look(), PaneLook::Themed);
}

// Item text colours: the item's own only in emulated drawing.
struct ItemColourCase {
    bool emulated;
    int kind;
    OleColour own;
    bool hot;
    const char* expected; // "own", "text", "link", "linkHot"
};

class ItemColour : public testing::TestWithParam<ItemColourCase> {};

TEST_P(ItemColour, FollowsTheLookAndKind) {
    const auto& c = GetParam();
    Harness h(QSize(233, 401), 40); // large glyphs: solid strokes to sample
    h.state.UseExplorerStyle = !c.emulated;
    auto& bar = addBar(h.state, QStringLiteral("Группа"));
    auto& item = addItem(h.state, bar, QStringLiteral("ШШШ"), c.kind);
    item.TextColor = item.TextColorOver = c.own;
    item.MouseOver = c.hot;
    h.refresh();
    const QColor highlight = sys(h.widget, SysHighlight);
    QColor expected;
    const std::string which = c.expected;
    if (which == "own")
        expected = fromOle(c.own);
    else if (which == "text")
        expected = sys(h.widget, SysWindowText);
    else
        expected = blend(highlight, Qt::black, which == "linkHot" ? 240 : 192);
    // Count exact text-colour pixels in the item's rectangle.
    const QImage shot = h.shot();
    const QRect r = h.renderer.itemRect(bar, item);
    int hits = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            hits += shot.pixelColor(x, y) == expected;
    EXPECT_GT(hits, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemColour,
    testing::Values(ItemColourCase{true, ItemKindLink, 0x00336699, false, "own"},
                    ItemColourCase{true, ItemKindLink, kDefaultColour, false, "link"},
                    ItemColourCase{true, ItemKindLink, kDefaultColour, true, "linkHot"},
                    ItemColourCase{true, ItemKindText, kDefaultColour, false, "text"},
                    ItemColourCase{false, ItemKindText, 0x00336699, false, "text"},
                    ItemColourCase{false, ItemKindLink, 0x00336699, false, "link"}),
    [](const auto& info) {
        const ItemColourCase& c = info.param;
        return std::string(c.emulated ? "Emulated" : "Themed") +
               (c.kind == ItemKindLink ? "Link" : "Text") +
               (c.own == kDefaultColour ? "" : "OwnColour") + (c.hot ? "Hot" : "");
    });

} // namespace
