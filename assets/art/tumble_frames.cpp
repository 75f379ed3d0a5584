#include "parts.h"

#include "bmp_file.h"
#include "cube.h"
#include "dice_tray.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr int kFrames = 20;
constexpr double kPi = 3.14159265358979323846;

// Two full turns about a slanted axis, slowing as the die comes to rest a
// few degrees short of face on, with a fading wobble so it never looks
// like a turntable.
Mat3 frameOrientation(int frame)
{
    const double t = static_cast<double>(frame) / kFrames;
    const double remaining = std::pow(1 - t, 1.5);
    const double spin = 4 * kPi * remaining + radians(7);
    const double wobble = 0.8 * std::sin(t * kPi * 1.5) * remaining;
    return Mat3::rotation({1, 0, -0.3}, wobble) * Mat3::rotation({0.6, 1, 0.35}, spin);
}

} // namespace

void writeTumbleFrames(const QString &dataDir)
{
    const DieLook look = ivoryLook();
    const QRectF face = trayDieBox();
    const QRectF room = face.adjusted(-4, -4, 4, 4);
    for (int frame = 1; frame <= kFrames; ++frame) {
        QImage image = diceTray();
        QPainter p(&image);
        paintCube(p, room, look, frameOrientation(frame), face.width());
        p.end();
        saveBmp(image, QStringLiteral("%1/CUBE%2.bmp").arg(dataDir).arg(frame));
    }
}
