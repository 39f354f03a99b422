// The window and its panels against the layout tables: names, places, sizes,
// captions, initial values, and captions that fit in the application font.

#include "AppTestSupport.h"

#include "AppFont.h"
#include "PanelLayout.h"
#include "TestSystem.h"

#include <QButtonGroup>
#include <QFontInfo>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <string>

namespace zelvano::app::test {
namespace {

// Twips to pixels, written here independently: 15 twips per pixel, edges rounded.
QRect px(int left, int top, int width, int height) {
    auto r = [](int twips) { return qRound(twips / 15.0); };
    return QRect(r(left), r(top), r(left + width) - r(left), r(top + height) - r(top));
}

struct PanelCase {
    Category category;
    const char* button;
    int h;
    int w;
    const char* quantityFrame;
    const char* fromFrame;
    const char* fromGroup;
    const char* toFrame;
    const char* toGroup;
    int unitWidth;
    std::vector<std::pair<int, int>> widths; // UnitIndex, width
    std::vector<int> screenOrder;            // UnitIndex from the top; empty: UnitIndex order
};

const std::vector<PanelCase>& panelCases() {
    static const std::vector<PanelCase> cases{
        {Category::Length,
         "cmdLengthConvert",
         4695,
         2535,
         "Frame3",
         "Frame1",
         "picLengthFrom",
         "Frame2",
         "picLengthTo",
         2175,
         {{12, 1815}},
         {1, 17, 18, 2, 13, 3, 4, 5, 6, 7, 12, 8, 14, 15, 9, 10, 16, 11}},
        {Category::Weight,
         "cmdWeightConverte",
         4455,
         2655,
         "Frame13",
         "Frame15",
         "Picture10",
         "Frame14",
         "Picture9",
         2175,
         {{9, 2535}, {15, 2415}, {10, 2655}, {17, 2535}},
         {1, 2, 3, 4, 12, 5, 6, 7, 8, 9, 15, 10, 11, 13, 14, 16, 17}},
        {Category::Volume,
         "cmdVolumeConvert",
         3255,
         2535,
         "Frame18",
         "Frame16",
         "Picture11",
         "Frame17",
         "Picture12",
         2175,
         {},
         {}},
        {Category::Area,
         "cmdAreaConvert",
         2775,
         2535,
         "Frame10",
         "Frame12",
         "Picture8",
         "Frame11",
         "Picture7",
         2295,
         {},
         {}},
        {Category::Temperature,
         "cmdTemperatureConvert",
         1575,
         2535,
         "Frame4",
         "Frame6",
         "Picture2",
         "Frame5",
         "Picture1",
         2175,
         {},
         {}},
        {Category::Speed,
         "cmdSpeedConverte",
         2295,
         2535,
         "Frame9",
         "Frame7",
         "Picture4",
         "Frame8",
         "Picture6",
         2175,
         {},
         {1, 2, 8, 3, 4, 5, 6, 7}},
        {Category::Information,
         "cmdInformationConvert",
         1815,
         2535,
         "Frame25",
         "Frame23",
         "Picture14",
         "Frame24",
         "Picture15",
         2175,
         {},
         {}},
        {Category::RadioActivity,
         "cmdRadioActivityConvert",
         1095,
         2535,
         "Frame22",
         "Frame21",
         "Picture13",
         "Frame20",
         "Picture5",
         2175,
         {},
         {}},
    };
    return cases;
}

class PanelLayoutTest : public WindowTest, public ::testing::WithParamInterface<PanelCase> {
protected:
    void SetUp() override { makeWindow(QLocale::c()); }

    template <typename T> T* child(const QString& name) {
        auto* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
};

TEST_P(PanelLayoutTest, EveryControlHasItsNameContainerAndPlace) {
    const PanelCase& c = GetParam();
    const QString stem = stemOf(c.category);
    const convert::CategoryTable& table = convert::categoryTable(c.category);

    auto* panel = child<QWidget>("pic" + stem);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), window.get());
    EXPECT_EQ(panel->geometry(), px(3600, 120, 6495, 5835));

    auto* quantityFrame = child<QGroupBox>(c.quantityFrame);
    auto* from = child<QLineEdit>("txt" + stem + "From");
    auto* to = child<QLineEdit>("txt" + stem + "To");
    auto* button = child<QPushButton>(c.button);
    ASSERT_TRUE(quantityFrame && from && to && button);
    EXPECT_EQ(quantityFrame->parentWidget(), panel);
    EXPECT_EQ(quantityFrame->geometry(), px(120, 120, 6255, 855));
    EXPECT_EQ(quantityFrame->title(), QStringLiteral("Количество единиц:"));
    EXPECT_EQ(from->parentWidget(), quantityFrame);
    EXPECT_EQ(from->geometry(), px(240, 290, 1695, 285));
    EXPECT_EQ(to->parentWidget(), quantityFrame);
    EXPECT_EQ(to->geometry(), px(4320, 290, 1695, 285));
    EXPECT_EQ(button->parentWidget(), panel);
    EXPECT_EQ(button->geometry(), px(2400, 360, 1575, 375));
    EXPECT_EQ(button->text(), QStringLiteral("Конвертировать"));
    // The button lies over the frame, so it must be stacked above it.
    EXPECT_GT(panel->children().indexOf(button), panel->children().indexOf(quantityFrame));

    struct List {
        const char* frame;
        const char* group;
        int left;
        QString suffix;
        QString title;
    };
    for (const List& list : {List{c.fromFrame, c.fromGroup, 120, "From", "Из:"},
                             List{c.toFrame, c.toGroup, 3360, "To", "В:"}}) {
        SCOPED_TRACE(list.suffix.toStdString());
        auto* frame = child<QGroupBox>(list.frame);
        auto* group = child<QWidget>(list.group);
        ASSERT_TRUE(frame && group);
        EXPECT_EQ(frame->parentWidget(), panel);
        EXPECT_EQ(frame->geometry(), px(list.left, 1080, 3015, c.h));
        EXPECT_EQ(frame->title(), list.title);
        EXPECT_EQ(group->parentWidget(), frame);
        EXPECT_EQ(group->geometry(), px(240, 240, c.w, c.h - 360));

        EXPECT_EQ(group->findChildren<QRadioButton*>().size(),
                  static_cast<qsizetype>(table.units.size()));
        for (const convert::Unit& unit : table.units) {
            const QString name = QStringLiteral("opt%1%2%3").arg(stem, list.suffix).arg(unit.index);
            auto* option = child<QRadioButton>(name);
            ASSERT_NE(option, nullptr);
            int width = c.unitWidth;
            for (auto [index, w] : c.widths)
                if (index == unit.index)
                    width = w;
            EXPECT_EQ(option->parentWidget(), group) << name.toStdString();
            EXPECT_EQ(option->geometry(), px(0, 240 * (unit.row - 1), width, 255))
                << name.toStdString();
            EXPECT_EQ(option->text().toStdString(), unit.caption);
        }
    }
}

TEST_P(PanelLayoutTest, UnitsFollowTheScreenOrder) {
    const PanelCase& c = GetParam();
    const CategoryPanel& p = panel(c.category);
    std::vector<int> order = c.screenOrder;
    if (order.empty())
        for (std::size_t i = 1; i <= convert::categoryTable(c.category).units.size(); ++i)
            order.push_back(static_cast<int>(i));
    for (std::size_t row = 0; row < order.size(); ++row)
        EXPECT_EQ(p.unitButton(UnitList::From, order[row])->y(), static_cast<int>(16 * row))
            << "row " << row;
}

TEST_P(PanelLayoutTest, StartsWithOneInTheQuantityAndNothingSelected) {
    const CategoryPanel& p = panel(GetParam().category);
    EXPECT_EQ(p.quantityBox()->text(), QStringLiteral("1"));
    EXPECT_TRUE(p.resultBox()->text().isEmpty());
    EXPECT_TRUE(p.resultBox()->isReadOnly());
    EXPECT_FALSE(p.quantityBox()->isReadOnly());
    for (QRadioButton* option : p.findChildren<QRadioButton*>())
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    EXPECT_EQ(p.selectedUnit(UnitList::From), 0);
    EXPECT_EQ(p.selectedUnit(UnitList::To), 0);
}

TEST_P(PanelLayoutTest, TheTwoListsAreIndependentExclusiveGroups) {
    CategoryPanel& p = panel(GetParam().category);
    const int last = static_cast<int>(convert::categoryTable(GetParam().category).units.size());
    window->showPanel(panelOf(GetParam().category));
    // Mouse and keyboard, as the user selects.
    QTest::mouseClick(p.unitButton(UnitList::From, 1), Qt::LeftButton);
    QTest::mouseClick(p.unitButton(UnitList::To, last), Qt::LeftButton);
    EXPECT_EQ(p.selectedUnit(UnitList::From), 1);
    EXPECT_EQ(p.selectedUnit(UnitList::To), last);

    p.unitButton(UnitList::From, last)->setFocus();
    QTest::keyClick(p.unitButton(UnitList::From, last), Qt::Key_Space);
    EXPECT_EQ(p.selectedUnit(UnitList::From), last);
    EXPECT_FALSE(p.unitButton(UnitList::From, 1)->isChecked());
    EXPECT_EQ(p.selectedUnit(UnitList::To), last);

    QTest::mouseClick(p.unitButton(UnitList::To, 1), Qt::LeftButton);
    EXPECT_EQ(p.selectedUnit(UnitList::From), last);
    EXPECT_EQ(p.selectedUnit(UnitList::To), 1);
}

// A caption is cut when the style gives it less room than its text needs.
// Under Wine, GDI gives Wine's own Tahoma at 11 pixels letters up to a pixel
// wider than the face's outlines and its 11-pixel bitmaps have them, and the
// longest unit names outgrow the room the layout has for Tahoma's widths:
// there such captions are named in the skip instead of failing.
TEST_P(PanelLayoutTest, NoCaptionIsCut) {
    CategoryPanel& p = panel(GetParam().category);
    std::string widerUnderWine;
    for (QRadioButton* option : p.findChildren<QRadioButton*>()) {
        QStyleOptionButton opt;
        opt.initFrom(option);
        opt.text = option->text();
        const QRect room =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, option);
        const QRect text = option->fontMetrics().boundingRect(option->text());
        const int width = option->fontMetrics().horizontalAdvance(option->text());
        if (underWine() && width > room.width())
            widerUnderWine += ' ' + option->objectName().toStdString();
        else
            EXPECT_LE(width, room.width()) << option->objectName().toStdString();
        EXPECT_LE(text.height(), option->height()) << option->objectName().toStdString();
    }
    for (QGroupBox* frame : p.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.text = frame->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                           QStyle::SC_GroupBoxLabel, frame);
        EXPECT_GE(label.width(), frame->fontMetrics().horizontalAdvance(frame->title()));
        EXPECT_LE(label.right(), frame->rect().right()) << frame->objectName().toStdString();
        // The top border runs through the caption, clear of the first row of contents.
        const QRect border = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                            QStyle::SC_GroupBoxFrame, frame);
        EXPECT_LT(border.top(), label.bottom());
        EXPECT_LE(border.top() + 2, toPixels(PanelTemplate::group(0, 0)).top());
    }
    QPushButton* button = p.convertButton();
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), room.width());
    EXPECT_LE(button->fontMetrics().height(), room.height());
    if (!widerUnderWine.empty())
        GTEST_SKIP() << "under Wine, in Wine's Tahoma, wider than their room:" << widerUnderWine;
}

INSTANTIATE_TEST_SUITE_P(AllCategories, PanelLayoutTest, ::testing::ValuesIn(panelCases()),
                         [](const auto& info) {
                             return stemOf(info.param.category).toStdString();
                         });

TEST(WindowFont, IsTahomaWhereTheFaceIsInstalled) {
    if (!tahomaInstalled())
        GTEST_SKIP() << "no Tahoma (on Linux: fonts-wine is not installed)";
    EXPECT_EQ(windowFont().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(QFontInfo(windowFont()).family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(windowFont().pixelSize(), 11);
}

class WindowLayoutTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale::c()); }
};

TEST_F(WindowLayoutTest, IsAFixedWindowWithoutMaximise) {
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zelvano 3.0"));
    EXPECT_EQ(window->size(), QSize(681, 401));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// The tables fit together: every unit row, frame and box lies inside its container.
TEST_F(WindowLayoutTest, NothingSticksOutOfItsContainer) {
    for (QWidget* widget : window->findChildren<QWidget*>())
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << widget->objectName().toStdString();
}

TEST_F(WindowLayoutTest, TaskPaneIsInPlaceAndFirstInTheTabOrder) {
    QWidget* pane = window->findChild<QWidget*>(QStringLiteral("torkExplorerBarCtl"));
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane, window->taskPane());
    EXPECT_EQ(pane->parentWidget(), window.get());
    EXPECT_EQ(pane->geometry(), px(0, 0, 3495, 6015));
    EXPECT_EQ(window->children().indexOf(pane), 0);
}

TEST_F(WindowLayoutTest, ShowsTheLengthPanelAloneAtStart) {
    EXPECT_EQ(window->visiblePanel(), PanelId::Length);
    for (std::size_t i = 0; i < kPanelCount; ++i)
        EXPECT_EQ(window->panel(static_cast<PanelId>(i))->isVisible(), i == 0) << i;
    QWidget* about = window->findChild<QWidget*>(QStringLiteral("picAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about, window->panel(PanelId::About));
    EXPECT_EQ(about->geometry(), px(3600, 120, 6495, 5835));
}

TEST_F(WindowLayoutTest, ShowPanelLeavesExactlyOneVisible) {
    for (std::size_t target = kPanelCount; target-- > 0;) {
        window->showPanel(static_cast<PanelId>(target));
        for (std::size_t i = 0; i < kPanelCount; ++i)
            EXPECT_EQ(window->panel(static_cast<PanelId>(i))->isVisible(), i == target);
        EXPECT_EQ(window->visiblePanel(), static_cast<PanelId>(target));
    }
}

TEST_F(WindowLayoutTest, PanelsAreNamedAfterTheirCategory) {
    const char* names[] = {"picLength", "picTemperature",   "picSpeed",
                           "picArea",   "picWeight",        "picVolume",
                           "picAbout",  "picRadioActivity", "picInformation"};
    for (std::size_t i = 0; i < kPanelCount; ++i)
        EXPECT_EQ(window->panel(static_cast<PanelId>(i))->objectName(), QLatin1String(names[i]));
    for (Category category : kAllCategories)
        EXPECT_EQ(window->panel(panelOf(category)), window->categoryPanel(category));
}

} // namespace
} // namespace zelvano::app::test

namespace zelvano::app::test {
namespace {

class KeyboardTest : public WindowTest {
protected:
    void SetUp() override { makeWindow(QLocale::c()); }

    QWidget* tab() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    }
};

// Tab follows the work: quantity, one stop per unit list, convert, result,
// and on to the task pane.
TEST_F(KeyboardTest, TabWalksTheWorkOrder) {
    CategoryPanel& p = panel(Category::Length);
    p.quantityBox()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), p.quantityBox());
    EXPECT_EQ(tab(), p.unitButton(UnitList::From, 1));
    EXPECT_EQ(tab(), p.unitButton(UnitList::To, 1));
    EXPECT_EQ(tab(), p.convertButton());
    EXPECT_EQ(tab(), p.resultBox());
    EXPECT_EQ(tab(), window->taskPane());
}

// Arrow keys move down the screen rows and select, within one list only.
TEST_F(KeyboardTest, ArrowsSelectTheNextRow) {
    CategoryPanel& p = panel(Category::Length);
    QTest::mouseClick(p.unitButton(UnitList::From, 1), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(p.selectedUnit(UnitList::From), 17); // "Миллиметр" is the second row
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(p.selectedUnit(UnitList::From), 18);
    EXPECT_EQ(p.selectedUnit(UnitList::To), 0);
}

} // namespace
} // namespace zelvano::app::test
