#include "framework/timer.h"

namespace fw {

Timer::Timer(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &Timer::fire);
}

void Timer::setMode(int mode)
{
    m_mode = qBound<int>(Off, mode, Multiple);
    restart();
}

void Timer::setPeriod(int milliseconds)
{
    m_period = qMax(0, milliseconds);
    restart();
}

void Timer::setActionHandler(std::function<void()> handler)
{
    m_action = std::move(handler);
}

void Timer::restart()
{
    m_timer.stop();
    if (m_mode == Off)
        return;
    m_timer.setSingleShot(m_mode == Single);
    m_timer.start(m_period);
}

void Timer::fire()
{
    if (m_mode == Single)
        m_mode = Off;
    if (m_action)
        m_action();
}

} // namespace fw
