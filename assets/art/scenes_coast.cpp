#include "scenes.h"

#include "scene_kit.h"
#include "textures.h"

using namespace scene;

QImage sunsetShore()
{
    QImage image = blank();
    constexpr int horizon = 300;
    const QPointF sunAt(500, 284);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, horizon),
                         {{0, tone(0x24143E)}, {0.35, tone(0x5C2456)}, {0.65, tone(0xC8485A)},
                          {0.86, tone(0xF07A48)}, {1, tone(0xFFC070)}});
        sun(p, sunAt, 30, tone(0xFFF6C8), tone(0xFF9040));
        clouds(p, {QRectF(0, 50, kWidth, 170), 8, 280, 0.12, tone(0xFFB080, 150), tone(0x6A2850, 130), 11});
        const Ridge headland({.baseY = horizon + 1, .amplitude = 64, .wavelength = 150, .kind = RidgeKind::Rolling,
                              .seed = 12, .riseFrom = 560, .riseTo = 660});
        fillRidge(p, headland, horizon + 1, tone(0x4A1C40), tone(0x5A2448));
    }
    reflect(image, horizon, 6, QColor(0x3A2040), 0.3, 13);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        glitter(p, sunAt.x(), horizon + 2, 430, 70, tone(0xFFE4A8, 230), 320, 14);
        const Ridge surf({.baseY = 446, .amplitude = 26, .wavelength = 400, .kind = RidgeKind::Rolling, .seed = 15});
        fillRidge(p, surf, kHeight, tone(0xD89078, 120), tone(0x9A5060, 160));
        rimLight(p, surf, tone(0xFFE8D8, 110), 1.4);
        const Ridge beach({.baseY = 462, .amplitude = 24, .wavelength = 400, .kind = RidgeKind::Rolling, .seed = 15});
        fillRidge(p, beach, kHeight, tone(0xC47A5A), tone(0x5A2C34));
        grass(p, beach, {2.5, 500, 50, {tone(0xE8A080, 120), tone(0x6A3038, 120)}, 19});
        const Ridge rocks({.baseY = kHeight + 4, .amplitude = 120, .wavelength = 260, .kind = RidgeKind::Jagged,
                           .seed = 17, .riseFrom = 260, .riseTo = 40});
        fillRidge(p, rocks, kHeight, tone(0x2A1024), tone(0x12060E));
        rimLight(p, rocks, tone(0xFF9060, 110), 1.4);
        vignette(p, 0.35);
    }
    addGrain(image, 3, 18);
    return image;
}

QImage dawnSea()
{
    QImage image = blank();
    constexpr int horizon = 300;
    const QPointF sunAt(250, horizon + 6);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, horizon),
                         {{0, tone(0x34487A)}, {0.45, tone(0x8A9CC8)}, {0.75, tone(0xE6B8C0)},
                          {0.92, tone(0xFFD0A8)}, {1, tone(0xFFE8C0)}});
        sun(p, sunAt, 26, tone(0xFFFBE8), tone(0xFFC080));
        clouds(p, {QRectF(0, 30, kWidth, 90), 5, 320, 0.1, tone(0xF4D4E4, 110), tone(0x7A7AA8, 70), 21});
        clouds(p, {QRectF(0, 160, kWidth, 90), 6, 200, 0.25, tone(0xFFDCD4, 170), tone(0x8A7AA8, 120), 22});
        const Ridge island({.baseY = horizon + 1, .amplitude = 24, .wavelength = 70, .kind = RidgeKind::Rolling,
                            .seed = 23, .riseFrom = 520, .riseTo = 600});
        fillRidge(p, island, horizon + 1, tone(0x7A76A0), tone(0x8A84A8));
        const Ridge cape({.baseY = horizon + 1, .amplitude = 14, .wavelength = 60, .kind = RidgeKind::Rolling,
                          .seed = 24, .riseFrom = 110, .riseTo = 40});
        fillRidge(p, cape, horizon + 1, tone(0x8A86AC), tone(0x948EB0));
    }
    reflect(image, horizon, 4, QColor(0x405890), 0.28, 26);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        glitter(p, sunAt.x(), horizon + 1, kHeight, 55, tone(0xFFF4D8, 220), 380, 27);
        birds(p, QPointF(540, 150), 5, tone(0x40385A, 200), 25);
        vignette(p, 0.22);
    }
    addGrain(image, 2, 28);
    return image;
}

QImage moonlitWater()
{
    QImage image = blank();
    constexpr int horizon = 330;
    const QPointF moonAt(560, 120);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, horizon),
                         {{0, tone(0x040616)}, {0.6, tone(0x0E1A40)}, {1, tone(0x263A6C)}});
        stars(p, QRectF(0, 0, kWidth, horizon - 20), 380, 31, 1.0);
        moon(p, moonAt, 28, 32);
        clouds(p, {QRectF(0, 170, kWidth, 80), 5, 300, 0.08, tone(0x8090C0, 60), tone(0x0A1030, 80), 33});
        const Ridge shore({.baseY = horizon + 1, .amplitude = 30, .wavelength = 130, .kind = RidgeKind::Rolling, .seed = 34});
        fillRidge(p, shore, horizon + 1, tone(0x0A1430), tone(0x0C1634));
        for (const qreal x : {150.0, 168.0, 176.0, 402.0, 415.0, 690.0}) {
            const QPointF light(x, shore.at(x) + 4);
            glow(p, light, 5, tone(0xFFD080, 200));
        }
    }
    reflect(image, horizon, 5, QColor(0x081028), 0.38, 35);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        glitter(p, moonAt.x(), horizon + 2, kHeight, 45, tone(0xD8E0FF, 200), 300, 36);
        const Ridge rocks({.baseY = kHeight + 4, .amplitude = 170, .wavelength = 120, .kind = RidgeKind::Jagged,
                           .seed = 37, .riseFrom = 280, .riseTo = 120});
        fillRidge(p, rocks, kHeight, tone(0x070A16), tone(0x03040A));
        trees(p, rocks, {TreeKind::Pine, 46, 26, 6, {tone(0x05070F)}, 38, 0, 250});
        vignette(p, 0.4);
    }
    addGrain(image, 3, 39);
    return image;
}
