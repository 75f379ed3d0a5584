#include "parts.h"

#include "bmp_file.h"
#include "dice_tray.h"
#include "die_painter.h"

#include <QPainter>

void writeDiceFaces(const QString &dataDir)
{
    const DieLook look = ivoryLook();
    for (int value = 1; value <= 6; ++value) {
        QImage image = diceTray();
        QPainter p(&image);
        paintDie(p, trayDieBox(), look, value);
        p.end();
        saveBmp(image, QStringLiteral("%1/dicespot%2.bmp").arg(dataDir).arg(value));
    }
}
