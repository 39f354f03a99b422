#pragma once

// Message hooks: a process-wide registry that hands chosen messages of a
// window to clients (ISubclass) without disturbing the window's own handling.
// The hook is an event filter; "the window's previous handler" is the
// object's own event(). Qt events that carry the meaning of a message are
// translated by one table (MSubclass.cpp); messages without a Qt event of
// their own arrive through sendMessage() as WindowMessageEvent.
//
// Dispatch: clients run from the last attached to the first; the window's
// own handler runs at most once: before the first-attached client when that
// client's MsgResponse is 2, after all clients when it is 1, not at all
// otherwise. A hooked window that is destroyed is unhooked automatically.

#include "system/ISubclass.h"

#include <QEvent>
#include <QObject>

#include <cstdint>

namespace zelvano::pane {

namespace WindowMessage {
inline constexpr std::int32_t SetFocus = 7;
inline constexpr std::int32_t SettingChange = 26;
inline constexpr std::int32_t NcLButtonDown = 161;
inline constexpr std::int32_t NcRButtonDown = 164;
inline constexpr std::int32_t NcMButtonDown = 167;
inline constexpr std::int32_t HScroll = 276;
inline constexpr std::int32_t VScroll = 277;
inline constexpr std::int32_t MouseWheel = 522;

// Scroll codes (low word of wParam of HScroll/VScroll).
inline constexpr std::int32_t ScrollLineUp = 0;
inline constexpr std::int32_t ScrollLineDown = 1;
inline constexpr std::int32_t ScrollPageUp = 2;
inline constexpr std::int32_t ScrollPageDown = 3;
inline constexpr std::int32_t ScrollThumbPosition = 4;
inline constexpr std::int32_t ScrollThumbTrack = 5;
inline constexpr std::int32_t ScrollTop = 6;
inline constexpr std::int32_t ScrollBottom = 7;
inline constexpr std::int32_t ScrollEnd = 8;

// Hit-test code of non-client presses on a vertical scroll bar.
inline constexpr std::int32_t HitVScroll = 7;

// Two 16-bit halves in one 32-bit message parameter.
constexpr std::int32_t makeParam(int low, int high) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                                     static_cast<std::uint32_t>(low & 0xFFFF));
}
} // namespace WindowMessage

// A message without a Qt event of its own, sent with MSubclass::sendMessage.
// An object that handles it in event() may set its result.
class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(std::int32_t message, std::int32_t wParam, std::int32_t lParam);
    static QEvent::Type eventType();

    std::int32_t message() const { return message_; }
    std::int32_t wParam() const { return wParam_; }
    std::int32_t lParam() const { return lParam_; }
    std::int32_t result() const { return result_; }
    void setResult(std::int32_t result) { result_ = result; }

private:
    std::int32_t message_;
    std::int32_t wParam_;
    std::int32_t lParam_;
    std::int32_t result_ = 0;
};

namespace MSubclass {

// Errors: 13083 no window, 13084 window of another thread, 13082 client
// already attached to this message; nothing changes on error.
void attach(ISubclass* client, QObject* window, std::int32_t message);
// Does nothing when the client is not attached.
void detach(ISubclass* client, QObject* window, std::int32_t message);
void detachAll(ISubclass* client);

// The message being dispatched (0 outside a dispatch), the result so far,
// and the Qt event that carries it.
std::int32_t currentMessage();
std::int32_t currentResult();
QEvent* currentEvent();

// Delivers `message` to `window` (hooked or not) and returns its result.
std::int32_t sendMessage(QObject* window, std::int32_t message, std::int32_t wParam = 0,
                         std::int32_t lParam = 0);
// The message an event carries for the hooks (0: none), with its parameters.
std::int32_t messageOf(const QEvent* event, std::int32_t* wParam = nullptr,
                       std::int32_t* lParam = nullptr);

// Bookkeeping: whether the window is hooked (and how many are), its number
// of attachments, the number of clients of one message, and the n-th of
// them (1-based; null when there is none).
bool isHooked(const QObject* window);
int hookedWindows();
int attachmentCount(const QObject* window);
int clientCount(const QObject* window, std::int32_t message);
ISubclass* client(const QObject* window, std::int32_t message, int n);

} // namespace MSubclass

} // namespace zelvano::pane
