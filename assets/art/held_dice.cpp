#include "parts.h"

#include "bmp_file.h"
#include "die_painter.h"

#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <utility>

void writeHeldDice(const QString &dataDir)
{
    // The game asks for a held five under the number seven, and there is no
    // file five.
    const std::array<std::pair<int, int>, 6> files{{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {6, 6}, {7, 5}}};
    const DieLook look = amberLook();
    for (const auto &[number, pips] : files) {
        QImage image = canvas(55, 55, QColor(0x40, 0x40, 0x00));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // A warm halo marks the die as set aside on the rack.
        QRadialGradient halo(QPointF(27.5, 27.5), 27.5);
        halo.setColorAt(0.6, QColor(0xFF, 0xC8, 0x30, 90));
        halo.setColorAt(1, QColor(0xFF, 0xC8, 0x30, 0));
        p.fillRect(image.rect(), halo);
        paintDie(p, QRectF(6, 5, 42, 42), look, pips);
        p.end();
        saveBmp(image, QStringLiteral("%1/helddice%2.bmp").arg(dataDir).arg(number));
    }
}
