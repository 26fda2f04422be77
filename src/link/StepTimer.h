#pragma once
// A single-shot precise timer that runs one step when it expires. Starting
// it again replaces the step; stopping it (or destroying it) drops the step,
// so a step never runs for a transfer that has moved on or closed.

#include <QTimer>
#include <chrono>
#include <functional>

class TStepTimer {
public:
    TStepTimer();
    TStepTimer(const TStepTimer &) = delete;
    TStepTimer &operator=(const TStepTimer &) = delete;

    void Start(std::chrono::milliseconds interval, std::function<void()> step);
    void Stop();
    bool IsActive() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_step;
};
