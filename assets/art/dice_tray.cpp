#include "dice_tray.h"

#include "textures.h"

#include <QPainter>
#include <QRadialGradient>

namespace {
constexpr int kTraySide = 94;
}

QImage diceTray()
{
    QImage image(kTraySide, kTraySide, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QRadialGradient felt(QPointF(40, 36), 78);
    felt.setColorAt(0, QColor(0x46, 0x18, 0x4E));
    felt.setColorAt(0.7, QColor(0x2A, 0x0A, 0x30));
    felt.setColorAt(1, QColor(0x1A, 0x04, 0x1E));
    p.fillRect(image.rect(), felt);
    p.end();
    addGrain(image, 4, 0x7EA7'F317);
    return image;
}

QRectF trayDieBox()
{
    return {8, 7, 76, 76};
}
