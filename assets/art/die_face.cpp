#include "die_face.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <vector>

namespace {

// Pip centres in face units, the face spanning -1..1.
std::vector<QPointF> pipCentres(int pips)
{
    const qreal d = 0.5;
    switch (pips) {
    case 1: return {{0, 0}};
    case 2: return {{d, -d}, {-d, d}};
    case 3: return {{d, -d}, {0, 0}, {-d, d}};
    case 4: return {{-d, -d}, {d, -d}, {-d, d}, {d, d}};
    case 5: return {{-d, -d}, {d, -d}, {0, 0}, {-d, d}, {d, d}};
    case 6: return {{-d, -d}, {-d, 0}, {-d, d}, {d, -d}, {d, 0}, {d, d}};
    default: return {};
    }
}

void paintBody(QPainter &p, const DieLook &look, const QPainterPath &body)
{
    if (look.material.isNull()) {
        QLinearGradient g(-1, -1, 1, 1);
        g.setColorAt(0, look.bodyLight);
        g.setColorAt(1, look.bodyDark);
        p.fillPath(body, g);
    } else {
        QBrush brush(look.material);
        brush.setTransform(QTransform::fromTranslate(-1, -1).scale(2.0 / look.material.width(),
                                                                    2.0 / look.material.height()));
        p.fillPath(body, brush);
        QLinearGradient g(-1, -1, 1, 1);
        g.setColorAt(0, QColor(255, 255, 255, 70));
        g.setColorAt(0.45, QColor(255, 255, 255, 0));
        g.setColorAt(1, QColor(0, 0, 0, 90));
        p.fillPath(body, g);
    }
    QRadialGradient sheen(QPointF(-0.35, -0.45), 1.3);
    sheen.setColorAt(0, QColor(255, 255, 255, 80));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(body, sheen);
}

void paintBevel(QPainter &p, const DieLook &look, const QPainterPath &body, qreal radius)
{
    QPainterPath inner;
    inner.addRoundedRect(QRectF(-0.9, -0.9, 1.8, 1.8), radius * 0.8, radius * 0.8);
    QLinearGradient bevel(-1, -1, 1, 1);
    bevel.setColorAt(0, QColor(255, 255, 255, 170));
    bevel.setColorAt(0.5, QColor(255, 255, 255, 0));
    bevel.setColorAt(1, QColor(0, 0, 0, 70));
    p.strokePath(inner, QPen(QBrush(bevel), 0.05));
    p.strokePath(body, QPen(look.edge, 0.045));
}

void paintPip(QPainter &p, const DieLook &look, QPointF c, qreal r)
{
    // Pips are drilled: the lower lip catches the light, the upper wall is in shade.
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(c + QPointF(r * 0.12, r * 0.18), r, r);
    QRadialGradient g(c + QPointF(r * 0.3, r * 0.38), r * 1.4);
    g.setColorAt(0, look.pip);
    g.setColorAt(0.5, look.pip);
    g.setColorAt(1, look.pipShadow);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

} // namespace

void paintFace(QPainter &p, const DieLook &look, int pips)
{
    const qreal radius = look.corner * 2;
    QPainterPath body;
    body.addRoundedRect(QRectF(-1, -1, 2, 2), radius, radius);
    p.save();
    p.setPen(Qt::NoPen);
    paintBody(p, look, body);
    paintBevel(p, look, body, radius);
    const qreal r = (pips == 1 ? 0.25 : 0.165) * look.pipSize;
    for (const QPointF &c : pipCentres(pips))
        paintPip(p, look, c, r);
    p.restore();
}
