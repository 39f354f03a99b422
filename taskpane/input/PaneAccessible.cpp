#include "input/PaneAccessible.h"

#include "input/pcMnemonics.h"
#include "paint/PaneRenderer.h"
#include "system/AccessibleStates.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QPointer>
#include <QScrollBar>

namespace zelvano::pane {

namespace {

// Live pane interfaces: notifications go only to panes that an assistive
// client has asked for, so nothing is built while none listens.
QHash<const QWidget*, PaneAccessible*>& livePanes() {
    static QHash<const QWidget*, PaneAccessible*> panes;
    return panes;
}

void notify(QAccessibleEvent& event) {
    QAccessible::updateAccessibility(&event);
}

quint64 keyOf(PaneElement e) {
    return (quint64(quint32(e.barId)) << 32) | quint32(e.itemId);
}

// "&" marks the mnemonic and "&&" shows one "&".
QString withoutMnemonic(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'&') {
            out += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == u'&') {
            out += u'&';
            ++i;
        }
    }
    return out;
}

QAccessibleInterface* widgetInterface(QWidget* widget) {
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QAccessibleInterface* paneFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("torkExplorerBarCtl") && object && object->isWidgetType())
        return new PaneAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

// One title or item, found again by ID on every call.
class PaneAccessible::Element : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Element(QWidget* pane, PaneElement element)
        : pane_(pane)
        , element_(element) {}

    bool isValid() const override { return bar() && (element_.isTitle() || item()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return pane_ ? pane_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return widgetInterface(pane_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        const QString& caption = element_.isTitle() ? bar()->Title : item()->Text;
        switch (t) {
        case QAccessible::Name:
            return withoutMnemonic(caption);
        case QAccessible::Description:
            return element_.isTitle() ? bar()->ToolTipText : item()->ToolTipText;
        case QAccessible::Accelerator: {
            const QChar mnemonic = pcMnemonics::mnemonicOf(caption);
            return mnemonic.isNull()
                       ? QString()
                       : pcMnemonics::sequenceOf(mnemonic).toString(QKeySequence::NativeText);
        }
        default:
            return {};
        }
    }

    QRect rect() const override {
        if (!isValid() || !shown())
            return {};
        const PaneRenderer& r = core()->renderer();
        const QRect local =
            (element_.isTitle() ? r.titleRect(*bar()) : r.itemRect(*bar(), *item())) &
            core()->clientRect();
        return local.isEmpty() ? QRect() : QRect(pane_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override {
        if (element_.isTitle())
            return QAccessible::Button;
        const pcExplorerBarItem* it = item();
        return it && it->ItemType == ItemKindText ? QAccessible::StaticText : QAccessible::Link;
    }

    QAccessible::State state() const override {
        QAccessible::State st;
        if (!isValid()) {
            st.invisible = true;
            return st;
        }
        const pcExplorerBar& b = *bar();
        st.invisible = !pane_->isVisible() || !shown();
        st.offscreen = !st.invisible && rect().isEmpty();
        // An item of a collapsed bar cannot take the focus mark.
        st.focusable = !st.invisible && clickable() && (element_.isTitle() ? b.CanExpand : true);
        st.focused = core()->state.hasFocus && core()->focusMark() == element_;
        if (element_.isTitle()) {
            st.expandable = b.CanExpand;
            st.expanded = b.CanExpand && b.State == BarExpanded;
            st.collapsed = b.CanExpand && b.State != BarExpanded;
            st.hotTracked = b.MouseOver;
            st.pressed = b.MouseDown;
        } else {
            const pcExplorerBarItem& it = *item();
            st.linked = it.ItemType == ItemKindLink;
            st.disabled = it.ItemType == ItemKindLink && !it.CanClick;
            st.hotTracked = it.MouseOver;
            st.pressed = it.MouseDown;
        }
        return st;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid() || !clickable())
            return {};
        return {pressAction(), setFocusAction()};
    }

    void doAction(const QString& name) override {
        if (!isValid() || !clickable())
            return;
        if (name == pressAction()) {
            if (element_.isTitle())
                core()->clickBar(element_.barId);
            else
                core()->clickItem(element_.itemId);
        } else if (name == setFocusAction()) {
            pane_->setFocus(Qt::OtherFocusReason);
            core()->state.keyboardUsed = true; // as after a key: show the mark
            core()->setFocusMark(element_);
            core()->repaintSoon();
        }
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        const QString keys = text(QAccessible::Accelerator);
        if (name != pressAction() || keys.isEmpty())
            return {};
        return {keys};
    }

private:
    pcExplorerBar* bar() const {
        return pane_ && core() ? core()->model.findBar(element_.barId) : nullptr;
    }
    pcExplorerBarItem* item() const {
        if (!pane_ || !core() || !element_.isItem())
            return nullptr;
        pcExplorerBarItem* it = core()->model.findItem(element_.itemId);
        return it && it->BarID == element_.barId ? it : nullptr;
    }
    torkExplorerBarCtlPrivate* core() const { return torkExplorerBarCtlPrivate::find(pane_); }
    bool shown() const { return element_.isTitle() || bar()->State == BarExpanded; }
    // Titles always raise their click; items only as clickable links.
    bool clickable() const {
        const pcExplorerBarItem* it = item();
        return element_.isTitle() || (it->ItemType == ItemKindLink && it->CanClick);
    }

    QPointer<QWidget> pane_;
    PaneElement element_;
};

PaneAccessible::PaneAccessible(QWidget* pane)
    : QAccessibleWidget(pane, QAccessible::Pane)
    , registeredPane_(pane) {
    livePanes().insert(pane, this);
}

PaneAccessible::~PaneAccessible() {
    livePanes().remove(registeredPane_);
    for (const QAccessible::Id id : std::as_const(elements_))
        QAccessible::deleteAccessibleInterface(id);
}

void PaneAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(paneFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

torkExplorerBarCtlPrivate* PaneAccessible::core() const {
    return torkExplorerBarCtlPrivate::find(widget());
}

QAccessibleInterface* PaneAccessible::elementInterface(PaneElement element) const {
    const quint64 key = keyOf(element);
    if (const auto id = elements_.constFind(key); id != elements_.cend())
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(*id))
            return iface;
    auto* iface = new Element(widget(), element);
    elements_.insert(key, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

void PaneAccessible::forgetStale() const {
    for (auto it = elements_.begin(); it != elements_.end();) {
        QAccessibleInterface* iface = QAccessible::accessibleInterface(*it);
        if (iface && iface->isValid()) {
            ++it;
            continue;
        }
        if (iface)
            QAccessible::deleteAccessibleInterface(*it);
        it = elements_.erase(it);
    }
}

std::vector<QAccessibleInterface*> PaneAccessible::children() const {
    std::vector<QAccessibleInterface*> out;
    const torkExplorerBarCtlPrivate* core = this->core();
    if (!core)
        return out;
    for (const auto& bar : core->state.bars) {
        if (!(bar->Title.isEmpty() && !bar->CanExpand))
            out.push_back(elementInterface(PaneElement::title(bar->ID)));
        for (const auto& item : bar->items) {
            if (item->ItemType != ItemKindHostedControl)
                out.push_back(elementInterface(PaneElement::item(bar->ID, item->ID)));
            else if (QAccessibleInterface* hosted = widgetInterface(item->lPtrPanel))
                out.push_back(hosted);
        }
    }
    if (core->scrollBar().isVisibleTo(widget()))
        if (QAccessibleInterface* bar = widgetInterface(&core->scrollBar()))
            out.push_back(bar);
    return out;
}

QString PaneAccessible::text(QAccessible::Text t) const {
    // The host names the pane (accessibleName); else its window title.
    if (t == QAccessible::Name) {
        const QWidget& w = *widget();
        return w.accessibleName().isEmpty() ? w.windowTitle() : w.accessibleName();
    }
    return QAccessibleWidget::text(t);
}

int PaneAccessible::childCount() const {
    return static_cast<int>(children().size());
}

QAccessibleInterface* PaneAccessible::child(int index) const {
    const auto all = children();
    return index >= 0 && index < static_cast<int>(all.size()) ? all[std::size_t(index)] : nullptr;
}

int PaneAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto all = children();
    const auto at = std::find(all.begin(), all.end(), child);
    return at == all.end() ? -1 : static_cast<int>(at - all.begin());
}

QAccessibleInterface* PaneAccessible::childAt(int x, int y) const {
    for (QAccessibleInterface* c : children())
        if (c->rect().contains(x, y))
            return c;
    return nullptr;
}

QAccessibleInterface* PaneAccessible::focusChild() const {
    const torkExplorerBarCtlPrivate* core = this->core();
    const PaneElement mark = core ? core->focusMark() : PaneElement{};
    if (widget()->hasFocus() && !mark.isNone())
        return elementInterface(mark);
    return QAccessibleWidget::focusChild();
}

void PaneAccessible::focusMoved(QWidget& pane, PaneElement element) {
    PaneAccessible* iface = livePanes().value(&pane);
    if (!iface || element.isNone())
        return;
    QAccessibleEvent event(iface->elementInterface(element), QAccessible::Focus);
    notify(event);
}

void PaneAccessible::stateChanged(QWidget& pane, std::int32_t barId) {
    PaneAccessible* iface = livePanes().value(&pane);
    if (!iface)
        return;
    QAccessible::State changed;
    changed.expanded = changed.collapsed = true;
    QAccessibleInterface* title = iface->elementInterface(PaneElement::title(barId));
    QAccessibleStateChangeEvent event(title, changed);
    notify(event);
    reportExpandedState(title, title->state().expanded);
}

void PaneAccessible::elementsChanged(QWidget& pane) {
    PaneAccessible* iface = livePanes().value(&pane);
    if (!iface)
        return;
    iface->forgetStale();
    QAccessibleEvent event(&pane, QAccessible::ObjectReorder);
    notify(event);
}

} // namespace zelvano::pane
