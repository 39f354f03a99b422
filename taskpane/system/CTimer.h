#pragma once

// A repeating timer with a settable interval and a tick event, registered in
// the process-wide MTimer table while it runs.

#include <QObject>

#include <cstdint>

namespace zelvano::pane {

class CTimer : public QObject {
    Q_OBJECT

public:
    explicit CTimer(QObject* parent = nullptr);
    ~CTimer() override; // stops first

    // Milliseconds; 0 while stopped. Setting a positive value that differs
    // from the current one (re)starts the timer with that period; the same
    // value does not restart it; 0 or less stops a running timer. Errors:
    // 13651 when the registry is full, 13652 when no system timer can be had
    // (Interval is then 0); nothing changes on error.
    std::int32_t Interval() const { return interval_; }
    void setInterval(std::int32_t milliseconds);

    bool isRunning() const { return systemTimer_ != 0; }

signals:
    void ThatTime();

private:
    void stop();

    std::int32_t interval_ = 0;
    int systemTimer_ = 0; // 0 while stopped
    int slot_ = 0;        // 1-based slot in the registry, 0 while stopped
};

} // namespace zelvano::pane
