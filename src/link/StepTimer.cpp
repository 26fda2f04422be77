#include "link/StepTimer.h"

TStepTimer::TStepTimer()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        // The step may start this timer again: take it out first.
        std::function<void()> step = std::move(m_step);
        m_step = nullptr;
        if (step)
            step();
    });
}

void TStepTimer::Start(std::chrono::milliseconds interval, std::function<void()> step)
{
    m_step = std::move(step);
    m_timer.start(interval);
}

void TStepTimer::Stop()
{
    m_timer.stop();
    m_step = nullptr;
}
