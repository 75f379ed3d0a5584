#pragma once
#include <QString>

// Whether a file is a RIFF wave holding fewer bytes of samples than its data
// chunk announces, or no data chunk at all: a cut copy, which the mixer
// would still play as far as it goes.
bool isCutWave(const QString &file);
