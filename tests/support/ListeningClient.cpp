#include "ListeningClient.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace zelvano::test {

namespace {

std::vector<ListeningClient::Heard>& record() {
    static std::vector<ListeningClient::Heard> all;
    return all;
}

void listen(QAccessibleEvent* event) {
    ListeningClient::Heard heard{event->type(), event->object(), {}, {}, {}};
    if (QAccessibleInterface* iface = event->accessibleInterface())
        heard.name = iface->text(QAccessible::Name);
    if (event->type() == QAccessible::StateChanged)
        heard.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    if (event->type() == QAccessible::ValueChanged)
        heard.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    record().push_back(heard);
}

// The toolkit has no public switch: a platform bridge turns it on when a
// client connects, and the offscreen platform has no bridge.
void setPlatformActive(bool active) {
    if (QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration())
        if (QPlatformAccessibility* accessibility = platform->accessibility())
            accessibility->setActive(active);
}

} // namespace

ListeningClient::ListeningClient()
    : previous_(QAccessible::installUpdateHandler(&listen)) {
    record().clear();
    setPlatformActive(true);
}

ListeningClient::~ListeningClient() {
    setPlatformActive(false);
    QAccessible::installUpdateHandler(previous_);
    record().clear();
}

const std::vector<ListeningClient::Heard>& ListeningClient::heard() const {
    return record();
}

std::vector<QString> ListeningClient::names(QAccessible::Event type,
                                            const QString& objectName) const {
    std::vector<QString> out;
    for (const Heard& h : record())
        if (h.type == type &&
            (objectName.isEmpty() || (h.object && h.object->objectName() == objectName)))
            out.push_back(h.name);
    return out;
}

void ListeningClient::clear() {
    record().clear();
}

} // namespace zelvano::test
