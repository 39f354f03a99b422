// Message hooks: dispatch order and MsgResponse rules against a recording
// window, the bookkeeping, errors, automatic unhooking, the Qt event table,
// and the pane's own use of the hooks.

#include "model_support.h"

#include "model/PaneErrors.h"
#include "system/MSubclass.h"
#include "system/MTimer.h"
#include "torkExplorerBarCtl.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QWheelEvent>

#include <memory>
#include <string>
#include <vector>

using namespace zelvano::pane;

using modeltest::errorOf;

namespace {

using Log = std::vector<std::string>;

// Its own event() is the handler the hooks call "previous".
class RecordingWindow : public QObject {
public:
    explicit RecordingWindow(Log& log)
        : log_(log) {}
    bool event(QEvent* e) override {
        if (e->type() == WindowMessageEvent::eventType()) {
            log_.push_back("window");
            static_cast<WindowMessageEvent*>(e)->setResult(100);
            return true;
        }
        return QObject::event(e);
    }

private:
    Log& log_;
};

class RecordingClient : public ISubclass {
public:
    RecordingClient(std::string name, Log& log, std::int32_t response = 0, std::int32_t result = 0)
        : ISubclass(response)
        , name_(std::move(name))
        , log_(log)
        , result_(result) {}
    std::int32_t WindowProc(QObject* hWnd, std::int32_t iMsg, std::int32_t wParam,
                            std::int32_t lParam) override {
        log_.push_back(name_);
        window = hWnd;
        message = iMsg;
        current = MSubclass::currentMessage();
        resultSoFar = MSubclass::currentResult();
        this->wParam = wParam;
        this->lParam = lParam;
        if (onCall)
            onCall();
        return result_;
    }

    QObject* window = nullptr;
    std::int32_t message = 0, current = 0, resultSoFar = 0, wParam = 0, lParam = 0;
    std::function<void()> onCall;

private:
    std::string name_;
    Log& log_;
    std::int32_t result_;
};

constexpr std::int32_t kMessage = 1234;

struct ResponseCase {
    std::int32_t firstResponse;
    Log expectedOrder;
    std::int32_t expectedResult;
    std::int32_t firstSeesResult; // the result so far when the first client runs
};

class Dispatch : public ::testing::TestWithParam<ResponseCase> {};

TEST_P(Dispatch, LastAttachedFirstAndTheWindowAtMostOnce) {
    Log log;
    RecordingWindow window(log);
    RecordingClient a("A", log, GetParam().firstResponse, 1);
    RecordingClient b("B", log, ISubclass::PreviousAfter, 2); // only the first one's counts
    RecordingClient c("C", log, ISubclass::PreviousBefore, 3);
    for (RecordingClient* client : {&a, &b, &c})
        MSubclass::attach(client, &window, kMessage);

    EXPECT_EQ(MSubclass::sendMessage(&window, kMessage, 5, 6), GetParam().expectedResult);
    EXPECT_EQ(log, GetParam().expectedOrder);
    EXPECT_EQ(a.resultSoFar, GetParam().firstSeesResult);
    EXPECT_EQ(b.resultSoFar, 3) << "each client sees the one before";
    EXPECT_EQ(a.current, kMessage);
    EXPECT_EQ(a.window, &window);
    EXPECT_EQ(a.wParam, 5);
    EXPECT_EQ(a.lParam, 6);
    EXPECT_EQ(MSubclass::currentMessage(), 0);

    // A message nobody attached to goes to the window alone.
    log.clear();
    EXPECT_EQ(MSubclass::sendMessage(&window, kMessage + 1), 100);
    EXPECT_EQ(log, Log{"window"});
}

INSTANTIATE_TEST_SUITE_P(MsgResponse, Dispatch,
                         ::testing::Values(ResponseCase{0, {"C", "B", "A"}, 1, 2},
                                           ResponseCase{1, {"C", "B", "A", "window"}, 100, 2},
                                           ResponseCase{2, {"C", "B", "window", "A"}, 1, 100},
                                           ResponseCase{7, {"C", "B", "A"}, 1, 2}),
                         [](const auto& info) {
                             return "FirstResponse" + std::to_string(info.param.firstResponse);
                         });

TEST(Hooks, BookkeepingFollowsAttachAndDetach) {
    Log log;
    RecordingWindow window(log);
    RecordingClient a("A", log), b("B", log), c("C", log);
    for (RecordingClient* client : {&a, &b, &c})
        MSubclass::attach(client, &window, 10);
    MSubclass::attach(&a, &window, 11); // another message: fine

    EXPECT_TRUE(MSubclass::isHooked(&window));
    EXPECT_EQ(MSubclass::attachmentCount(&window), 4);
    EXPECT_EQ(MSubclass::clientCount(&window, 10), 3);
    EXPECT_EQ(MSubclass::client(&window, 10, 2), &b);

    MSubclass::detach(&b, &window, 10);
    MSubclass::detach(&b, &window, 10); // not attached: nothing
    EXPECT_EQ(MSubclass::client(&window, 10, 2), &c) << "the gap closes";
    EXPECT_EQ(MSubclass::client(&window, 10, 3), nullptr);
    EXPECT_EQ(MSubclass::attachmentCount(&window), 3);

    MSubclass::detach(&a, &window, 10);
    MSubclass::detach(&c, &window, 10);
    MSubclass::detach(&a, &window, 11);
    EXPECT_FALSE(MSubclass::isHooked(&window));
    EXPECT_EQ(MSubclass::sendMessage(&window, 10), 100);
    EXPECT_EQ(log, Log{"window"});
}

TEST(Hooks, AttachErrorsChangeNothing) {
    Log log;
    RecordingWindow window(log);
    RecordingClient a("A", log);
    MSubclass::attach(&a, &window, 10);

    QThread elsewhere;
    QObject foreign;
    foreign.moveToThread(&elsewhere);

    const struct {
        QObject* window;
        int code;
        const char* description;
    } cases[] = {
        {&window, 13082, "Message already handled by another class"},
        {nullptr, 13083, "Invalid window"},
        {&foreign, 13084, "Can't modify external window"},
    };
    for (const auto& c : cases) {
        const auto error = errorOf([&] { MSubclass::attach(&a, c.window, 10); });
        ASSERT_TRUE(error) << c.code;
        EXPECT_EQ(error->number(), static_cast<std::int32_t>(0x80040000u) + c.code);
        EXPECT_EQ(error->description(), c.description);
        EXPECT_EQ(error->source(), modeltest::kProgram + ".WindowProc");
    }
    EXPECT_EQ(MSubclass::attachmentCount(&window), 1);
    EXPECT_FALSE(MSubclass::isHooked(&foreign));
    EXPECT_EQ(objectErrorNumber(13082), -2147208422);
    EXPECT_EQ(objectErrorNumber(5), 5);
}

TEST(Hooks, DestroyedWindowsAndClientsAreUnhooked) {
    Log log;
    RecordingClient a("A", log);
    const int hooked = MSubclass::hookedWindows();
    auto* doomed = new RecordingWindow(log);
    MSubclass::attach(&a, doomed, 10);
    EXPECT_EQ(MSubclass::hookedWindows(), hooked + 1);
    delete doomed;
    EXPECT_EQ(MSubclass::hookedWindows(), hooked);

    RecordingWindow window(log);
    {
        RecordingClient shortLived("S", log);
        MSubclass::attach(&shortLived, &window, 10);
    }
    EXPECT_FALSE(MSubclass::isHooked(&window));
    EXPECT_EQ(MSubclass::sendMessage(&window, 10), 100);
    EXPECT_EQ(log, Log{"window"});
}

TEST(Hooks, ClientsRemovedDuringDispatchAreNotCalled) {
    Log log;
    RecordingWindow window(log);
    auto victim = std::make_unique<RecordingClient>("victim", log);
    RecordingClient detacher("detacher", log);
    MSubclass::attach(victim.get(), &window, 10);
    MSubclass::attach(&detacher, &window, 10);
    detacher.onCall = [&] { victim.reset(); };
    MSubclass::sendMessage(&window, 10);
    EXPECT_EQ(log, Log{"detacher"});
}

// Qt events that carry a hooked message.
struct EventCase {
    const char* name;
    std::function<std::unique_ptr<QEvent>()> make;
    std::int32_t message; // 0: not delivered to hooks
    std::int32_t wParam;
    std::int32_t lParam;
};

class EventTable : public ::testing::TestWithParam<EventCase> {};

std::unique_ptr<QEvent> nonClientPress(Qt::MouseButton button) {
    return std::make_unique<QMouseEvent>(QEvent::NonClientAreaMouseButtonPress, QPointF(1, 2),
                                         QPointF(30, 40), button, button, Qt::NoModifier);
}

TEST_P(EventTable, DeliversTheMessageTheEventMeans) {
    Log log;
    QWidget window;
    RecordingClient client("client", log, ISubclass::PreviousBefore);
    for (std::int32_t m : {7, 26, 161, 164, 167, 522})
        MSubclass::attach(&client, &window, m);
    const auto event = GetParam().make();
    QCoreApplication::sendEvent(&window, event.get());
    if (GetParam().message == 0) {
        EXPECT_TRUE(log.empty());
        return;
    }
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(client.message, GetParam().message);
    EXPECT_EQ(client.wParam, GetParam().wParam);
    EXPECT_EQ(client.lParam, GetParam().lParam);
}

INSTANTIATE_TEST_SUITE_P(
    Qt, EventTable,
    ::testing::Values(
        EventCase{"FocusIn",
                  [] { return std::make_unique<QFocusEvent>(QEvent::FocusIn, Qt::TabFocusReason); },
                  7, 0, 0},
        EventCase{"ThemeChange", [] { return std::make_unique<QEvent>(QEvent::ThemeChange); }, 26,
                  0, 0},
        EventCase{"ApplicationFontChange",
                  [] { return std::make_unique<QEvent>(QEvent::ApplicationFontChange); }, 26, 0, 0},
        EventCase{"Wheel",
                  [] {
                      return std::make_unique<QWheelEvent>(
                          QPointF(1, 2), QPointF(30, 40), QPoint(), QPoint(0, 120), Qt::LeftButton,
                          Qt::ShiftModifier, Qt::NoScrollPhase, false);
                  },
                  522, WindowMessage::makeParam(0x05, 120), WindowMessage::makeParam(30, 40)},
        EventCase{"NonClientLeft", [] { return nonClientPress(Qt::LeftButton); }, 161, 0,
                  WindowMessage::makeParam(30, 40)},
        EventCase{"NonClientRight", [] { return nonClientPress(Qt::RightButton); }, 164, 0,
                  WindowMessage::makeParam(30, 40)},
        EventCase{"NonClientMiddle", [] { return nonClientPress(Qt::MiddleButton); }, 167, 0,
                  WindowMessage::makeParam(30, 40)},
        EventCase{"FocusOutIsNotHooked",
                  [] { return std::make_unique<QFocusEvent>(QEvent::FocusOut); }, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaneHooks, WatchesItsFocusAndItsTopLevelsSettings) {
    QWidget first;
    QWidget second;
    auto* pane = new torkExplorerBarCtl(&first);
    EXPECT_EQ(MSubclass::clientCount(pane, WindowMessage::SetFocus), 1);
    EXPECT_EQ(MSubclass::clientCount(&first, WindowMessage::SettingChange), 1);

    pane->setParent(&second);
    EXPECT_EQ(MSubclass::clientCount(&first, WindowMessage::SettingChange), 0);
    EXPECT_FALSE(MSubclass::isHooked(&first));
    EXPECT_EQ(MSubclass::clientCount(&second, WindowMessage::SettingChange), 1);

    QSignalSpy settings(pane, &torkExplorerBarCtl::SettingChange);
    QEvent themeChange(QEvent::ThemeChange);
    QCoreApplication::sendEvent(&second, &themeChange);
    EXPECT_EQ(settings.count(), 1);

    delete pane;
    EXPECT_FALSE(MSubclass::isHooked(&second));
}

TEST(PaneHooks, ScrollBarActionsReachTheHooksAsScrollMessages) {
    torkExplorerBarCtl pane;
    pane.resize(200, 120);
    for (int i = 0; i < 6; ++i)
        pane.Bars().Add({}, {}, QStringLiteral("Полоса %1").arg(i)).Items().Add();
    ASSERT_TRUE(paneStateOf(pane).scrollBarVisible);

    Log log;
    RecordingClient wrapper("wrapper", log, ISubclass::PreviousAfter);
    MSubclass::attach(&wrapper, &pane, WindowMessage::VScroll);
    auto* scrollBar = pane.findChild<QScrollBar*>();
    ASSERT_NE(scrollBar, nullptr);
    scrollBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(log, Log{"wrapper"});
    EXPECT_EQ(wrapper.wParam & 0xFFFF, WindowMessage::ScrollLineDown);
    EXPECT_EQ(paneStateOf(pane).scrollValue, 12);
}

} // namespace

// On a form in a design environment the pane draws what it holds and stays
// out of the way: no hooks on it or its window, no Alt shortcuts, no timer,
// however the pointer moves over it.
TEST(PaneHooks, InADesignEnvironmentThePaneHooksNothingAndStartsNoTimer) {
    QWidget form;
    const int hooked = MSubclass::hookedWindows();
    const int timers = MTimer::liveTimers();
    auto* pane = new torkExplorerBarCtl(&form, torkExplorerBarCtl::Environment::Designer);
    EXPECT_EQ(pane->environment(), torkExplorerBarCtl::Environment::Designer);
    pane->resize(200, 300);
    cExplorerBar bar = pane->Bars().Add({}, {}, QStringLiteral("&Задачи"));
    bar.Items().Add({}, {}, QStringLiteral("&Открыть"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    EXPECT_FALSE(MSubclass::isHooked(pane));
    EXPECT_FALSE(MSubclass::isHooked(&form));
    EXPECT_EQ(MSubclass::hookedWindows(), hooked);
    EXPECT_TRUE(form.findChildren<QShortcut*>().isEmpty());
    for (int y = 0; y < pane->height(); y += 4)
        QTest::mouseMove(pane, QPoint(40, y));
    EXPECT_EQ(MTimer::liveTimers(), timers);
    EXPECT_GT(paneStateOf(*pane).contentHeight, 0) << "the bar is laid out for drawing";

    // The same pane in a program does all three.
    torkExplorerBarCtl running(&form);
    running.Bars().Add({}, {}, QStringLiteral("&Задачи"));
    EXPECT_TRUE(MSubclass::isHooked(&running));
    EXPECT_FALSE(form.findChildren<QShortcut*>().isEmpty());
}
