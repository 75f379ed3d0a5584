#pragma once
#include <QColor>
#include <QImage>
#include <cstdint>

// Square material swatches, drawn once and laid on die faces as brushes.
QImage woodTexture(int size, std::uint64_t seed);
QImage mottleTexture(int size, const QColor &light, const QColor &dark, std::uint64_t seed);

// Adds fine monochrome grain of +/- amount to every pixel.
void addGrain(QImage &image, int amount, std::uint64_t seed);
