#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace shell {

// The program's timer for clocks and elapsed times. Its events run on the GUI
// thread. Interval and Resolution lie between the smallest period (1 ms) and
// the largest (1,000,000 ms, about 16.7 minutes). Like the placed timers it
// stands for, it starts running when a property is first assigned, not when
// it is created; disabling it keeps it running and only suppresses OnTimer.
class TMMTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint Interval READ Interval WRITE setInterval)
    Q_PROPERTY(uint Resolution READ Resolution WRITE setResolution)
    Q_PROPERTY(bool Periodic READ Periodic WRITE setPeriodic)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
public:
    static constexpr uint SmallestPeriod = 1;
    static constexpr uint LargestPeriod = 1000000;

    // Sender, time in ms (monotonic clock) at which the timer fired.
    using TMMTimerEvent = std::function<void(QObject *Sender, uint Time)>;
    using TMMTimerEnableChange = std::function<void(QObject *Sender, bool Value)>;

    explicit TMMTimer(QObject *parent = nullptr);

    uint Interval() const { return m_interval; }
    // Accepted only between SmallestPeriod and LargestPeriod inclusive.
    void setInterval(uint value);
    uint Resolution() const { return m_resolution; }
    // Accepted only when not above Interval.
    void setResolution(uint value);
    bool Periodic() const { return m_periodic; }
    void setPeriodic(bool value);
    bool Enabled() const { return m_enabled; }
    // OnEnableChange is called with the new value before the timer is re-armed.
    void setEnabled(bool value);

    // Whether the timer is running (a one-shot timer stops after firing).
    bool isArmed() const { return m_timer.isActive(); }

    TMMTimerEvent OnTimer;
    TMMTimerEnableChange OnEnableChange;

protected:
    // Calls OnTimer when Enabled.
    virtual void FireTimer(uint Time);

private:
    void rearm();
    void fired();

    QTimer m_timer;
    uint m_interval = LargestPeriod;
    uint m_resolution = SmallestPeriod;
    bool m_periodic = true;
    bool m_enabled = true;
};

} // namespace shell
