#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

// A window's timer: Interval comes from the layout, the game switches it with
// Enabled. Setting Enabled to false inside its own tick stops further ticks.
// In test mode it never ticks by itself; tests fire ticks through the seam.
class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(QObject *parent, const QString &name, int interval, std::function<void()> onTick);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int Interval() const { return m_timer.interval(); }

    // One tick, as the platform delivers it; run-time errors are handled.
    void tick();

private:
    QTimer m_timer;
    bool m_enabled = false;
    std::function<void()> m_onTick;
};
