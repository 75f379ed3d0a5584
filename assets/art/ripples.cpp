#include "ripples.h"

#include "noise.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Source {
    double x;
    double y;
    double wavelength;
    double phase;
    double weight;
};

// One strong ring centre and two weaker ones off the picture whose rings
// cross it at angles.
constexpr std::array<Source, 3> kSources{{
    {170, 130, 30, 0.0, 1.0},
    {620, -80, 41, 1.3, 0.45},
    {-120, 380, 36, 2.1, 0.35},
}};

QRgb violet(double v)
{
    // v in [0, 1]: deep plum through violet to a pale lilac crest.
    struct Stop {
        double at;
        int r, g, b;
    };
    static constexpr std::array<Stop, 4> stops{{{0.0, 0x24, 0x00, 0x2C}, {0.45, 0x5A, 0x10, 0x6C},
                                                {0.8, 0x94, 0x40, 0xB0}, {1.0, 0xE0, 0xB0, 0xF0}}};
    v = std::clamp(v, 0.0, 1.0);
    size_t i = 1;
    while (i + 1 < stops.size() && v > stops[i].at)
        ++i;
    const Stop &a = stops[i - 1];
    const Stop &b = stops[i];
    const double t = (v - a.at) / (b.at - a.at);
    return qRgb(static_cast<int>(a.r + (b.r - a.r) * t), static_cast<int>(a.g + (b.g - a.g) * t),
                static_cast<int>(a.b + (b.b - a.b) * t));
}

} // namespace

QImage violetRipples(QSize size, QPoint origin)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double px = x + origin.x();
            const double py = y + origin.y();
            const double warp = 6 * fbm(px / 90, py / 90, 0xF1A5, 3);
            double wave = 0;
            double total = 0;
            for (const Source &s : kSources) {
                const double d = std::hypot(px - s.x, py - s.y) + warp;
                wave += s.weight * std::sin(d / s.wavelength * 6.2831853 + s.phase);
                total += s.weight;
            }
            // Light falls from the top left, so crests there glint brighter.
            const double light = 0.85 + 0.15 * (1 - (px + py) / 800);
            const double v = 0.5 + 0.5 * wave / total;
            line[x] = violet(v * v * light * 1.1);
        }
    }
    return image;
}
