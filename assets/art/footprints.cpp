#include "parts.h"

#include "bmp_file.h"
#include "rng.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(0x36, 0x2A, 0x24);

// A right footprint in a unit box, toes up: ball, arch gap on the inner
// (left) side, heel, and five toes shrinking outwards.
QPainterPath rightFoot()
{
    QPainterPath sole(QPointF(0.52, 1.0));
    sole.cubicTo(0.76, 1.0, 0.82, 0.8, 0.8, 0.62);
    sole.cubicTo(0.79, 0.5, 0.9, 0.42, 0.88, 0.32);
    sole.cubicTo(0.86, 0.2, 0.32, 0.16, 0.2, 0.28);
    sole.cubicTo(0.1, 0.38, 0.2, 0.46, 0.34, 0.58);
    sole.cubicTo(0.42, 0.66, 0.3, 0.76, 0.3, 0.84);
    sole.cubicTo(0.3, 0.96, 0.4, 1.0, 0.52, 1.0);
    sole.addEllipse(QPointF(0.26, 0.11), 0.105, 0.11);
    sole.addEllipse(QPointF(0.46, 0.08), 0.07, 0.075);
    sole.addEllipse(QPointF(0.6, 0.11), 0.06, 0.065);
    sole.addEllipse(QPointF(0.72, 0.16), 0.055, 0.058);
    sole.addEllipse(QPointF(0.82, 0.23), 0.048, 0.05);
    sole.setFillRule(Qt::WindingFill);
    return sole;
}

void stamp(QPainter &p, const QRectF &box, bool left)
{
    p.save();
    p.translate(box.topLeft());
    if (left) {
        p.translate(box.width(), 0);
        p.scale(-box.width(), box.height());
    } else {
        p.scale(box.width(), box.height());
    }
    p.fillPath(rightFoot(), kInk);
    p.restore();
}

// Light sand with darker and lighter grains.
QImage speckled(int width, int height, std::uint64_t seed)
{
    QImage image = canvas(width, height, QColor(0xE8, 0xE0, 0xCC));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Rng rng(seed);
    for (int i = 0; i < width * height / 5; ++i) {
        const bool dark = rng.below(3) > 0;
        p.setBrush(dark ? QColor(0x9A, 0x8C, 0x74, 60 + rng.below(80)) : QColor(255, 255, 250, 140));
        const qreal r = rng.range(0.3, 0.75);
        p.drawEllipse(QPointF(rng.uniform() * width, rng.uniform() * height), r, r);
    }
    return image;
}

void writeFoot(const QString &path, int width, int height, const QRectF &leftBox, const QRectF &rightBox)
{
    QImage image = speckled(width, height, 0xF007 + static_cast<std::uint64_t>(width));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!leftBox.isEmpty())
        stamp(p, leftBox, true);
    if (!rightBox.isEmpty())
        stamp(p, rightBox, false);
    p.end();
    saveBmp(image, path);
}

} // namespace

void writeFootprints(const QString &dataDir)
{
    const QString folder = dataDir + "/stored/";
    writeFoot(folder + "footprint-a.bmp", 24, 28, {}, QRectF(4, 2, 16, 24));
    writeFoot(folder + "footprint-b.bmp", 24, 28, QRectF(4, 2, 16, 24), {});
    writeFoot(folder + "footprint-pair.bmp", 31, 27, QRectF(1.5, 3, 13, 23), QRectF(16.5, 1, 13, 23));
}
