#include "die_painter.h"

#include "cube.h"
#include "die_face.h"
#include "shadow.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

void paintFlat(QPainter &p, const QRectF &box, const DieLook &look, int pips, qreal roll)
{
    const double turn = radians(roll);
    // A rolled square needs more room: shrink it to keep the corners inside.
    const double reach = std::abs(std::cos(turn)) + std::abs(std::sin(turn));
    const qreal half = std::min(box.width(), box.height()) / 2 / reach;
    p.save();
    p.translate(box.center());
    p.rotate(roll);
    p.scale(half, half);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(-1, -1, 2, 2), look.corner * 2, look.corner * 2);
    castShadow(p, outline, QPointF(half * 0.07, half * 0.11), half * 0.16, 150);
    paintFace(p, look, pips);
    p.restore();
}

} // namespace

void paintDie(QPainter &p, const QRectF &box, const DieLook &look, int pips, const Tilt &tilt)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (qFuzzyIsNull(tilt.turn) && qFuzzyIsNull(tilt.tip)) {
        paintFlat(p, box, look, pips, tilt.roll);
    } else {
        const Mat3 orientation = Mat3::rotation({0, 0, 1}, radians(tilt.roll))
                                 * Mat3::rotation({1, 0, 0}, radians(tilt.tip))
                                 * Mat3::rotation({0, 1, 0}, radians(tilt.turn)) * showing(pips);
        paintCube(p, box, look, orientation, std::min(box.width(), box.height()));
    }
    p.restore();
}
