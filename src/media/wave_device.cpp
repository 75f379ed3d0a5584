#include "wave_device.h"

#include "mci.h"
#include "toolkit/audio_device.h"
#include "toolkit/whole_wave.h"

#include <SDL_mixer.h>

namespace {

// Channel 0 belongs to the sound effects.
constexpr int WaveChannel = 1;

class WaveDevice : public MediaDevice
{
public:
    WaveDevice(Mix_Chunk *chunk, int frameBytes, int frequency)
        : m_chunk(chunk), m_frameBytes(frameBytes), m_frequency(frequency)
    {
    }

    ~WaveDevice() override
    {
        haltOutput();
        // After the mixer has shut down the sound is left to the end of the run.
        if (!audioDeviceOpen())
            return;
        releasePart();
        Mix_FreeChunk(m_chunk);
    }

    double lengthMs() const override { return framesToMs(m_chunk->alen / m_frameBytes); }

protected:
    std::optional<double> startOutput(double fromMs) override
    {
        haltOutput();
        releasePart();
        const Uint32 offset = static_cast<Uint32>(fromMs * m_frequency / 1000.0) * static_cast<Uint32>(m_frameBytes);
        // A start past the beginning plays a view into the same samples.
        if (offset > 0 && offset < m_chunk->alen)
            m_part = Mix_QuickLoad_RAW(m_chunk->abuf + offset, m_chunk->alen - offset);
        if (Mix_PlayChannel(WaveChannel, playing(), 0) < 0)
            return std::nullopt;
        return m_part ? framesToMs(offset / m_frameBytes) : 0.0;
    }

    void pauseOutput() override
    {
        if (ours())
            Mix_Pause(WaveChannel);
    }

    void resumeOutput() override
    {
        if (ours())
            Mix_Resume(WaveChannel);
    }

    void haltOutput() override
    {
        if (ours())
            Mix_HaltChannel(WaveChannel);
    }

    bool outputRunning() const override { return ours() && !Mix_Paused(WaveChannel); }
    bool outputHeld() const override { return ours() && Mix_Paused(WaveChannel); }

private:
    Mix_Chunk *playing() const { return m_part ? m_part : m_chunk; }

    bool ours() const { return Mix_Playing(WaveChannel) && Mix_GetChunk(WaveChannel) == playing(); }

    void releasePart()
    {
        if (m_part)
            Mix_FreeChunk(m_part);
        m_part = nullptr;
    }

    double framesToMs(Uint32 frames) const { return frames * 1000.0 / m_frequency; }

    Mix_Chunk *m_chunk;
    Mix_Chunk *m_part = nullptr;
    int m_frameBytes;
    int m_frequency;
};

} // namespace

int openWave(const QString &file, std::unique_ptr<MciDevice> &device)
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels))
        return MciNoSoundDevice;
    Mix_Chunk *chunk = loadWholeWave(file);
    if (!chunk)
        return MciCannotOpenFile;
    if (Mix_AllocateChannels(-1) <= WaveChannel)
        Mix_AllocateChannels(WaveChannel + 1);
    const int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    device = std::make_unique<WaveDevice>(chunk, frameBytes, frequency);
    return MciOk;
}
