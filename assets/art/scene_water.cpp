#include "scene_kit.h"

#include "noise.h"
#include "rng.h"

#include <algorithm>
#include <cmath>

namespace scene {

void reflect(QImage &image, int horizon, qreal ripple, const QColor &tint, qreal tintStrength,
             std::uint64_t seed)
{
    const QImage source = image.copy();
    const int width = image.width();
    const int depthRows = image.height() - horizon;
    for (int y = horizon; y < image.height(); ++y) {
        const int d = y - horizon;
        const double depth = static_cast<double>(d) / depthRows;
        const int sourceRow = std::max(0, horizon - 1 - d);
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(sourceRow));
        auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
        // Ripples grow towards the viewer, and the water tints deeper.
        const double reach = ripple * (0.25 + 1.75 * depth);
        const double mixIn = tintStrength * (0.45 + 0.55 * depth);
        for (int x = 0; x < width; ++x) {
            const double wave = valueNoise(x / (30.0 + 60 * depth), y / (1.2 + 4 * depth), seed) - 0.5;
            const int sx = std::clamp(x + static_cast<int>(std::lround(wave * 2 * reach)), 0, width - 1);
            const QRgb c = from[sx];
            const double keep = (1 - mixIn) * 0.9;
            to[x] = qRgb(static_cast<int>(qRed(c) * keep + tint.red() * mixIn),
                         static_cast<int>(qGreen(c) * keep + tint.green() * mixIn),
                         static_cast<int>(qBlue(c) * keep + tint.blue() * mixIn));
        }
    }
}

void glitter(QPainter &p, qreal x, qreal top, qreal bottom, qreal spread, const QColor &colour,
             int count, std::uint64_t seed)
{
    Rng rng(seed);
    p.save();
    for (int i = 0; i < count; ++i) {
        const double t = std::pow(rng.uniform(), 1.3);
        const qreal y = top + (bottom - top) * t;
        // Sum of uniforms: sparkles crowd the line under the light.
        const double across = rng.uniform() + rng.uniform() + rng.uniform() - 1.5;
        const qreal cx = x + across * spread * (0.15 + t);
        const qreal length = 1.5 + 14 * t * rng.uniform();
        QColor c = colour;
        c.setAlpha(static_cast<int>(colour.alpha() * rng.range(0.3, 1.0)));
        p.setPen(QPen(c, 0.6 + 1.4 * t, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - length / 2, y), QPointF(cx + length / 2, y));
    }
    p.restore();
}

} // namespace scene
