#pragma once
#include <QString>
#include <cstdint>
#include <vector>

// Writes interleaved 16-bit samples as a PCM RIFF/WAVE file.
void writeWav(const QString &path, const std::vector<std::int16_t> &samples, int channels, int sampleRate);
