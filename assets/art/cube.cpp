#include "cube.h"

#include "die_face.h"
#include "shadow.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

struct FaceFrame {
    Vec3 normal;
    Vec3 across;  // the face picture's rightward direction
    Vec3 down;    // the face picture's downward direction
    int value;
};

// Opposite faces add up to seven.
const std::array<FaceFrame, 6> kFaces{{
    {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}, 1},
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}, 2},
    {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}, 3},
    {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}, 4},
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, 5},
    {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}, 6},
}};

// Camera distance in half-sides: enough depth to read as a solid, no fisheye.
constexpr double kEye = 7.0;
constexpr double kFaceInset = 0.92;  // leaves a rounded edge between faces

QPointF project(Vec3 v)
{
    const double k = kEye / (kEye + v.z);
    return {v.x * k, v.y * k};
}

struct VisibleFace {
    QPolygonF quad;
    int value;
    double light;  // 1 for a face looking straight at the viewer
};

void shadeFace(QPainter &p, double light)
{
    const QRectF square(-1, -1, 2, 2);
    if (light < 1)
        p.fillRect(square, QColor(0x24, 0x12, 0x00, static_cast<int>(std::min(1.0, 1 - light) * 150)));
    else
        p.fillRect(square, QColor(255, 255, 255, static_cast<int>(std::min(0.5, light - 1) * 200)));
}

} // namespace

Mat3 showing(int value)
{
    const double quarter = radians(90);
    switch (value) {
    case 2: return Mat3::rotation({1, 0, 0}, quarter);
    case 3: return Mat3::rotation({0, 1, 0}, quarter);
    case 4: return Mat3::rotation({0, 1, 0}, -quarter);
    case 5: return Mat3::rotation({1, 0, 0}, -quarter);
    case 6: return Mat3::rotation({0, 1, 0}, 2 * quarter);
    default: return {};
    }
}

void paintCube(QPainter &p, const QRectF &box, const DieLook &look, const Mat3 &orientation, qreal faceSide)
{
    double extent = 0;
    for (int i = 0; i < 8; ++i) {
        const Vec3 corner{i & 1 ? 1.0 : -1.0, i & 2 ? 1.0 : -1.0, i & 4 ? 1.0 : -1.0};
        const QPointF q = project(orientation * corner);
        extent = std::max({extent, std::abs(q.x()), std::abs(q.y())});
    }
    const double squareOn = kEye / (kEye - 1);
    const double scale = std::min(faceSide / 2 / squareOn, std::min(box.width(), box.height()) / 2 / extent);
    const QPointF centre = box.center();
    auto screen = [&](Vec3 v) { return centre + project(orientation * v) * scale; };

    const Vec3 eye{0, 0, -kEye};
    const Vec3 lamp = normalized({-0.45, -0.65, -0.6});
    const double frontLight = -lamp.z;
    std::vector<VisibleFace> faces;
    QPainterPath silhouette;
    for (const FaceFrame &f : kFaces) {
        const Vec3 n = orientation * f.normal;
        if (dot(n, eye - n) <= 0)
            continue;
        const QPolygonF quad{screen(f.normal - f.across - f.down), screen(f.normal + f.across - f.down),
                             screen(f.normal + f.across + f.down), screen(f.normal - f.across + f.down)};
        faces.push_back({quad, f.value, std::max(0.0, dot(n, lamp)) / frontLight});
        silhouette.addPolygon(quad);
        silhouette.closeSubpath();
    }
    silhouette = silhouette.simplified();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    castShadow(p, silhouette, QPointF(scale * 0.14, scale * 0.24), scale * 0.22, 140);
    // Filling the whole outline first hides hairline seams between faces.
    p.setPen(QPen(look.edge, 1.0));
    p.setBrush(look.edge);
    p.drawPath(silhouette);
    const QPolygonF unit{QPointF(-1, -1), QPointF(1, -1), QPointF(1, 1), QPointF(-1, 1)};
    for (const VisibleFace &face : faces) {
        QTransform toFace;
        if (!QTransform::quadToQuad(unit, face.quad, toFace))
            continue;
        p.save();
        p.setTransform(toFace, true);
        p.save();
        p.scale(kFaceInset, kFaceInset);
        paintFace(p, look, face.value);
        p.restore();
        shadeFace(p, face.light);
        p.restore();
    }
    p.setPen(QPen(look.edge.darker(170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(silhouette);
    p.restore();
}
