#pragma once

// A client of the message hooks (MSubclass): it is handed the messages it
// attached to, and says when the window's own handler runs relative to it.

#include <QObject>

#include <cstdint>

namespace zelvano::pane {

class ISubclass {
public:
    // Values of MsgResponse; any other value: the window's own handler is not called.
    static constexpr std::int32_t PreviousAfter = 1;  // after all clients; its result wins
    static constexpr std::int32_t PreviousBefore = 2; // before the first-attached client

    explicit ISubclass(std::int32_t msgResponse = 0)
        : msgResponse_(msgResponse) {}
    ISubclass(const ISubclass&) = delete;
    ISubclass& operator=(const ISubclass&) = delete;
    // Detaches from every window, so a dead client is never called.
    virtual ~ISubclass();

    virtual std::int32_t MsgResponse() const { return msgResponse_; }
    virtual void setMsgResponse(std::int32_t value) { msgResponse_ = value; }

    // Handles one message; the result becomes the message's result unless
    // MsgResponse is PreviousAfter. MSubclass::currentResult() holds the result
    // so far (the window's own when it ran first), to pass on unchanged.
    virtual std::int32_t WindowProc(QObject* hWnd, std::int32_t iMsg, std::int32_t wParam,
                                    std::int32_t lParam) = 0;

private:
    std::int32_t msgResponse_;
};

} // namespace zelvano::pane
