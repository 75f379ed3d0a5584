#include "scene_kit.h"

#include "noise.h"
#include "rng.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace scene {

namespace {

double rollingHeight(double u, std::uint64_t seed)
{
    return smoothstep(0.22, 0.78, fbm(u, 0.5, seed, 3));
}

// Ridged octaves: sharp summits and notched saddles.
double jaggedHeight(double u, std::uint64_t seed)
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    double frequency = 1;
    for (int octave = 0; octave < 6; ++octave) {
        const double n = valueNoise(u * frequency, 3.7, seed + static_cast<std::uint64_t>(octave) * 31);
        const double r = 1 - std::abs(2 * n - 1);
        sum += weight * r * r;
        total += weight;
        frequency *= 2.1;
        weight *= 0.5;
    }
    return smoothstep(0.1, 0.75, sum / total);
}

// Straight-sided interpolation between lattice values: broken rock, not hills.
double angularNoise(double u, std::uint64_t seed)
{
    const double i = std::floor(u);
    const double a = valueNoise(i, 0.5, seed);
    const double b = valueNoise(i + 1, 0.5, seed);
    return a + (b - a) * (u - i);
}

double cragHeight(double u, std::uint64_t seed)
{
    double detail = 0;
    double weight = 0.5;
    double total = 0;
    double frequency = 5;
    for (int octave = 0; octave < 5; ++octave) {
        detail += weight * angularNoise(u * frequency, seed + 50 + static_cast<std::uint64_t>(octave));
        total += weight;
        frequency *= 2.2;
        weight *= 0.7;
    }
    return std::clamp(0.75 * jaggedHeight(u, seed) + 0.7 * (detail / total - 0.5) + 0.12, 0.0, 1.0);
}

// Flat caps with sheer walls over low broken ground.
double mesaHeight(double u, std::uint64_t seed)
{
    const double base = fbm(u, 0.5, seed, 3);
    const double cap = smoothstep(0.53, 0.56, base);
    return 0.22 * smoothstep(0.25, 0.8, base) + 0.72 * cap + 0.04 * valueNoise(u * 14, 1.1, seed + 9);
}

void paintPine(QPainter &p, qreal x, qreal base, qreal h, const QColor &colour)
{
    constexpr int tiers = 4;
    QPolygonF left;
    left << QPointF(x, base - h);
    for (int i = 0; i < tiers; ++i) {
        const qreal y = base - h + h * 0.88 * (i + 1) / tiers;
        const qreal w = h * 0.27 * (i + 1) / tiers + h * 0.04;
        left << QPointF(x - w, y);
        if (i + 1 < tiers)
            left << QPointF(x - w * 0.45, y - h * 0.05);
    }
    left << QPointF(x - h * 0.03, base - h * 0.12) << QPointF(x - h * 0.03, base);
    QPolygonF shape = left;
    for (auto it = left.crbegin(); it != left.crend(); ++it)
        shape << QPointF(2 * x - it->x(), it->y());
    p.setBrush(colour);
    p.drawPolygon(shape);
}

void paintRoundTree(QPainter &p, qreal x, qreal base, qreal h, const QColor &colour, Rng &rng)
{
    p.setBrush(colour.darker(220));
    p.drawRect(QRectF(x - h * 0.04, base - h * 0.4, h * 0.08, h * 0.4));
    const QPointF crown(x, base - h * 0.62);
    const qreal r = h * 0.36;
    p.setBrush(colour.darker(150));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(crown + QPointF(rng.range(-0.4, 0.4) * r, rng.range(-0.2, 0.3) * r),
                      r * rng.range(0.6, 0.8), r * rng.range(0.55, 0.75));
    QRadialGradient lit(crown + QPointF(-r * 0.35, -r * 0.4), r * 1.1);
    lit.setColorAt(0, colour.lighter(125));
    lit.setColorAt(0.7, colour);
    lit.setColorAt(1, colour.darker(130));
    p.setBrush(lit);
    p.drawEllipse(crown + QPointF(-r * 0.12, -r * 0.12), r * 0.72, r * 0.68);
}

} // namespace

Ridge::Ridge(const RidgeSpec &spec) : step_(3)
{
    const int samples = static_cast<int>(kWidth / step_) + 3;
    y_.reserve(samples);
    for (int i = 0; i < samples; ++i) {
        const double u = i * step_ / spec.wavelength;
        double h = 0;
        switch (spec.kind) {
        case RidgeKind::Rolling: h = rollingHeight(u, spec.seed); break;
        case RidgeKind::Jagged: h = jaggedHeight(u, spec.seed); break;
        case RidgeKind::Mesa: h = mesaHeight(u, spec.seed); break;
        case RidgeKind::Crag: h = cragHeight(u, spec.seed); break;
        }
        if (spec.riseFrom != spec.riseTo)
            h *= smoothstep(spec.riseFrom, spec.riseTo, i * step_);
        y_.push_back(spec.baseY - spec.amplitude * h);
    }
}

double Ridge::at(double x) const
{
    const double i = std::clamp(x / step_, 0.0, static_cast<double>(y_.size() - 1));
    const auto k = std::min(static_cast<size_t>(i), y_.size() - 2);
    const double t = i - static_cast<double>(k);
    return y_[k] + (y_[k + 1] - y_[k]) * t;
}

QPainterPath Ridge::outline(double bottom) const
{
    QPainterPath path(QPointF(0, bottom));
    for (size_t i = 0; i < y_.size(); ++i)
        path.lineTo(static_cast<double>(i) * step_, y_[i]);
    path.lineTo(static_cast<double>(y_.size() - 1) * step_, bottom);
    path.closeSubpath();
    return path;
}

void fillRidge(QPainter &p, const Ridge &ridge, double bottom, const QColor &top, const QColor &low)
{
    const QPainterPath shape = ridge.outline(bottom);
    QLinearGradient g(0, shape.boundingRect().top(), 0, bottom);
    g.setColorAt(0, top);
    g.setColorAt(1, low);
    p.fillPath(shape, g);
}

void rimLight(QPainter &p, const Ridge &ridge, const QColor &colour, qreal width)
{
    QPainterPath line(QPointF(0, ridge.at(0)));
    for (int x = 3; x <= kWidth; x += 3)
        line.lineTo(x, ridge.at(x));
    p.strokePath(line, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void haze(QPainter &p, qreal y, qreal thickness, const QColor &colour)
{
    QLinearGradient g(0, y - thickness, 0, y + thickness);
    QColor clear = colour;
    clear.setAlpha(0);
    g.setColorAt(0, clear);
    g.setColorAt(0.5, colour);
    g.setColorAt(1, clear);
    p.fillRect(QRectF(0, y - thickness, kWidth, 2 * thickness), g);
}

void trees(QPainter &p, const Ridge &ridge, const TreeSpec &spec)
{
    struct Plant {
        qreal x;
        qreal base;
        qreal height;
        QColor colour;
    };
    Rng rng(spec.seed);
    std::vector<Plant> plants;
    for (qreal x = spec.fromX - spec.spacing * rng.uniform(); x < spec.toX + spec.spacing;
         x += spec.spacing * rng.range(0.4, 1.6)) {
        const qreal base = ridge.at(x) + 2 + spec.sink * std::pow(rng.uniform(), 1.5);
        const qreal h = spec.height * rng.range(0.65, 1.3);
        plants.push_back({x, base, h, spec.colours[static_cast<size_t>(rng.below(static_cast<int>(spec.colours.size())))]});
    }
    std::stable_sort(plants.begin(), plants.end(), [](const Plant &a, const Plant &b) { return a.base < b.base; });
    p.save();
    p.setPen(Qt::NoPen);
    for (const Plant &plant : plants) {
        if (spec.kind == TreeKind::Pine)
            paintPine(p, plant.x, plant.base, plant.height, plant.colour);
        else
            paintRoundTree(p, plant.x, plant.base, plant.height, plant.colour, rng);
    }
    p.restore();
}

void grass(QPainter &p, const Ridge &ridge, const GrassSpec &spec)
{
    Rng rng(spec.seed);
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < spec.count; ++i) {
        const qreal x = rng.uniform() * kWidth;
        const qreal base = ridge.at(x) + 2 + rng.uniform() * spec.depth;
        const qreal h = spec.height * rng.range(0.5, 1.4);
        const qreal lean = rng.range(-0.35, 0.35) * h;
        const QColor &colour = spec.colours[static_cast<size_t>(rng.below(static_cast<int>(spec.colours.size())))];
        QPainterPath blade(QPointF(x, base));
        blade.quadTo(QPointF(x + lean * 0.2, base - h * 0.6), QPointF(x + lean, base - h));
        p.setPen(QPen(colour, rng.range(0.7, 1.5), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(blade);
    }
    p.restore();
}

} // namespace scene
