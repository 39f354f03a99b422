#pragma once

#include <QAccessible>
#include <QPointer>

#include <vector>

namespace zelvano::test {

// Plays an assistive client for a test: while it lives, the platform's
// accessibility counts as active, as it does once a screen reader is
// running, and every accessibility event the program raises is recorded
// instead of going to a platform bridge.
class ListeningClient {
public:
    struct Heard {
        QAccessible::Event type;
        QPointer<QObject> object;
        // The object's accessible name when the event was raised.
        QString name;
        // For a state change, the states that changed.
        QAccessible::State changed;
        // For a value change, the value it carried.
        QVariant value;
    };

    ListeningClient();
    ~ListeningClient();
    ListeningClient(const ListeningClient&) = delete;
    ListeningClient& operator=(const ListeningClient&) = delete;

    const std::vector<Heard>& heard() const;
    // The names of the events of `type` raised on objects named `objectName`
    // (any object when empty), in order.
    std::vector<QString> names(QAccessible::Event type, const QString& objectName = {}) const;
    void clear();

private:
    QAccessible::UpdateHandler previous_;
};

} // namespace zelvano::test
