#pragma once

#include <QWidget>

namespace zelvano::app {

// Says a new result to a screen reader without moving the focus: an
// accessible notification that carries the text and is shown anew for each
// result. It takes no room and paints nothing; on screen the result box
// shows the result.
class ResultAnnouncer final : public QWidget {
    Q_OBJECT

public:
    explicit ResultAnnouncer(QWidget* parent);

    // Read by the notification's accessible name.
    const QString& lastResult() const { return text_; }
    void announce(const QString& text);

private:
    QString text_;
};

} // namespace zelvano::app
