#include "shadow.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One horizontal and one vertical running-sum pass over the alpha channel.
void boxBlurAlpha(QImage &mask, int radius)
{
    const int w = mask.width();
    const int h = mask.height();
    std::vector<int> alpha(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[static_cast<size_t>(y) * w + x] = qAlpha(line[x]);
    }
    std::vector<int> out(alpha.size());
    const int span = 2 * radius + 1;
    auto at = [&](const std::vector<int> &v, int x, int y) {
        x = std::clamp(x, 0, w - 1);
        y = std::clamp(y, 0, h - 1);
        return v[static_cast<size_t>(y) * w + x];
    };
    for (int y = 0; y < h; ++y) {
        int sum = 0;
        for (int x = -radius; x <= radius; ++x)
            sum += at(alpha, x, y);
        for (int x = 0; x < w; ++x) {
            out[static_cast<size_t>(y) * w + x] = sum / span;
            sum += at(alpha, x + radius + 1, y) - at(alpha, x - radius, y);
        }
    }
    for (int x = 0; x < w; ++x) {
        int sum = 0;
        for (int y = -radius; y <= radius; ++y)
            sum += at(out, x, y);
        for (int y = 0; y < h; ++y) {
            alpha[static_cast<size_t>(y) * w + x] = sum / span;
            sum += at(out, x, y + radius + 1) - at(out, x, y - radius);
        }
    }
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgba(0, 0, 0, alpha[static_cast<size_t>(y) * w + x]);
    }
}

} // namespace

void castShadow(QPainter &p, const QPainterPath &shape, QPointF offset, qreal blurPx, int alpha)
{
    const QPainterPath device = p.worldTransform().map(shape).translated(offset);
    const int radius = std::max(1, static_cast<int>(std::lround(blurPx / 2)));
    const int pad = 3 * radius + 2;
    const QRect bounds = device.boundingRect().toAlignedRect().adjusted(-pad, -pad, pad, pad);
    QImage mask(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing);
        m.translate(-bounds.topLeft());
        m.fillPath(device, QColor(0, 0, 0, alpha));
    }
    // Three box passes approximate a gaussian closely enough for a shadow.
    for (int i = 0; i < 3; ++i)
        boxBlurAlpha(mask, radius);
    p.save();
    p.resetTransform();
    p.drawImage(bounds.topLeft(), mask);
    p.restore();
}
