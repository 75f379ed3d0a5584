#include "sound.h"

#include "audio_device.h"
#include "silence_warning.h"
#include "paths.h"
#include "seam_state.h"
#include "testing.h"
#include "whole_wave.h"

#include <SDL_mixer.h>
#include <QHash>
#include <algorithm>

namespace {

// Decoded sounds stay while the sound device is open: the same few effects
// play over and over.
QHash<QString, Mix_Chunk *> &cache()
{
    static QHash<QString, Mix_Chunk *> chunks;
    return chunks;
}

Mix_Chunk *chunkFor(const QString &gamePath)
{
    const QString file = mapPath(gamePath);
    auto found = cache().constFind(file);
    if (found != cache().constEnd())
        return found.value();
    Mix_Chunk *chunk = loadWholeWave(file);
    if (!chunk)
        warnCannotLoad(gamePath, file);
    cache().insert(file, chunk);
    return chunk;
}

} // namespace

int sndPlaySound(const QString &gamePath, int flags)
{
    Q_UNUSED(flags);
    if (seam::state().testMode)
        seam::state().sounds.append(gamePath);
    if (!audioDeviceOpen())
        return 0;
    Mix_Chunk *chunk = chunkFor(gamePath);
    if (!chunk)
        return 0;
    Mix_HaltChannel(0);
    return Mix_PlayChannel(0, chunk, 0) >= 0 ? 1 : 0;
}

void releaseSounds()
{
    for (Mix_Chunk *chunk : std::as_const(cache()))
        if (chunk)
            Mix_FreeChunk(chunk);
    cache().clear();
}

int seam::decodedSounds()
{
    const auto &chunks = cache();
    return static_cast<int>(std::count_if(chunks.begin(), chunks.end(), [](Mix_Chunk *chunk) { return chunk; }));
}
