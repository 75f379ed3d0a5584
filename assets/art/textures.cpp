#include "textures.h"

#include "noise.h"
#include "rng.h"

#include <algorithm>
#include <cmath>

namespace {

QRgb blend(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(static_cast<int>(a.red() + (b.red() - a.red()) * t),
                static_cast<int>(a.green() + (b.green() - a.green()) * t),
                static_cast<int>(a.blue() + (b.blue() - a.blue()) * t));
}

} // namespace

QImage woodTexture(int size, std::uint64_t seed)
{
    const QColor light(0xE2, 0xB0, 0x6E);
    const QColor dark(0x8E, 0x52, 0x22);
    QImage image(size, size, QImage::Format_RGB32);
    const double scale = 128.0 / size;
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double u = x * scale;
            const double v = y * scale;
            // Growth rings bent by a slow warp, cut at a slant across the face.
            const double warp = fbm(u / 70.0, v / 50.0, seed, 3);
            const double rings = (v + u * 0.12) / 11.0 + warp * 5.0;
            const double band = std::pow(0.5 + 0.5 * std::sin(rings * 6.2831853), 4.0);
            const double fibre = valueNoise(u / 18.0, v / 1.4, seed + 7);
            const double t = 0.18 + 0.5 * band + 0.32 * (fibre - 0.5) + 0.25 * (warp - 0.5);
            line[x] = blend(light, dark, t);
        }
    }
    return image;
}

QImage mottleTexture(int size, const QColor &light, const QColor &dark, std::uint64_t seed)
{
    QImage image(size, size, QImage::Format_RGB32);
    const double scale = 64.0 / size;
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double n = fbm(x * scale / 9.0, y * scale / 9.0, seed, 4);
            line[x] = blend(light, dark, smoothstep(0.3, 0.72, n));
        }
    }
    return image;
}

void addGrain(QImage &image, int amount, std::uint64_t seed)
{
    Rng rng(seed);
    const int spread = 2 * amount + 1;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = rng.below(spread) - amount;
            const QRgb c = line[x];
            line[x] = qRgba(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                            std::clamp(qBlue(c) + d, 0, 255), qAlpha(c));
        }
    }
}
