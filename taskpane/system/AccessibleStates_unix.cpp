#include "system/AccessibleStates.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// An AT-SPI object reference: the bus name of its application and its path.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference) {
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference) {
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(ObjectReference)

namespace zelvano::pane {

// The signal goes out on the connection that Qt's bridge opened to the
// accessibility bus, under its name and in its object paths, shaped as the
// bridge shapes its own state changes, so that clients take it as the
// element's.
void reportExpandedState(QAccessibleInterface* element, bool expanded) {
    if (element == nullptr || !QAccessible::isActive())
        return;
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);

    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(element));
    const auto reference = [&bus](const QString& objectPath) {
        return QVariant::fromValue(ObjectReference{bus.baseService(), QDBusObjectPath(objectPath)});
    };
    for (const auto& [state, on] : {std::pair{QStringLiteral("expanded"), expanded},
                                    std::pair{QStringLiteral("collapsed"), !expanded}}) {
        QDBusMessage signal = QDBusMessage::createSignal(
            path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
        signal.setArguments({state, on ? 1 : 0, 0,
                             QVariant::fromValue(QDBusVariant(reference(path))),
                             reference(QStringLiteral("/org/a11y/atspi/accessible/root"))});
        bus.send(signal);
    }
}

} // namespace zelvano::pane
