#pragma once

#include <QLineEdit>

namespace zelvano::app {

// The read-only box that shows a category panel's result. Whoever sets its
// text, the box shows the start of it: a number read from its end, without
// its sign and first digits, is another number. A text wider than the box is
// also offered whole, as tooltip and as accessible description.
class ResultBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

    // Whether the whole text is visible at once in the box's text area.
    bool textFits() const;

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showStart();
    void offerWholeText();
};

} // namespace zelvano::app
