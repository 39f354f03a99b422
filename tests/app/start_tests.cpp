// The start routine: one message box for a failure while creating or loading
// the window (none for error 364), a shown window otherwise.

#include "AppTestSupport.h"

#include "PanelLayout.h"
#include "RuntimeErrors.h"
#include "WindowPlacement.h"

#include <new>

namespace zelvano::app::test {
namespace {

class StartTest : public WindowTest {};

TEST_F(StartTest, ShowsTheWindowWithoutAMessage) {
    const std::unique_ptr<frmMain> shown = modMain::start(services);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->visiblePanel(), PanelId::Length);
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(StartTest, AFailureGivesExactlyOneMessage) {
    struct Case {
        std::function<void()> fail;
        QString prompt;
    } const cases[] = {
        {[] { raiseRuntimeError(RuntimeError::TypeMismatch); },
         QStringLiteral("Произошла ошибка № 13\r\nType mismatch")},
        {[] { throw NumberedError(457, "Ключ уже есть"); },
         QStringLiteral("Произошла ошибка № 457\r\nКлюч уже есть")},
        {[] { throw std::bad_alloc(); }, QStringLiteral("Произошла ошибка № 7\r\nOut of memory")},
    };
    for (const Case& c : cases) {
        services.clear();
        const auto failing = [&]() -> std::unique_ptr<frmMain> {
            c.fail();
            return nullptr;
        };
        EXPECT_EQ(modMain::start(services, failing), nullptr);
        ASSERT_EQ(services.messages().size(), 1u);
        EXPECT_EQ(services.messages().front().prompt, c.prompt);
        EXPECT_EQ(services.messages().front().style, MessageStyle::Critical);
        EXPECT_EQ(services.messages().front().title, QStringLiteral("Zelvano 3.0"));
    }
}

TEST_F(StartTest, AWindowUnloadedWhileLoadingEndsQuietly) {
    const auto unloaded = []() -> std::unique_ptr<frmMain> {
        raiseRuntimeError(RuntimeError::ObjectUnloaded);
    };
    EXPECT_EQ(modMain::start(services, unloaded), nullptr);
    EXPECT_EQ(modMain::start(services, [] { return std::unique_ptr<frmMain>(); }), nullptr);
    EXPECT_TRUE(services.messages().empty());
}

// A units table that does not fit its layout is an error while loading, not a
// panel with overlapping or missing buttons.
TEST_F(StartTest, ATableThatDoesNotFitTheLayoutIsReported) {
    const convert::CategoryTable& real = convert::categoryTable(Category::Temperature);
    std::vector<convert::Unit> units(real.units.begin(), real.units.end());
    const auto tableWith = [&](std::vector<convert::Unit> changed) {
        units = std::move(changed);
        convert::CategoryTable table = real;
        table.units = units;
        return table;
    };

    std::vector<convert::Unit> sameRow = units;
    sameRow[1].row = sameRow[0].row;
    std::vector<convert::Unit> rowPastTheEnd = units;
    rowPastTheEnd.back().row = static_cast<int>(units.size()) + 1;

    for (const std::vector<convert::Unit>& bad : {sameRow, rowPastTheEnd}) {
        services.clear();
        const convert::CategoryTable table = tableWith(bad);
        const auto create = [&] {
            auto window = std::make_unique<frmMain>(services, QLocale::c());
            new CategoryPanel(table, categoryLayout(Category::Temperature), window.get());
            return window;
        };
        EXPECT_EQ(modMain::start(services, create), nullptr);
        ASSERT_EQ(services.messages().size(), 1u);
        EXPECT_TRUE(services.messages().front().prompt.startsWith(
            QStringLiteral("Произошла ошибка № 9\r\n")));
    }

    const UnitWidth widths[] = {{99, 2000}};
    CategoryLayout layout = categoryLayout(Category::RadioActivity);
    layout.widths = widths;
    EXPECT_THROW(CategoryPanel(convert::categoryTable(Category::RadioActivity), layout, nullptr),
                 NumberedError);
}

// Centred where the window fits; where it does not (large fonts, a small
// screen), along that axis it starts at the free area's edge, so that the
// title bar and the start of the content are on the screen.
TEST(WindowPlacement, CentredOrFromTheTopLeftCorner) {
    struct Case {
        QSize size;
        QRect available;
        QPoint expected;
    } const cases[] = {
        {{681, 401}, {0, 0, 1280, 1024}, {299, 311}},
        {{681, 401}, {0, 28, 1280, 996}, {299, 325}},     // a panel along the top
        {{681, 401}, {1920, 0, 1280, 1024}, {2219, 311}}, // the second screen
        {{1280, 1024}, {0, 0, 1280, 1024}, {0, 0}},       // just fits
        {{2128, 1253}, {0, 0, 1280, 1024}, {0, 0}},
        {{2128, 1253}, {0, 28, 1280, 996}, {0, 28}},
        {{2128, 600}, {0, 0, 1280, 1024}, {0, 212}},
        {{600, 1253}, {100, 0, 1280, 1024}, {440, 0}},
    };
    for (const Case& c : cases) {
        const QPoint at = windowPosition(c.size, c.available);
        EXPECT_EQ(at, c.expected) << c.size.width() << 'x' << c.size.height();
        EXPECT_TRUE(c.available.contains(at));
    }
}

} // namespace
} // namespace zelvano::app::test
