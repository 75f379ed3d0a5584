#include "scene_kit.h"

#include "bmp_file.h"
#include "rng.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace scene {

namespace {

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

void puff(QPainter &p, QPointF centre, qreal r, qreal flatness, const QColor &colour)
{
    p.save();
    p.translate(centre);
    p.scale(1, flatness * 1.6);
    QRadialGradient g(QPointF(0, 0), r);
    g.setColorAt(0, colour);
    g.setColorAt(0.55, withAlpha(colour, colour.alpha() * 3 / 4));
    g.setColorAt(1, withAlpha(colour, 0));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
}

} // namespace

QImage blank()
{
    return canvas(kWidth, kHeight, Qt::black);
}

void verticalGradient(QPainter &p, const QRectF &area, const QGradientStops &stops)
{
    QLinearGradient g(0, area.top(), 0, area.bottom());
    g.setStops(stops);
    p.fillRect(area, g);
}

void glow(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(0.3, withAlpha(colour, colour.alpha() / 2));
    g.setColorAt(1, withAlpha(colour, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void sun(QPainter &p, QPointF centre, qreal radius, const QColor &core, const QColor &rim)
{
    glow(p, centre, radius * 7, withAlpha(rim, 110));
    glow(p, centre, radius * 2.2, withAlpha(core, 200));
    QRadialGradient disc(centre, radius);
    disc.setColorAt(0, core);
    disc.setColorAt(0.8, core);
    disc.setColorAt(1, rim);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void moon(QPainter &p, QPointF centre, qreal radius, std::uint64_t seed)
{
    glow(p, centre, radius * 6, QColor(0xB0, 0xC0, 0xFF, 60));
    glow(p, centre, radius * 1.8, QColor(0xE8, 0xEC, 0xFF, 120));
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    disc.setColorAt(0, QColor(0xFF, 0xFE, 0xF4));
    disc.setColorAt(1, QColor(0xC8, 0xC8, 0xC0));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    // Maria: soft grey seas across the face.
    Rng rng(seed);
    for (int i = 0; i < 7; ++i) {
        const double a = rng.range(0, 6.2832);
        const double d = rng.range(0, 0.6) * radius;
        const qreal r = radius * rng.range(0.14, 0.32);
        p.setBrush(QColor(0x90, 0x90, 0x98, 70));
        p.drawEllipse(centre + QPointF(std::cos(a) * d, std::sin(a) * d), r, r * 0.85);
    }
    p.restore();
}

void stars(QPainter &p, const QRectF &area, int count, std::uint64_t seed, qreal brightness)
{
    static const QColor tints[] = {QColor(255, 255, 255), QColor(0xD0, 0xDC, 0xFF), QColor(0xFF, 0xEE, 0xD0)};
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + rng.uniform() * area.width(), area.top() + rng.uniform() * area.height());
        const double b = std::pow(rng.uniform(), 3.0);
        const QColor &tint = tints[rng.below(3)];
        const double fade = 1 - 0.75 * (at.y() - area.top()) / area.height();
        const int alpha = static_cast<int>((70 + 185 * b) * fade * brightness);
        if (b > 0.7)
            glow(p, at, 2.5 + 5 * b, withAlpha(tint, alpha / 3));
        p.setBrush(withAlpha(tint, alpha));
        const qreal r = 0.45 + 0.9 * b;
        p.drawEllipse(at, r, r);
    }
    p.restore();
}

void birds(QPainter &p, QPointF centre, int count, const QColor &colour, std::uint64_t seed)
{
    Rng rng(seed);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const QPointF at = centre + QPointF(rng.range(-60, 60), rng.range(-25, 25));
        const qreal span = rng.range(4, 8);
        const qreal lift = span * rng.range(0.25, 0.55);
        QPainterPath wing(at + QPointF(-span, -lift));
        wing.quadTo(at + QPointF(-span * 0.4, -lift * 1.3), at);
        wing.quadTo(at + QPointF(span * 0.4, -lift * 1.3), at + QPointF(span, -lift));
        p.drawPath(wing);
    }
    p.restore();
}

void clouds(QPainter &p, const CloudSpec &spec)
{
    Rng rng(spec.seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int c = 0; c < spec.count; ++c) {
        const QPointF centre(spec.area.left() + rng.uniform() * spec.area.width(),
                             spec.area.top() + rng.uniform() * spec.area.height());
        const qreal width = spec.size * rng.range(0.6, 1.4);
        const int puffs = 9 + rng.below(7);
        std::vector<std::pair<QPointF, qreal>> shape;
        for (int i = 0; i < puffs; ++i) {
            const qreal dx = rng.range(-0.5, 0.5);
            // Puffs pile up in the middle and thin out towards the ends.
            const qreal body = 1 - 1.4 * std::abs(dx);
            const qreal r = width * rng.range(0.14, 0.24) * (0.5 + body);
            const qreal dy = -rng.range(0, 0.5) * width * spec.flatness * body;
            shape.push_back({centre + QPointF(dx * width, dy), r});
        }
        for (const auto &[at, r] : shape)
            puff(p, at + QPointF(0, r * spec.flatness * 0.6), r, spec.flatness, spec.shade);
        for (const auto &[at, r] : shape)
            puff(p, at - QPointF(r * 0.1, r * spec.flatness * 0.3), r * 0.85, spec.flatness, spec.lit);
    }
    p.restore();
}

void vignette(QPainter &p, qreal strength)
{
    QRadialGradient g(QPointF(kWidth / 2.0, kHeight / 2.0), kWidth * 0.72);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, static_cast<int>(255 * strength)));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), g);
}

} // namespace scene
