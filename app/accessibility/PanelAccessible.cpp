#include "accessibility/PanelAccessible.h"

#include "CategoryPanel.h"
#include "QuantityBox.h"
#include "ResultBox.h"
#include "accessibility/Announcer.h"
#include "accessibility/TextBoxAccessible.h"

#include <QAccessibleWidget>
#include <QGroupBox>

#include <algorithm>
#include <vector>

namespace zelvano::app {

namespace {

// A widget whose accessible children differ from its child widgets.
class RegroupedAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto all = children();
        return index >= 0 && index < static_cast<int>(all.size()) ? all[std::size_t(index)]
                                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto all = children();
        const auto at = std::find(all.begin(), all.end(), child);
        return at == all.end() ? -1 : static_cast<int>(at - all.begin());
    }

protected:
    virtual std::vector<QAccessibleInterface*> children() const = 0;

    std::vector<QAccessibleInterface*> widgetChildren() const {
        std::vector<QAccessibleInterface*> all;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            if (QAccessibleInterface* c = QAccessibleWidget::child(i))
                all.push_back(c);
        return all;
    }
};

ResultBox* resultBoxIn(const QObject* frame) {
    return frame->findChild<ResultBox*>(QString(), Qt::FindDirectChildrenOnly);
}

// A frame of the panel, without the result box that the quantity frame
// holds on screen: that box is read beside it. The frame's interface is made
// while the frame is still being built, so it cannot wait for its children.
class FrameAccessible final : public RegroupedAccessible {
public:
    explicit FrameAccessible(QGroupBox* frame)
        : RegroupedAccessible(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QGroupBox*>(widget())->title();
        return RegroupedAccessible::text(t);
    }

private:
    std::vector<QAccessibleInterface*> children() const override {
        auto all = widgetChildren();
        std::erase_if(all, [](QAccessibleInterface* c) {
            return qobject_cast<ResultBox*>(c->object()) != nullptr;
        });
        return all;
    }
};

// The panel, with the result box after the quantity frame that holds it.
class CategoryPanelAccessible final : public RegroupedAccessible {
public:
    explicit CategoryPanelAccessible(QWidget* panel)
        : RegroupedAccessible(panel, QAccessible::Client) {}

private:
    std::vector<QAccessibleInterface*> children() const override {
        std::vector<QAccessibleInterface*> all;
        for (QAccessibleInterface* c : widgetChildren()) {
            all.push_back(c);
            if (c->object() == nullptr)
                continue;
            if (ResultBox* box = resultBoxIn(c->object()))
                all.push_back(QAccessible::queryAccessibleInterface(box));
        }
        return all;
    }
};

// A bare container in a frame. Qt names it after the frame, and a frame
// whose only child has its name reads as layout to a screen reader, which
// then never says "Из:" or "В:".
class ContainerAccessible final : public QAccessibleWidget {
public:
    explicit ContainerAccessible(QWidget* container)
        : QAccessibleWidget(container, QAccessible::Client) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<Announcer*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    // Shown whenever its window is: a screen reader reads no hidden object.
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        st.invisible = !widget()->window()->isVisible();
        st.focusable = false;
        return st;
    }

    QRect rect() const override { return {}; }
};

QAccessibleInterface* panelFactory(const QString& key, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (auto* box = qobject_cast<QuantityBox*>(widget);
        box && key == box->metaObject()->className())
        return new TextBoxAccessible(box, TextBoxAccessible::Place::InFrame);
    if (auto* box = qobject_cast<ResultBox*>(widget); box && key == box->metaObject()->className())
        return new TextBoxAccessible(box, TextBoxAccessible::Place::BesideFrame);
    if (auto* announcer = qobject_cast<Announcer*>(widget))
        return new AnnouncerAccessible(announcer);
    if (auto* panel = qobject_cast<CategoryPanel*>(widget);
        panel && key == panel->metaObject()->className())
        return new CategoryPanelAccessible(panel);
    auto* frame = qobject_cast<QGroupBox*>(widget);
    if (frame != nullptr && key == QLatin1String("QGroupBox") &&
        qobject_cast<CategoryPanel*>(frame->parentWidget()) != nullptr)
        return new FrameAccessible(frame);
    if (key == QLatin1String("QWidget") && widget->metaObject() == &QWidget::staticMetaObject &&
        qobject_cast<QGroupBox*>(widget->parentWidget()) != nullptr &&
        qobject_cast<CategoryPanel*>(widget->parentWidget()->parentWidget()) != nullptr)
        return new ContainerAccessible(widget);
    return nullptr;
}

} // namespace

void installPanelAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(panelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zelvano::app
