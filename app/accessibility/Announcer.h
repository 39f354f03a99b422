#pragma once

#include <QWidget>

namespace zelvano::app {

// Says a text to a screen reader without moving the focus, such as a new
// result or the name of the panel just shown. It takes no room and paints
// nothing; on screen the window shows the same by other means. How the text
// reaches a screen reader depends on what the platform's accessibility
// bridge passes on, so that part lives beside this file, one per platform.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // The last text announced, which is also the notification's name.
    const QString& text() const { return text_; }
    void announce(const QString& text);

private:
    // Hands the current text to the platform's bridge, in what it passes
    // on, where the toolkit has no announcement event (before Qt 6.8);
    // called only while an assistive client is listening.
    void sendToBridge();

    QString text_;
};

} // namespace zelvano::app
