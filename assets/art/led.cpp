#include "parts.h"

#include "bmp_file.h"

#include <QPainter>
#include <QRadialGradient>

void writeLed(const QString &dataDir)
{
    QImage image = canvas(25, 25, QColor(0x40, 0x00, 0x40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF centre(12.5, 12.5);

    QRadialGradient glow(centre, 12.5);
    glow.setColorAt(0.45, QColor(0xFF, 0x30, 0x20, 170));
    glow.setColorAt(1, QColor(0xFF, 0x30, 0x20, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, 12.5, 12.5);

    QLinearGradient bezel(4, 4, 21, 21);
    bezel.setColorAt(0, QColor(0x70, 0x60, 0x68));
    bezel.setColorAt(1, QColor(0x18, 0x10, 0x14));
    p.setBrush(bezel);
    p.drawEllipse(centre, 8.6, 8.6);

    QRadialGradient lens(centre, 7.4, QPointF(10.5, 10));
    lens.setColorAt(0, QColor(0xFF, 0xE0, 0xC8));
    lens.setColorAt(0.3, QColor(0xFF, 0x50, 0x30));
    lens.setColorAt(0.8, QColor(0xC8, 0x08, 0x04));
    lens.setColorAt(1, QColor(0x80, 0x00, 0x00));
    p.setBrush(lens);
    p.drawEllipse(centre, 7.2, 7.2);

    QRadialGradient shine(QPointF(10, 9), 3.2);
    shine.setColorAt(0, QColor(255, 255, 255, 230));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(10, 9), 3.4, 2.6);
    p.end();
    saveBmp(image, dataDir + "/LED.bmp");
}
