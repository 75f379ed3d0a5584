#pragma once
#include <QString>

constexpr int SND_ASYNC = 1;

// Plays a wave file without waiting. One sound plays at a time: a new call
// cuts off the sound still playing. A file that cannot be played, or no
// sound device, is silence and never an error for the caller; a file that
// cannot be loaded is named once on standard error.
int sndPlaySound(const QString &gamePath, int flags);

// Frees the decoded sounds. The sound device calls it as it closes, while
// the mixer is still there to free them.
void releaseSounds();
