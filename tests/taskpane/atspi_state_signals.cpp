// A bar's expanded and collapsed states as an assistive client on the
// accessibility bus hears them, under the private display and buses that
// atspi-session.sh starts. The pane sends these signals itself, on the
// toolkit bridge's connection and in its object paths: should either change,
// no signal arrives or its path names no bar title, and this fails.

#include "input_support.h"
#include "main_window_sample.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using inputtest::PaneFixture;

struct Heard {
    QString state;
    int on;
    QString sender;
    QString path;
};

// Hears every object's state changes on the accessibility bus, as a screen
// reader subscribes to them.
class Listener : public QObject {
    Q_OBJECT
public:
    std::vector<Heard> heard;

public slots:
    void stateChanged(const QDBusMessage& signal) {
        const QVariantList args = signal.arguments();
        const QString state = args.value(0).toString();
        if (state == u"expanded" || state == u"collapsed")
            heard.push_back({state, args.value(1).toInt(), signal.service(), signal.path()});
    }
};

QString accessibilityBusAddress() {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    return reply.arguments().value(0).toString();
}

// Asks the object a signal came from, through its sender, as a client does:
// the answer, or the error's text. It comes from this process's own event loop.
std::string ask(const QDBusConnection& bus, const Heard& from, const QString& interface,
                const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(from.sender, from.path, interface, method);
    call.setArguments(arguments);
    QVariant answer = bus.call(call, QDBus::BlockWithGui, 5000).arguments().value(0);
    if (answer.canConvert<QDBusVariant>())
        answer = answer.value<QDBusVariant>().variant();
    return answer.toString().toStdString();
}

struct AtSpiStateSignals : PaneFixture {};

TEST_F(AtSpiStateSignals, ReachAListenerFromTheBarTitle) {
    const QString address = accessibilityBusAddress();
    ASSERT_FALSE(address.isEmpty()) << "no accessibility bus on the session bus";
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
        << "the toolkit's bridge did not join the accessibility bus";
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("listener"));
    ASSERT_TRUE(bus.isConnected());
    Listener listener;
    ASSERT_TRUE(bus.connect({}, {}, QStringLiteral("org.a11y.atspi.Event.Object"),
                            QStringLiteral("StateChanged"), &listener,
                            SLOT(stateChanged(QDBusMessage))));

    fillMainWindow();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_NE(QAccessible::queryAccessibleInterface(pane), nullptr);
    const std::string caption = paintfix::kMainWindowBars[1].title.toString().toStdString();

    struct Step {
        std::int32_t state;
        std::vector<std::pair<std::string, int>> heard;
    };
    const Step steps[] = {
        {BarCollapsed, {{"collapsed", 1}, {"expanded", 0}}},
        {BarExpanded, {{"collapsed", 0}, {"expanded", 1}}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.state == BarCollapsed ? "collapsing" : "expanding");
        listener.heard.clear();
        QTest::mouseClick(pane, Qt::LeftButton, {}, titleCentre(1));
        ASSERT_EQ(bar(1).State, step.state);
        EXPECT_TRUE(QTest::qWaitFor([&] { return listener.heard.size() >= 2; }, 5000));
        std::vector<std::pair<std::string, int>> states;
        for (const Heard& heard : listener.heard) {
            states.emplace_back(heard.state.toStdString(), heard.on);
            EXPECT_EQ(ask(bus, heard, QStringLiteral("org.freedesktop.DBus.Properties"),
                          QStringLiteral("Get"),
                          {QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("Name")}),
                      caption)
                << heard.path.toStdString();
            EXPECT_EQ(ask(bus, heard, QStringLiteral("org.a11y.atspi.Accessible"),
                          QStringLiteral("GetRoleName")),
                      "push button");
        }
        std::sort(states.begin(), states.end());
        EXPECT_EQ(states, step.heard);
    }
}

} // namespace

#include "atspi_state_signals.moc"
