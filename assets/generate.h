#pragma once
#include <QString>

// Each writer fills the data folder with the files the game reads, under
// the exact names the game asks for. They throw std::runtime_error naming
// the file when a file cannot be written.
void writeArtwork(const QString &dataDir);  // bitmaps
void writeSounds(const QString &dataDir);   // media/*.wav
void writeSongs(const QString &dataDir);    // *.mid
