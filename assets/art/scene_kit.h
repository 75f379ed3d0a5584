#pragma once
#include <QColor>
#include <QGradientStops>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <vector>

// Building blocks for the painted backgrounds: skies, lights, ridges,
// clouds, trees and water, layered back to front.
namespace scene {

constexpr int kWidth = 768;
constexpr int kHeight = 512;

inline QColor tone(QRgb rgb, int alpha = 255)
{
    QColor c(rgb);
    c.setAlpha(alpha);
    return c;
}

// A blank picture of the background size.
QImage blank();

enum class RidgeKind { Rolling, Jagged, Mesa, Crag };

struct RidgeSpec {
    double baseY;       // lowest line of the ridge
    double amplitude;   // how far its peaks rise above baseY
    double wavelength;  // typical distance between summits, px
    RidgeKind kind;
    std::uint64_t seed;
    // Where the land climbs from baseY to full height, for headlands and
    // lone crags; the ridge runs the whole width when both are equal.
    double riseFrom = 0;
    double riseTo = 0;
};

// A skyline sampled every few pixels across the picture.
class Ridge {
public:
    explicit Ridge(const RidgeSpec &spec);
    double at(double x) const;
    QPainterPath outline(double bottom) const;

private:
    std::vector<double> y_;
    double step_;
};

void verticalGradient(QPainter &p, const QRectF &area, const QGradientStops &stops);
void fillRidge(QPainter &p, const Ridge &ridge, double bottom, const QColor &top, const QColor &low);
void rimLight(QPainter &p, const Ridge &ridge, const QColor &colour, qreal width);

// A soft radial light, full colour at the centre fading to nothing.
void glow(QPainter &p, QPointF centre, qreal radius, const QColor &colour);
void sun(QPainter &p, QPointF centre, qreal radius, const QColor &core, const QColor &rim);
void moon(QPainter &p, QPointF centre, qreal radius, std::uint64_t seed);
void stars(QPainter &p, const QRectF &area, int count, std::uint64_t seed, qreal brightness);
void birds(QPainter &p, QPointF centre, int count, const QColor &colour, std::uint64_t seed);

struct CloudSpec {
    QRectF area;       // where cloud centres fall
    int count;
    qreal size;        // typical width
    qreal flatness;    // puff height over width: 0.6 for heaps, 0.15 for streaks
    QColor lit;
    QColor shade;
    std::uint64_t seed;
};
void clouds(QPainter &p, const CloudSpec &spec);

// A horizontal band of haze, strongest along y.
void haze(QPainter &p, qreal y, qreal thickness, const QColor &colour);

enum class TreeKind { Pine, Round };
struct TreeSpec {
    TreeKind kind;
    qreal height;      // typical tree height
    qreal spacing;     // typical gap between trunks
    qreal sink;        // trees stand from the ridge line down to this far below it
    std::vector<QColor> colours;
    std::uint64_t seed;
    qreal fromX = 0;   // the stretch of ridge that is wooded
    qreal toX = kWidth;
};
// Plants on top of an already filled ridge, far trees first.
void trees(QPainter &p, const Ridge &ridge, const TreeSpec &spec);

struct GrassSpec {
    qreal height;      // typical blade length
    int count;
    qreal depth;       // blades stand from the ridge line down to this far below it
    std::vector<QColor> colours;
    std::uint64_t seed;
};
void grass(QPainter &p, const Ridge &ridge, const GrassSpec &spec);

// Mirrors everything above horizon into the rows below it, broken by
// ripples and drawn towards tint with depth.
void reflect(QImage &image, int horizon, qreal ripple, const QColor &tint, qreal tintStrength,
             std::uint64_t seed);

// Sparkles on water under a light source.
void glitter(QPainter &p, qreal x, qreal top, qreal bottom, qreal spread, const QColor &colour,
             int count, std::uint64_t seed);

void vignette(QPainter &p, qreal strength);

} // namespace scene
