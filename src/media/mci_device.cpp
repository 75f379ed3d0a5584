#include "mci_device.h"

#include "mci.h"

#include <algorithm>
#include <thread>

int NotReadyDevice::play(bool)
{
    return MciNotReady;
}

int NotReadyDevice::pause()
{
    return MciNotReady;
}

int NotReadyDevice::stop()
{
    return MciNotReady;
}

int NotReadyDevice::seek(double)
{
    return MciNotReady;
}

QString NotReadyDevice::mode()
{
    return QStringLiteral("not ready");
}

void MediaDevice::refresh()
{
    if (m_state == State::Playing && !outputRunning()) {
        m_state = State::Stopped;
        m_offsetMs = lengthMs();
        m_held = false;
    }
}

double MediaDevice::playedMs() const
{
    if (m_state != State::Playing)
        return m_offsetMs;
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - m_startedAt;
    return std::min(lengthMs(), m_offsetMs + elapsed.count());
}

int MediaDevice::play(bool wait)
{
    refresh();
    if (m_state != State::Playing) {
        if (m_held && outputHeld()) {
            resumeOutput();
        } else {
            const double from = m_offsetMs >= lengthMs() ? 0 : m_offsetMs;
            const auto started = startOutput(from);
            if (!started)
                return MciCannotPlay;
            m_offsetMs = *started;
        }
        m_held = false;
        m_startedAt = std::chrono::steady_clock::now();
        m_state = State::Playing;
    }
    while (wait && m_state == State::Playing) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        refresh();
    }
    return MciOk;
}

int MediaDevice::pause()
{
    refresh();
    if (m_state == State::Playing) {
        m_offsetMs = playedMs();
        pauseOutput();
        m_held = true;
        m_state = State::Paused;
    }
    return MciOk;
}

int MediaDevice::stop()
{
    refresh();
    if (m_state == State::Playing) {
        m_offsetMs = playedMs();
        pauseOutput();
        m_held = true;
    }
    m_state = State::Stopped;
    return MciOk;
}

int MediaDevice::seek(double ms)
{
    refresh();
    if (m_state == State::Playing || m_held)
        haltOutput();
    m_held = false;
    m_state = State::Stopped;
    m_offsetMs = std::clamp(ms, 0.0, lengthMs());
    return MciOk;
}

double MediaDevice::positionMs()
{
    refresh();
    return playedMs();
}

QString MediaDevice::mode()
{
    refresh();
    switch (m_state) {
    case State::Playing:
        return QStringLiteral("playing");
    case State::Paused:
        return QStringLiteral("paused");
    case State::Stopped:
        break;
    }
    return QStringLiteral("stopped");
}
