#pragma once
#include <QString>

// A sound or song that cannot play is silence, which is no error for the
// game; these name the cause on standard error, once per cause for the run,
// so that silence does not go unnoticed.

// A file that cannot be loaded: once per file.
void warnCannotLoad(const QString &gamePath, const QString &file);
// No sound device at all, with the audio library's reason: once.
void warnNoSoundDevice(const QString &reason);
