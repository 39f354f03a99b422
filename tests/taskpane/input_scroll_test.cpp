// Scrolling: the wheel with the system's wheel lines, EnsureVisible in steps
// of 1, 2, 3, ... pixels, and a press on the scroll bar taking the focus.

#include "CaseNames.h"
#include "input_support.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

using namespace zelvano::pane;

namespace {

using inputtest::PaneFixture;

struct Scrolling : PaneFixture {
    // Ten bars of five items: far taller than the pane.
    void fillTall() {
        for (int b = 0; b < 10; ++b) {
            auto bar = pane->Bars().Add({}, {}, QStringLiteral("Группа %1").arg(b + 1));
            for (int i = 0; i < 5; ++i)
                bar.Items().Add({}, {}, QStringLiteral("Пункт %1.%2").arg(b + 1).arg(i + 1));
        }
        ASSERT_TRUE(state().scrollBarVisible);
    }
    QScrollBar* scrollBar() const { return pane->findChild<QScrollBar*>(); }
    void wheel(int delta) {
        const QPoint at(50, 50);
        QWheelEvent event(at, pane->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane, &event);
    }
};

struct WheelCase {
    int systemLines;
    std::vector<int> deltas;
    int moved; // change of the scroll value
};

// The system's wheel lines, set before the pane reads them.
struct SystemLines {
    int saved = QApplication::wheelScrollLines();
    explicit SystemLines(int lines) { QApplication::setWheelScrollLines(lines); }
    ~SystemLines() { QApplication::setWheelScrollLines(saved); }
};

class Wheel : public ::testing::WithParamInterface<WheelCase>,
              public SystemLines,
              public Scrolling {
public:
    Wheel()
        : SystemLines(GetParam().systemLines) {}
};

TEST_P(Wheel, ScrollsTwelvePixelsPerLine) {
    fillTall();
    scrollBar()->setValue(200);
    for (int delta : GetParam().deltas)
        wheel(delta);
    EXPECT_EQ(state().scrollValue - 200, GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(
    Notches, Wheel,
    ::testing::Values(WheelCase{3, {120}, -36}, WheelCase{3, {-240}, 72}, WheelCase{5, {-120}, 60},
                      WheelCase{0, {120}, -36}, WheelCase{-2, {-120}, 36},
                      // a touchpad's fine steps add up to notches
                      WheelCase{3, {-40, -40, -40, -40}, 36}, WheelCase{3, {60, -60, 60}, 0}),
    [](const auto& info) {
        std::string name =
            "Lines" + zelvano::test::textName(std::to_string(info.param.systemLines));
        for (const int delta : info.param.deltas)
            name += "_" + zelvano::test::textName(std::to_string(delta));
        return name;
    });

TEST_F(Scrolling, EnsureVisibleMovesInGrowingStepsEndingOnTheTarget) {
    fillTall();
    show();
    std::vector<int> values;
    QObject::connect(scrollBar(), &QScrollBar::valueChanged, [&](int v) { values.push_back(v); });
    auto last = pane->Bars().Item(10);
    last.EnsureVisible();
    ASSERT_GT(values.size(), 3u);
    // The bar's bottom and half the gap below it at the view's bottom.
    const pcExplorerBar& b = bar(9);
    EXPECT_EQ(values.back(),
              std::lrint(b.Top + titleHeight(b) + b.HeightWithScroll + 7.5) - pane->height());
    for (std::size_t i = 0; i + 1 < values.size(); ++i)
        EXPECT_EQ(values[i] - (i ? values[i - 1] : 0), int(i) + 1) << i;
    EXPECT_LE(values.back() - values[values.size() - 2], int(values.size()));

    values.clear();
    last.EnsureVisible();
    EXPECT_TRUE(values.empty()) << "already in view";
    const int from = state().scrollValue;
    pane->Bars().Item(1).EnsureVisible();
    EXPECT_EQ(values.back(), 0);
    EXPECT_EQ(values.front(), from - 1);
}

TEST_F(Scrolling, APressOnTheScrollBarGivesThePaneTheFocus) {
    fillTall();
    show();
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(240, 0, 10, 10);
    other->show();
    other->setFocus();
    ASSERT_FALSE(pane->hasFocus());
    QTest::mousePress(scrollBar(), Qt::RightButton, {}, QPoint(5, 50));
    EXPECT_TRUE(pane->hasFocus());
}

} // namespace
