#include "timer.h"

#include "program.h"
#include "seam_state.h"

Timer::Timer(QObject *parent, const QString &name, int interval, std::function<void()> onTick)
    : QObject(parent), m_onTick(std::move(onTick))
{
    setObjectName(name);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool enabled)
{
    // Enabling a running timer leaves its interval running on.
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        m_timer.stop();
    else if (!seam::state().testMode)
        m_timer.start();
}

void Timer::tick()
{
    if (!m_enabled)
        return;
    runHandler(m_onTick);
}
