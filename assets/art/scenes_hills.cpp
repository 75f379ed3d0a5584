#include "scenes.h"

#include "scene_kit.h"
#include "textures.h"

using namespace scene;

QImage noonHills()
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, kWidth, 340),
                     {{0, tone(0x2A64B8)}, {0.6, tone(0x7FB4EA)}, {1, tone(0xD8ECF8)}});
    sun(p, QPointF(96, 52), 18, tone(0xFFFFFF), tone(0xFFF4C8));
    clouds(p, {QRectF(220, 90, 540, 120), 5, 150, 0.55, tone(0xFFFFFF, 235), tone(0xA8BCD8, 210), 41});

    const Ridge far({.baseY = 335, .amplitude = 80, .wavelength = 240, .kind = RidgeKind::Rolling, .seed = 42});
    fillRidge(p, far, kHeight, tone(0x8CB0BC), tone(0xA8C8C4));
    haze(p, 330, 30, tone(0xE0F0F8, 120));

    const Ridge middle({.baseY = 385, .amplitude = 90, .wavelength = 200, .kind = RidgeKind::Rolling, .seed = 43});
    fillRidge(p, middle, kHeight, tone(0x86B454), tone(0x5A8C34));
    trees(p, middle, {TreeKind::Round, 15, 9, 70, {tone(0x4E8A3A), tone(0x5A9640), tone(0x3E7A34)}, 44});

    const Ridge near({.baseY = 445, .amplitude = 80, .wavelength = 320, .kind = RidgeKind::Rolling, .seed = 45});
    fillRidge(p, near, kHeight, tone(0x6AA638), tone(0x3C7A20));
    trees(p, near, {TreeKind::Round, 36, 45, 40, {tone(0x3C7A2C), tone(0x4A8830), tone(0x2E6A26)}, 46});

    const Ridge meadow({.baseY = 525, .amplitude = 70, .wavelength = 420, .kind = RidgeKind::Rolling, .seed = 47});
    fillRidge(p, meadow, kHeight, tone(0x5A9A2C), tone(0x2E6416));
    grass(p, meadow, {14, 900, 60, {tone(0x7AB840), tone(0x3E7A1E), tone(0x98C850), tone(0x5A9830)}, 48});
    p.end();
    addGrain(image, 2, 49);
    return image;
}

QImage autumnHills()
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, kWidth, 360),
                     {{0, tone(0x5A7AB8)}, {0.45, tone(0xC8B0B0)}, {0.75, tone(0xF6C888)}, {1, tone(0xF8A860)}});
    sun(p, QPointF(130, 282), 24, tone(0xFFF0C0), tone(0xFF9A40));
    clouds(p, {QRectF(0, 60, kWidth, 140), 7, 260, 0.16, tone(0xFFD4A8, 170), tone(0x8A6A8A, 130), 51});

    const Ridge far({.baseY = 345, .amplitude = 90, .wavelength = 260, .kind = RidgeKind::Rolling, .seed = 52});
    fillRidge(p, far, kHeight, tone(0xA07A8A), tone(0xB88C84));
    rimLight(p, far, tone(0xFFD8A0, 110), 1.2);
    haze(p, 345, 34, tone(0xF8B880, 100));

    const std::vector<QColor> leaves{tone(0xD8641C), tone(0xE8A020), tone(0xB83A1A), tone(0xC8781A), tone(0x9A5A1C)};
    const Ridge middle({.baseY = 395, .amplitude = 90, .wavelength = 220, .kind = RidgeKind::Rolling, .seed = 53});
    fillRidge(p, middle, kHeight, tone(0xC07A3A), tone(0x9A5428));
    trees(p, middle, {TreeKind::Round, 14, 3, 70, leaves, 54});
    rimLight(p, middle, tone(0xFFD080, 90), 1.0);

    const Ridge near({.baseY = 455, .amplitude = 70, .wavelength = 300, .kind = RidgeKind::Rolling, .seed = 55});
    fillRidge(p, near, kHeight, tone(0x9A5A24), tone(0x6A3416));
    trees(p, near, {TreeKind::Round, 36, 12, 30, leaves, 56});

    const Ridge field({.baseY = 530, .amplitude = 50, .wavelength = 500, .kind = RidgeKind::Rolling, .seed = 57});
    fillRidge(p, field, kHeight, tone(0x8A6424), tone(0x4A3010));
    grass(p, field, {16, 900, 50, {tone(0xE8B860), tone(0xB0802C), tone(0x6A4418), tone(0xF8D890)}, 58});
    vignette(p, 0.3);
    p.end();
    addGrain(image, 3, 59);
    return image;
}

QImage mistyLake()
{
    QImage image = blank();
    constexpr int horizon = 300;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, horizon),
                         {{0, tone(0x7D929A)}, {0.6, tone(0xB8C6C4)}, {1, tone(0xDDE2DA)}});
        glow(p, QPointF(300, 140), 120, tone(0xFFFCEC, 90));
        glow(p, QPointF(300, 140), 26, tone(0xFFFCF0, 230));

        const Ridge far({.baseY = horizon, .amplitude = 100, .wavelength = 230, .kind = RidgeKind::Rolling, .seed = 61});
        fillRidge(p, far, horizon + 1, tone(0x98AAA8), tone(0xAAB8B4));
        haze(p, horizon - 20, 40, tone(0xE4EAE4, 140));

        const Ridge forest({.baseY = horizon, .amplitude = 22, .wavelength = 150, .kind = RidgeKind::Rolling, .seed = 62});
        fillRidge(p, forest, horizon + 1, tone(0x6C807C), tone(0x6C807C));
        trees(p, forest, {TreeKind::Pine, 24, 7, 4, {tone(0x6C807C), tone(0x647874)}, 63});
        haze(p, horizon - 4, 14, tone(0xE8EEE8, 150));

        const Ridge point({.baseY = horizon, .amplitude = 70, .wavelength = 200, .kind = RidgeKind::Rolling,
                           .seed = 64, .riseFrom = 300, .riseTo = 140});
        fillRidge(p, point, horizon + 1, tone(0x34463F), tone(0x34463F));
        trees(p, point, {TreeKind::Pine, 62, 13, 6, {tone(0x2E3E38), tone(0x34463E), tone(0x3A4C44)}, 65, 0, 310});
    }
    reflect(image, horizon, 2, QColor(0x9AAAA6), 0.3, 66);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        haze(p, horizon + 6, 22, tone(0xEEF2EC, 150));
        haze(p, 390, 40, tone(0xE0E8E4, 70));
        const Ridge bank({.baseY = kHeight + 6, .amplitude = 60, .wavelength = 150, .kind = RidgeKind::Rolling,
                          .seed = 67, .riseFrom = 520, .riseTo = 700});
        grass(p, bank, {60, 260, 8, {tone(0x2A3430), tone(0x3A4840), tone(0x4C5A4E)}, 68});
        fillRidge(p, bank, kHeight, tone(0x2C3A34), tone(0x1C2622));
        vignette(p, 0.2);
    }
    addGrain(image, 2, 69);
    return image;
}
