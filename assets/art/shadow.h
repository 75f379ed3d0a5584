#pragma once
#include <QPainter>
#include <QPainterPath>

// Casts a soft, blurred shadow of shape (given in the painter's current
// coordinates) displaced by offset device pixels, under whatever comes next.
void castShadow(QPainter &p, const QPainterPath &shape, QPointF offset, qreal blurPx, int alpha);
