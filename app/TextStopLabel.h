#pragma once

#include <QLabel>

namespace zelvano::app {

// A label that is a Tab stop, so that a screen reader, which reads what has
// the focus, reads a panel of texts whole. While it has the focus it draws
// the platform's focus mark around its text, as links and the pane's items
// do; without the focus it looks like any label.
class TextStopLabel final : public QLabel {
    Q_OBJECT

public:
    TextStopLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect textRect() const;
};

} // namespace zelvano::app
