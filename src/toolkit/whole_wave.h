#pragma once
#include <QString>

struct Mix_Chunk;

// Decodes a wave file, or nothing when it cannot be decoded or is a cut copy:
// a RIFF wave holding fewer bytes of samples than its data chunk announces,
// or no data chunk at all, which the mixer would still play as far as it
// goes.
Mix_Chunk *loadWholeWave(const QString &file);
