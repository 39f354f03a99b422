// One font for measuring and drawing: the pane measures and draws its text
// in its own font, whatever the application font is, and measures again
// when its font changes at run time.

#include "input/PaneAnimation.h"
#include "paint_fixtures.h"
#include "torkExplorerBarCtl.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

using namespace zelvano::pane;

namespace {

// The application font for one test: the window's font first, as the
// program starts, then a larger one; restored afterwards.
struct ApplicationFont {
    QFont saved = QApplication::font();
    ApplicationFont() { QApplication::setFont(paintfix::windowFont()); }
    ~ApplicationFont() { QApplication::setFont(saved); }
    void setPointSize(int points) {
        QFont f = QApplication::font();
        f.setPointSize(points);
        QApplication::setFont(f);
    }
};

struct FontCase {
    const char* name;
    bool windowFontSet; // the host gives its window a font of its own, as the main window does
};

class FontChange : public ::testing::TestWithParam<FontCase> {
protected:
    ApplicationFont appFont;
    QWidget window;
    torkExplorerBarCtl* pane = new torkExplorerBarCtl(&window);

    FontChange() {
        PaneAnimation::setPaced(false);
        if (GetParam().windowFontSet)
            window.setFont(paintfix::windowFont());
        window.resize(260, 420);
        pane->setGeometry(0, 0, 233, 401);
        paintfix::buildMainWindow(*pane);
    }

    QImage shot() const { return pane->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_P(FontChange, TextIsDrawnInTheRowsItWasMeasuredFor) {
    const QImage before = shot();
    appFont.setPointSize(14);
    QCoreApplication::processEvents();
    // The host retitles the bar (as the main window does on every click),
    // so the pane draws its text again.
    auto convert = pane->Bars().Item(1);
    const QString title = convert.Title();
    convert.setTitle(paintfix::mainWindowItem(u"CN:02").categoryBarTitle.toString());
    convert.setTitle(title);
    const QImage after = shot();

    const PaneState& s = paneStateOf(*pane);
    const bool scroll = s.scrollBarVisible;
    QFont bold = pane->font();
    bold.setBold(true);
    const QFontMetrics text(pane->font(), pane), titles(bold, pane);
    int previousBottom = 0;
    for (const auto& bar : s.bars) {
        const int titleHeight = scroll ? bar->TitleHeightWithScroll : bar->TitleHeightWithoutScroll;
        EXPECT_GE(bar->Top, previousBottom) << "bars do not overlap";
        EXPECT_GE(titleHeight, titles.height() + 11) << bar->Title.toStdString();
        int itemBottom = 0;
        for (const auto& item : bar->items) {
            const int h = scroll ? item->HeightWithScroll : item->HeightWithoutScroll;
            EXPECT_GE(item->Top, itemBottom) << "items do not overlap";
            EXPECT_GE(h, text.height() + 2) << item->Text.toStdString();
            itemBottom = item->Top + h;
        }
        previousBottom =
            bar->Top + titleHeight + (scroll ? bar->HeightWithScroll : bar->HeightWithoutScroll);
    }

    if (GetParam().windowFontSet) {
        // The pane's own font did not change: neither does its picture.
        EXPECT_EQ(after, before);
    } else {
        // Measured again: it looks as a pane made with the new font does.
        QWidget fresh;
        auto* other = new torkExplorerBarCtl(&fresh);
        other->setGeometry(pane->geometry());
        other->setRedraw(false);
        for (int b = 1; b <= pane->Bars().Count(); ++b) {
            auto source = pane->Bars().Item(b);
            auto copy = other->Bars().Add({}, source.Key(), source.Title());
            copy.setIsSpecial(source.IsSpecial());
            for (int i = 1; i <= source.Items().Count(); ++i)
                copy.Items().Add({}, {}, source.Items().Item(i).Text());
        }
        other->setRedraw(true);
        EXPECT_NE(after, before);
        EXPECT_EQ(after, other->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, FontChange,
                         ::testing::Values(FontCase{"PaneFollowsTheApplication", false},
                                           FontCase{"WindowKeepsItsOwnFont", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
