#include "parts.h"

#include "bmp_file.h"
#include "die_painter.h"
#include "ripples.h"
#include "textures.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <utility>

namespace {

QString stored(const QString &dataDir, const char *name)
{
    return dataDir + "/stored/" + QLatin1String(name);
}

void writeDie(QImage image, const QRectF &box, const DieLook &look, int pips, const Tilt &tilt,
              const QString &path)
{
    QPainter p(&image);
    paintDie(p, box, look, pips, tilt);
    p.end();
    saveBmp(image, path);
}

// A reel window: the strip curves away at top and bottom.
QImage reel()
{
    QImage image = canvas(94, 94, Qt::black);
    QPainter p(&image);
    QLinearGradient drum(0, 0, 0, 94);
    drum.setColorAt(0, QColor(0x00, 0x00, 0x50));
    drum.setColorAt(0.5, QColor(0x30, 0x40, 0xE0));
    drum.setColorAt(1, QColor(0x00, 0x00, 0x50));
    p.fillRect(image.rect(), drum);
    return image;
}

void curveAway(QImage &image)
{
    QPainter p(&image);
    QLinearGradient drum(0, 0, 0, image.height());
    drum.setColorAt(0, QColor(0, 0, 0x30, 150));
    drum.setColorAt(0.3, QColor(0, 0, 0, 0));
    drum.setColorAt(0.7, QColor(0, 0, 0, 0));
    drum.setColorAt(1, QColor(0, 0, 0x30, 150));
    p.fillRect(image.rect(), drum);
}

} // namespace

void writeStoredDice(const QString &dataDir)
{
    writeDie(canvas(32, 32, QColor(0x40, 0x00, 0x40)), QRectF(1.5, 1, 28, 28), crimsonLook(), 5, {},
             stored(dataDir, "window-icon.bmp"));

    QImage ground = mottleTexture(55, QColor(0xE0, 0x78, 0x18), QColor(0x9A, 0x40, 0x00), 0x0AA6'E5);
    writeDie(ground, QRectF(6, 5, 42, 42), emberLook(), 1, {}, stored(dataDir, "held-start.bmp"));

    const DieLook wood = woodLook();
    writeDie(violetRipples(QSize(94, 94), QPoint(203, 103)), QRectF(4, 4, 84, 84), wood, 5,
             {.turn = 28, .tip = 24, .roll = -10}, stored(dataDir, "splash-die.bmp"));
    writeDie(canvas(94, 94, QColor(0xC0, 0xC0, 0xC0)), QRectF(4, 4, 84, 84), wood, 3,
             {.turn = -26, .tip = 20, .roll = 12}, stored(dataDir, "about-die.bmp"));
    writeDie(canvas(94, 94, QColor(0xE0, 0xE0, 0xE0)), QRectF(4, 4, 84, 84), ivoryLook(), 1,
             {.turn = 22, .tip = 30, .roll = 8}, stored(dataDir, "help-die.bmp"));

    const std::array<std::pair<const char *, int>, 3> reels{{{"slot-two.bmp", 2}, {"slot-five.bmp", 5}, {"slot-six.bmp", 6}}};
    for (const auto &[name, pips] : reels) {
        QImage image = reel();
        {
            QPainter p(&image);
            paintDie(p, QRectF(11, 10, 72, 72), ivoryLook(), pips);
        }
        curveAway(image);
        saveBmp(image, stored(dataDir, name));
    }
}
