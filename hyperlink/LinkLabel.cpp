#include "LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace zelvano::link {

namespace {

// A label read out as a link: role Link, name = caption, description =
// target, and a press action, so a screen reader user can follow it.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return label()->accessibleName().isEmpty() ? label()->text()
                                                       : label()->accessibleName();
        case QAccessible::Description:
            return label()->accessibleDescription().isEmpty() ? label()->target()
                                                              : label()->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

// Letters with the longest descenders of the Latin and Cyrillic alphabets, so
// that the height does not depend on whether the caption happens to use one.
const QString& descenderSample() {
    static const QString sample = QStringLiteral("gjpqyдруфцщ");
    return sample;
}

QAccessibleInterface* linkAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setTextFormat(Qt::PlainText); // a caption is text; markup in it must not become live links
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

int LinkLabel::descenderOverhang() const {
    const QFontMetricsF metrics(font());
    const qreal glyphs = std::max(metrics.boundingRect(descenderSample()).bottom(),
                                  metrics.boundingRect(text()).bottom());
    const qreal underline = metrics.underlinePos() + metrics.lineWidth();
    const auto bottom = static_cast<int>(std::ceil(metrics.ascent() + std::max(glyphs, underline)));
    return std::max(0, bottom - fontMetrics().height());
}

QSize LinkLabel::sizeHint() const {
    return QLabel::sizeHint() + QSize(0, descenderOverhang());
}

QSize LinkLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() + QSize(0, descenderOverhang());
}

void LinkLabel::activate() {
    if (activate_)
        activate_();
}

void LinkLabel::setBorder(Border border) {
    border_ = border;
    // A plain QFrame line would take the text colour, and so the hover colour.
    setFrameStyle(border == Border::Sunken ? QFrame::StyledPanel | QFrame::Sunken
                                           : QFrame::NoFrame);
    const int line = border == Border::Flat ? 1 : 0;
    setContentsMargins(line, line, line, line);
    update();
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (border_ != Border::Flat && !hasFocus())
        return;
    QStylePainter painter(this);
    if (border_ == Border::Flat) {
        // One logical pixel, as wide as the margin set for it.
        painter.setPen(QPen(palette().color(QPalette::Shadow), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && !(event->modifiers() & ~Qt::KeypadModifier)) {
            event->accept();
            activate();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

} // namespace zelvano::link
