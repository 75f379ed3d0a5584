#pragma once
#include <QString>

constexpr int SND_ASYNC = 1;

// Plays a wave file without waiting. One sound plays at a time: a new call
// cuts off the sound still playing. A file that cannot be played, or no
// sound device, is silence and never an error for the caller.
int sndPlaySound(const QString &gamePath, int flags);
