// The task pane as the program shows it: titles in the bold face the font
// package ships, and the pane renderer driven on its own (as
// scripts/render-pane drives it) giving the running pane pixel for pixel.

#include "AppFont.h"
#include "AppTestSupport.h"
#include "Navigation.h"
#include "TestSystem.h"
#include "paint_harness.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QAccessible>
#include <QFontInfo>
#include <QRawFont>

using namespace zelvano::pane;

namespace zelvano::app::test {
namespace {

// The weight class that the face's own file declares (its OS/2 table): a
// regular face thickened for bold still declares the regular weight. Style
// names would tell as much under FreeType, but Windows' GDI gives none.
int declaredWeight(const QFont& font) {
    const QByteArray os2 = QRawFont::fromFont(font).fontTable("OS/2");
    if (os2.size() < 6)
        return 0;
    return (static_cast<unsigned char>(os2[4]) << 8) | static_cast<unsigned char>(os2[5]);
}

TEST(WindowFont, BoldTextComesFromTheBoldFaceNotFromThickening) {
    if (!tahomaInstalled())
        GTEST_SKIP() << "no Tahoma (on Linux: fonts-wine is not installed)";
    modMain::prepareApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
    QFont bold = windowFont();
    bold.setBold(true);
    EXPECT_EQ(declaredWeight(bold), 700);
    EXPECT_EQ(declaredWeight(windowFont()), 400);
}

class PaneLookTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale::c()); }

    QImage runningPane() const {
        return window->taskPane()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(PaneLookTest, ThePaneIsNamedForScreenReaders) {
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(window->taskPane());
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(QAccessible::Name), QStringLiteral("Навигация"));
}

// The controls' tests, benchmarks and tools fill a pane from a sample of the
// main window's, kept beside them: it must hold the program's captions and
// font, row for row.
TEST(PaneSample, HoldsTheProgramsCaptionsAndFont) {
    const auto rows = [](const auto& bars, const auto& items) {
        QString out;
        for (const auto& bar : bars)
            out += QStringLiteral("%1 %2 %3\n").arg(bar.key, bar.title).arg(bar.special);
        for (const auto& item : items)
            out += QStringLiteral("%1 %2 %3 %4\n")
                       .arg(item.bar)
                       .arg(item.key, item.text, item.categoryBarTitle);
        return out.toStdString();
    };
    EXPECT_EQ(rows(paintfix::kMainWindowBars, paintfix::kMainWindowItems),
              rows(navigationBars(), navigationItems()));
    EXPECT_EQ(QFontInfo(paintfix::windowFont()).family(), QFontInfo(windowFont()).family());
    EXPECT_EQ(paintfix::windowFont().pixelSize(), windowFont().pixelSize());
}

struct RenderCase {
    const char* name;
    int extraItems; // enough to make the pane scroll
};

class RenderedAlone : public PaneLookTest, public ::testing::WithParamInterface<RenderCase> {};

TEST_P(RenderedAlone, EqualsTheRunningPane) {
    torkExplorerBarCtl& pane = *window->taskPane();
    auto help = pane.Bars().Item(2);
    for (int i = 0; i < GetParam().extraItems; ++i)
        help.Items().Add({}, {}, QStringLiteral("Пункт %1").arg(i + 1));

    paintfix::Harness h(pane.size());
    h.renderer.setThemeSource(systemTheme); // what the running pane draws with
    h.widget.setFont(windowFont());
    paintfix::fillMainWindow(h.state);
    for (int i = 0; i < GetParam().extraItems; ++i)
        paintfix::addItem(h.state, *h.state.bars[1], QStringLiteral("Пункт %1").arg(i + 1));
    h.refresh();
    ASSERT_EQ(h.state.scrollBarVisible, paneStateOf(pane).scrollBarVisible);
    EXPECT_EQ(h.windowShot().convertToFormat(QImage::Format_RGB32), runningPane());
}

INSTANTIATE_TEST_SUITE_P(Contents, RenderedAlone,
                         ::testing::Values(RenderCase{"MainWindow", 0},
                                           RenderCase{"WithScrollBar", 30}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zelvano::app::test
