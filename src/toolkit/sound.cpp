#include "sound.h"

#include "audio_device.h"
#include "paths.h"
#include "seam_state.h"

#include <SDL_mixer.h>
#include <QHash>

namespace {

// Decoded sounds stay for the run: the same few effects play over and over.
Mix_Chunk *chunkFor(const QString &file)
{
    static QHash<QString, Mix_Chunk *> cache;
    auto found = cache.constFind(file);
    if (found != cache.constEnd())
        return found.value();
    Mix_Chunk *chunk = Mix_LoadWAV(file.toLocal8Bit().constData());
    cache.insert(file, chunk);
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
    Mix_Chunk *chunk = chunkFor(mapPath(gamePath));
    if (!chunk)
        return 0;
    Mix_HaltChannel(0);
    return Mix_PlayChannel(0, chunk, 0) >= 0 ? 1 : 0;
}
