#include "system/MSubclass.h"

#include "model/PaneErrors.h"
#include "system/SystemMessages.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QWheelEvent>
#include <QtDebug>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zelvano::pane {

using namespace WindowMessage;

namespace {

// Qt events that carry the meaning of a hooked message. Scroll-bar
// notifications (276/277) have no Qt event: the pane sends them itself as
// WindowMessageEvent when its scroll bar acts, and forwards presses on that
// scroll bar as non-client presses.
struct EventMessage {
    QEvent::Type type;
    Qt::MouseButton button; // NoButton: any
    std::int32_t message;
};

constexpr std::array kEventMessages{
    EventMessage{QEvent::FocusIn, Qt::NoButton, SetFocus},
    EventMessage{QEvent::ThemeChange, Qt::NoButton, SettingChange},
    EventMessage{QEvent::StyleChange, Qt::NoButton, SettingChange},
    EventMessage{QEvent::ApplicationFontChange, Qt::NoButton, SettingChange},
    EventMessage{QEvent::ApplicationPaletteChange, Qt::NoButton, SettingChange},
    EventMessage{QEvent::Wheel, Qt::NoButton, MouseWheel},
    EventMessage{QEvent::NonClientAreaMouseButtonPress, Qt::LeftButton, NcLButtonDown},
    EventMessage{QEvent::NonClientAreaMouseButtonPress, Qt::RightButton, NcRButtonDown},
    EventMessage{QEvent::NonClientAreaMouseButtonPress, Qt::MiddleButton, NcMButtonDown},
};

std::int32_t keyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    std::int32_t state = 0;
    if (buttons & Qt::LeftButton)
        state |= 0x01;
    if (buttons & Qt::RightButton)
        state |= 0x02;
    if (modifiers & Qt::ShiftModifier)
        state |= 0x04;
    if (modifiers & Qt::ControlModifier)
        state |= 0x08;
    if (buttons & Qt::MiddleButton)
        state |= 0x10;
    return state;
}

std::int32_t packPoint(QPointF p) {
    return makeParam(qRound(p.x()), qRound(p.y()));
}

class HookFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

struct WindowHook {
    std::unique_ptr<HookFilter> filter;
    int attachments = 0;
    std::map<std::int32_t, std::vector<ISubclass*>> clients; // in order of attachment
};

// GUI-thread objects only (attach refuses others), so no locking.
std::unordered_map<const QObject*, WindowHook>& hooks() {
    static std::unordered_map<const QObject*, WindowHook> map;
    return map;
}

struct Dispatch {
    std::int32_t message;
    std::int32_t result;
    QEvent* event;
    const QObject* window;
};
std::vector<Dispatch> dispatchStack;

// Qt's own handler of one event may send another event with the same
// meaning to the same window (ThemeChange brings a StyleChange): that is
// still the one message being dispatched, not a second one.
bool isEchoOfCurrent(const QObject* window, std::int32_t message, const QEvent* event) {
    if (event->type() == WindowMessageEvent::eventType())
        return false;
    return std::any_of(dispatchStack.begin(), dispatchStack.end(), [&](const Dispatch& d) {
        return d.window == window && d.message == message;
    });
}

const std::vector<ISubclass*>* clientsOf(const QObject* window, std::int32_t message) {
    const auto hook = hooks().find(window);
    if (hook == hooks().end())
        return nullptr;
    const auto list = hook->second.clients.find(message);
    return list == hook->second.clients.end() ? nullptr : &list->second;
}

bool isAttached(const QObject* window, std::int32_t message, const ISubclass* client) {
    const auto* list = clientsOf(window, message);
    return list && std::find(list->begin(), list->end(), client) != list->end();
}

void unhook(const QObject* window) {
    hooks().erase(window);
}

// The window's own handling of the event, as it would run without the hook.
std::int32_t callPrevious(QObject* window, QEvent* event) {
    const bool handled = window->event(event);
    if (event->type() == WindowMessageEvent::eventType())
        return static_cast<WindowMessageEvent*>(event)->result();
    return handled ? 1 : 0;
}

std::int32_t callClient(ISubclass* client, QObject* window, std::int32_t message,
                        std::int32_t wParam, std::int32_t lParam) {
    // An exception must not unwind through Qt's event delivery.
    try {
        return client->WindowProc(window, message, wParam, lParam);
    } catch (const std::exception& e) {
        qWarning("Message %d handler failed: %s", message, e.what());
    }
    return dispatchStack.back().result;
}

bool dispatch(QObject* window, QEvent* event) {
    std::int32_t wParam = 0;
    std::int32_t lParam = 0;
    const std::int32_t message = MSubclass::messageOf(event, &wParam, &lParam);
    if (message == 0)
        return false;
    const auto* list = clientsOf(window, message);
    if (!list || list->empty() || isEchoOfCurrent(window, message, event))
        return false; // the window's own handler runs as usual

    // Clients may attach, detach or die while we call them: work on a copy
    // and call only those still attached.
    const std::vector<ISubclass*> clients = *list;
    const std::int32_t firstResponse = clients.front()->MsgResponse();
    const QPointer<QObject> alive(window);
    bool previousCalled = false;

    dispatchStack.push_back({message, 0, event, window});
    struct Pop {
        ~Pop() { dispatchStack.pop_back(); }
    } pop;

    for (std::size_t i = clients.size(); i-- > 0 && alive;) {
        if (i == 0 && firstResponse == ISubclass::PreviousBefore) {
            dispatchStack.back().result = callPrevious(window, event);
            previousCalled = true;
            if (!alive)
                break;
        }
        if (isAttached(window, message, clients[i]))
            dispatchStack.back().result = callClient(clients[i], window, message, wParam, lParam);
    }
    if (alive && firstResponse == ISubclass::PreviousAfter && !previousCalled)
        dispatchStack.back().result = callPrevious(window, event);

    if (event->type() == WindowMessageEvent::eventType())
        static_cast<WindowMessageEvent*>(event)->setResult(dispatchStack.back().result);
    return true;
}

bool HookFilter::eventFilter(QObject* watched, QEvent* event) {
    return dispatch(watched, event);
}

} // namespace

ISubclass::~ISubclass() {
    MSubclass::detachAll(this);
}

WindowMessageEvent::WindowMessageEvent(std::int32_t message, std::int32_t wParam,
                                       std::int32_t lParam)
    : QEvent(eventType())
    , message_(message)
    , wParam_(wParam)
    , lParam_(lParam) {}

QEvent::Type WindowMessageEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace MSubclass {

void attach(ISubclass* client, QObject* window, std::int32_t message) {
    if (!window)
        raiseObjectError(HookError::InvalidWindow);
    if (window->thread() != QThread::currentThread())
        raiseObjectError(HookError::ExternalWindow);
    if (!client)
        raiseObjectError(zelvano::RuntimeError::InvalidCall);
    if (isAttached(window, message, client))
        raiseObjectError(HookError::AlreadyHandled);

    auto [it, inserted] = hooks().try_emplace(window);
    WindowHook& hook = it->second;
    if (inserted) {
        forwardSystemMessages();
        hook.filter = std::make_unique<HookFilter>();
        window->installEventFilter(hook.filter.get());
        QObject::connect(window, &QObject::destroyed, hook.filter.get(),
                         [window] { unhook(window); });
    }
    hook.clients[message].push_back(client);
    ++hook.attachments;
}

void detach(ISubclass* client, QObject* window, std::int32_t message) {
    if (!window || window->thread() != QThread::currentThread())
        return;
    const auto hook = hooks().find(window);
    if (hook == hooks().end())
        return;
    const auto list = hook->second.clients.find(message);
    if (list == hook->second.clients.end())
        return;
    auto& clients = list->second;
    const auto at = std::find(clients.begin(), clients.end(), client);
    if (at == clients.end())
        return;
    clients.erase(at);
    if (clients.empty())
        hook->second.clients.erase(list);
    if (--hook->second.attachments == 0)
        unhook(window);
}

void detachAll(ISubclass* client) {
    for (auto hook = hooks().begin(); hook != hooks().end();) {
        WindowHook& h = hook->second;
        for (auto list = h.clients.begin(); list != h.clients.end();) {
            auto& clients = list->second;
            const auto removed = std::erase(clients, client);
            h.attachments -= static_cast<int>(removed);
            list = clients.empty() ? h.clients.erase(list) : std::next(list);
        }
        hook = h.attachments == 0 ? hooks().erase(hook) : std::next(hook);
    }
}

std::int32_t currentMessage() {
    return dispatchStack.empty() ? 0 : dispatchStack.back().message;
}
std::int32_t currentResult() {
    return dispatchStack.empty() ? 0 : dispatchStack.back().result;
}
QEvent* currentEvent() {
    return dispatchStack.empty() ? nullptr : dispatchStack.back().event;
}

std::int32_t sendMessage(QObject* window, std::int32_t message, std::int32_t wParam,
                         std::int32_t lParam) {
    if (!window)
        return 0;
    WindowMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(window, &event);
    return event.result();
}

std::int32_t messageOf(const QEvent* event, std::int32_t* wParam, std::int32_t* lParam) {
    std::int32_t w = 0;
    std::int32_t l = 0;
    std::int32_t message = 0;
    if (event->type() == WindowMessageEvent::eventType()) {
        const auto* m = static_cast<const WindowMessageEvent*>(event);
        message = m->message();
        w = m->wParam();
        l = m->lParam();
    } else {
        const auto* mouse = event->type() == QEvent::NonClientAreaMouseButtonPress
                                ? static_cast<const QMouseEvent*>(event)
                                : nullptr;
        for (const EventMessage& entry : kEventMessages) {
            if (entry.type != event->type())
                continue;
            if (entry.button != Qt::NoButton && (!mouse || mouse->button() != entry.button))
                continue;
            message = entry.message;
            break;
        }
        if (message == MouseWheel) {
            const auto* wheel = static_cast<const QWheelEvent*>(event);
            const int delta = std::clamp(wheel->angleDelta().y(), -32768, 32767);
            w = makeParam(keyState(wheel->buttons(), wheel->modifiers()), delta);
            l = packPoint(wheel->globalPosition());
        } else if (mouse && message != 0) {
            l = packPoint(mouse->globalPosition());
        }
    }
    if (wParam)
        *wParam = w;
    if (lParam)
        *lParam = l;
    return message;
}

bool isHooked(const QObject* window) {
    return hooks().count(window) != 0;
}

int hookedWindows() {
    return static_cast<int>(hooks().size());
}

int attachmentCount(const QObject* window) {
    const auto hook = hooks().find(window);
    return hook == hooks().end() ? 0 : hook->second.attachments;
}

int clientCount(const QObject* window, std::int32_t message) {
    const auto* list = clientsOf(window, message);
    return list ? static_cast<int>(list->size()) : 0;
}

ISubclass* client(const QObject* window, std::int32_t message, int n) {
    const auto* list = clientsOf(window, message);
    if (!list || n <= 0 || n > static_cast<int>(list->size()))
        return nullptr;
    return (*list)[static_cast<std::size_t>(n - 1)];
}

} // namespace MSubclass

} // namespace zelvano::pane
