#pragma once
#include <QString>

#include <chrono>
#include <optional>
#include <memory>

// An open device of the command-string layer.
class MciDevice
{
public:
    virtual ~MciDevice() = default;

    virtual bool ready() const = 0;
    virtual int play(bool wait) = 0;
    virtual int pause() = 0;
    virtual int stop() = 0;
    virtual int seek(double ms) = 0;
    virtual double lengthMs() const = 0;
    virtual double positionMs() = 0;
    virtual QString mode() = 0;
};

// What an open that failed leaves under its alias: it answers its mode as
// "not ready" and refuses everything else.
class NotReadyDevice : public MciDevice
{
public:
    bool ready() const override { return false; }
    int play(bool wait) override;
    int pause() override;
    int stop() override;
    int seek(double ms) override;
    double lengthMs() const override { return 0; }
    double positionMs() override { return 0; }
    QString mode() override;
};

// A device that plays its media on the mixer. It keeps its own position
// clock, since the mixer cannot tell the position of every format. Stop
// keeps the output paused where it was, so that Play carries on from there,
// as Pause does; Seek lets go of the output and the next Play starts anew.
class MediaDevice : public MciDevice
{
public:
    bool ready() const override { return true; }
    int play(bool wait) override;
    int pause() override;
    int stop() override;
    int seek(double ms) override;
    double positionMs() override;
    QString mode() override;

protected:
    // Starts the media at fromMs; returns where it really starts (a format
    // that cannot seek starts at 0), or nothing when it cannot play.
    virtual std::optional<double> startOutput(double fromMs) = 0;
    virtual void pauseOutput() = 0;
    virtual void resumeOutput() = 0;
    virtual void haltOutput() = 0;
    // Whether the mixer is sounding this device's media right now.
    virtual bool outputRunning() const = 0;
    // Whether the mixer still holds this device's media, paused.
    virtual bool outputHeld() const = 0;

private:
    enum class State { Stopped, Playing, Paused };

    // Notices a media that has played to its end.
    void refresh();
    double playedMs() const;

    State m_state = State::Stopped;
    double m_offsetMs = 0;
    std::chrono::steady_clock::time_point m_startedAt;
    bool m_held = false;
};
