#include "sequencer_device.h"

#include "mci.h"
#include "smf_length.h"
#include "toolkit/audio_device.h"

#include <QFile>
#include <SDL_mixer.h>

namespace {

class SequencerDevice : public MediaDevice
{
public:
    SequencerDevice(Mix_Music *music, double lengthMs) : m_music(music), m_lengthMs(lengthMs) {}

    ~SequencerDevice() override
    {
        haltOutput();
        // After the mixer has shut down the song is left to the end of the run.
        if (audioDeviceOpen())
            Mix_FreeMusic(m_music);
    }

    double lengthMs() const override { return m_lengthMs; }

protected:
    std::optional<double> startOutput(double fromMs) override
    {
        if (Mix_PlayMusic(m_music, 1) != 0)
            return std::nullopt;
        s_owner = this;
        if (fromMs > 0 && Mix_SetMusicPosition(fromMs / 1000.0) == 0)
            return fromMs;
        return 0.0;
    }

    void pauseOutput() override
    {
        if (s_owner == this)
            Mix_PauseMusic();
    }

    void resumeOutput() override
    {
        if (s_owner == this)
            Mix_ResumeMusic();
    }

    void haltOutput() override
    {
        if (s_owner != this)
            return;
        Mix_HaltMusic();
        s_owner = nullptr;
    }

    bool outputRunning() const override { return s_owner == this && Mix_PlayingMusic() && !Mix_PausedMusic(); }

    bool outputHeld() const override
    {
        return s_owner == this && Mix_PausedMusic() && Mix_GetMusicType(nullptr) != MUS_NONE;
    }

private:
    // The mixer plays one song at a time: the device whose song it holds.
    static inline const SequencerDevice *s_owner = nullptr;

    Mix_Music *m_music;
    double m_lengthMs;
};

} // namespace

int openSequencer(const QString &file, std::unique_ptr<MciDevice> &device)
{
    QFile song(file);
    if (!song.open(QIODevice::ReadOnly))
        return MciCannotOpenFile;
    const auto length = midiLengthMs(song.readAll());
    if (!length)
        return MciCannotOpenFile;
    Mix_Music *music = Mix_LoadMUS(file.toLocal8Bit().constData());
    if (!music)
        return MciCannotOpenFile;
    device = std::make_unique<SequencerDevice>(music, *length);
    return MciOk;
}
