#pragma once

// The inner text label of HyperLink. It is the part the user points at,
// clicks and tabs to: it takes keyboard focus for the control, draws the
// focus frame, and presents itself to assistive technology as a link whose
// press action clicks it.

#include <QLabel>

#include <functional>

namespace zelvano::link {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // What the accessible press action and Enter/Space do.
    void setActivator(std::function<void()> activate) { activate_ = std::move(activate); }
    void activate();

    // None; Flat: a one-pixel line in the window-frame colour, whatever the
    // text colour; Sunken: the style's sunken panel.
    enum class Border { None, Flat, Sunken };
    void setBorder(Border border);

    // The target, offered to assistive technology as the link's description.
    void setTarget(const QString& target) { target_ = target; }
    const QString& target() const { return target_; }

    // A whole line of text: some faces report a descent shorter than their
    // descenders reach, and a label of the reported height cuts off the
    // bottom of "g", "p" and "y", more visibly still at twice the scale.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Pixels the text's glyphs reach below the line height the font reports.
    int descenderOverhang() const;

    std::function<void()> activate_;
    Border border_ = Border::None;
    QString target_;
};

} // namespace zelvano::link
