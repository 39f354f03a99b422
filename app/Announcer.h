#pragma once

#include <QWidget>

namespace zelvano::app {

// Says a text to a screen reader without moving the focus, such as a new
// result or the name of the panel just shown: an accessible notification
// that carries the text and is shown anew for each. It takes no room and
// paints nothing; on screen the window shows the same by other means.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // The notification's accessible name.
    const QString& text() const { return text_; }
    void announce(const QString& text);

private:
    QString text_;
};

} // namespace zelvano::app
