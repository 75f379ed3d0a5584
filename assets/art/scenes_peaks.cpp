#include "scenes.h"

#include "rng.h"
#include "scene_kit.h"
#include "textures.h"

#include <QLinearGradient>

using namespace scene;

namespace {

// Horizontal rock beds across a mesa wall, kept inside its outline.
void strata(QPainter &p, const Ridge &ridge, const QColor &colour, std::uint64_t seed)
{
    Rng rng(seed);
    p.save();
    p.setClipPath(ridge.outline(kHeight));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        QColor c = colour;
        c.setAlpha(static_cast<int>(colour.alpha() * rng.range(0.3, 1.0)));
        p.setBrush(c);
        p.drawRect(QRectF(0, 250 + i * 11 + rng.range(0, 5), kWidth, rng.range(1.5, 5)));
    }
    p.restore();
}

void cactus(QPainter &p, QPointF foot, qreal h, const QColor &colour)
{
    const qreal w = h * 0.14;
    p.save();
    p.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(foot, foot - QPointF(0, h));
    QPainterPath arms;
    arms.moveTo(foot + QPointF(0, -h * 0.35));
    arms.lineTo(foot + QPointF(-h * 0.25, -h * 0.35));
    arms.lineTo(foot + QPointF(-h * 0.25, -h * 0.7));
    arms.moveTo(foot + QPointF(0, -h * 0.5));
    arms.lineTo(foot + QPointF(h * 0.22, -h * 0.5));
    arms.lineTo(foot + QPointF(h * 0.22, -h * 0.8));
    p.drawPath(arms);
    p.restore();
}

} // namespace

QImage duskMountains()
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, kWidth, 400),
                     {{0, tone(0x16163A)}, {0.35, tone(0x3A2A64)}, {0.65, tone(0xA04868)},
                      {0.85, tone(0xE87850)}, {1, tone(0xF8B060)}});
    stars(p, QRectF(0, 0, kWidth, 150), 70, 71, 0.6);
    glow(p, QPointF(600, 74), 9, tone(0xFFFFF0, 240));
    glow(p, QPointF(380, 380), 280, tone(0xFFA060, 110));

    const Ridge first({.baseY = 335, .amplitude = 150, .wavelength = 220, .kind = RidgeKind::Jagged, .seed = 72});
    fillRidge(p, first, kHeight, tone(0x8A5A88), tone(0xA86A80));
    rimLight(p, first, tone(0xFFB890, 120), 1.2);
    haze(p, 335, 40, tone(0xE08070, 90));

    const Ridge second({.baseY = 385, .amplitude = 150, .wavelength = 260, .kind = RidgeKind::Jagged, .seed = 73});
    fillRidge(p, second, kHeight, tone(0x5A3A6A), tone(0x6A4470));
    rimLight(p, second, tone(0xF0A080, 100), 1.0);
    haze(p, 385, 36, tone(0xC06878, 80));

    const Ridge third({.baseY = 440, .amplitude = 140, .wavelength = 300, .kind = RidgeKind::Jagged, .seed = 74});
    fillRidge(p, third, kHeight, tone(0x35244A), tone(0x3A2850));
    haze(p, 440, 30, tone(0x8A5070, 70));

    const Ridge last({.baseY = kHeight + 10, .amplitude = 130, .wavelength = 360, .kind = RidgeKind::Jagged, .seed = 75});
    fillRidge(p, last, kHeight, tone(0x1A1028), tone(0x120A1C));
    trees(p, last, {TreeKind::Pine, 30, 10, 5, {tone(0x1A1028)}, 76});
    vignette(p, 0.3);
    p.end();
    addGrain(image, 3, 77);
    return image;
}

QImage desertMesa()
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, kWidth, 380),
                     {{0, tone(0x2C6CBC)}, {0.5, tone(0x78AEE0)}, {0.85, tone(0xE8D6B8)}, {1, tone(0xF6DCB0)}});
    sun(p, QPointF(150, 70), 20, tone(0xFFFFFF), tone(0xFFF0C0));
    clouds(p, {QRectF(200, 60, 560, 100), 4, 260, 0.08, tone(0xFFFFFF, 140), tone(0xB0C4E0, 80), 81});

    const Ridge far({.baseY = 362, .amplitude = 70, .wavelength = 180, .kind = RidgeKind::Mesa, .seed = 83});
    fillRidge(p, far, kHeight, tone(0xC8A090), tone(0xD4B09C));
    haze(p, 355, 30, tone(0xF4DCC4, 120));

    const Ridge middle({.baseY = 405, .amplitude = 160, .wavelength = 240, .kind = RidgeKind::Mesa, .seed = 88});
    fillRidge(p, middle, kHeight, tone(0xC06A3C), tone(0x9A4A28));
    strata(p, middle, tone(0x7A3018, 90), 84);
    rimLight(p, middle, tone(0xFFD0A0, 140), 1.3);
    haze(p, 405, 20, tone(0xF0C8A0, 90));

    const Ridge dune({.baseY = 470, .amplitude = 70, .wavelength = 300, .kind = RidgeKind::Rolling, .seed = 85});
    fillRidge(p, dune, kHeight, tone(0xE8B070), tone(0xC88848));
    rimLight(p, dune, tone(0xFFE8B8, 160), 1.6);
    cactus(p, QPointF(590, dune.at(590) + 14), 60, tone(0x3E5A2A));
    cactus(p, QPointF(660, dune.at(660) + 10), 34, tone(0x4A6432));

    const Ridge front({.baseY = 525, .amplitude = 60, .wavelength = 380, .kind = RidgeKind::Rolling, .seed = 86});
    fillRidge(p, front, kHeight, tone(0xD89A58), tone(0xA86A34));
    rimLight(p, front, tone(0xFFE0A8, 150), 1.6);
    cactus(p, QPointF(120, front.at(120) + 30), 110, tone(0x2E4A20));
    p.end();
    addGrain(image, 3, 87);
    return image;
}

QImage starryCrag()
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, kWidth, kHeight),
                     {{0, tone(0x020310)}, {0.6, tone(0x0A0E2A)}, {1, tone(0x1E2650)}});
    glow(p, QPointF(384, 560), 420, tone(0x3A3A80, 90));

    // The milky way: a slanting river of haze and fine stars.
    p.save();
    p.translate(384, 230);
    p.rotate(-28);
    Rng rng(91);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(rng.range(-520, 520), rng.range(-30, 30));
        glow(p, at, rng.range(30, 70), i % 5 == 0 ? tone(0x0A0A1C, 110) : tone(0x9888D0, 40));
    }
    stars(p, QRectF(-520, -45, 1040, 90), 1200, 92, 0.7);
    p.restore();
    stars(p, QRectF(0, 0, kWidth, 430), 320, 93, 1.0);

    const Ridge distant({.baseY = 440, .amplitude = 90, .wavelength = 160, .kind = RidgeKind::Crag, .seed = 98});
    fillRidge(p, distant, kHeight, tone(0x1C2448), tone(0x10142C));
    rimLight(p, distant, tone(0x4A5A9A, 90), 1.0);
    const Ridge crag({.baseY = 540, .amplitude = 400, .wavelength = 320, .kind = RidgeKind::Crag, .seed = 94,
                      .riseFrom = 420, .riseTo = 500});
    fillRidge(p, crag, kHeight, tone(0x0A0C1A), tone(0x04050C));
    rimLight(p, crag, tone(0x6A7AC0, 150), 1.3);
    const Ridge ground({.baseY = kHeight + 8, .amplitude = 90, .wavelength = 260, .kind = RidgeKind::Rolling, .seed = 95});
    fillRidge(p, ground, kHeight, tone(0x05060E), tone(0x020308));
    trees(p, ground, {TreeKind::Pine, 28, 16, 5, {tone(0x03040A)}, 96, 0, 380});
    vignette(p, 0.35);
    p.end();
    addGrain(image, 3, 97);
    return image;
}
