#include "shell/tmmtimer.h"
#include "platform/reportedcall.h"

#include <QDeadlineTimer>

namespace shell {

namespace {
// Coarse timers may fire up to 5 % late; a fine resolution asks for more.
constexpr uint PreciseResolutionLimit = 20;
} // namespace

TMMTimer::TMMTimer(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, platform::reported(this, &TMMTimer::fired));
}

void TMMTimer::setInterval(uint value)
{
    if (value < SmallestPeriod || value > LargestPeriod || value == m_interval)
        return;
    m_interval = value;
    rearm();
}

void TMMTimer::setResolution(uint value)
{
    if (value > m_interval || value == m_resolution)
        return;
    m_resolution = value;
    rearm();
}

void TMMTimer::setPeriodic(bool value)
{
    if (value == m_periodic)
        return;
    m_periodic = value;
    rearm();
}

void TMMTimer::setEnabled(bool value)
{
    if (value == m_enabled)
        return;
    m_enabled = value;
    if (OnEnableChange)
        OnEnableChange(this, value);
    rearm();
}

void TMMTimer::rearm()
{
    m_timer.stop();
    m_timer.setTimerType(m_resolution <= PreciseResolutionLimit ? Qt::PreciseTimer : Qt::CoarseTimer);
    m_timer.setSingleShot(!m_periodic);
    m_timer.start(int(m_interval));
}

void TMMTimer::fired()
{
    // Milliseconds of the monotonic clock, wrapping like a 32-bit tick count.
    FireTimer(uint(QDeadlineTimer::current().deadline()));
}

void TMMTimer::FireTimer(uint Time)
{
    if (m_enabled && OnTimer)
        OnTimer(this, Time);
}

} // namespace shell
