#pragma once
#include "die_look.h"

#include <QPainter>
#include <QRectF>

// How a die sits, in degrees: turned about the vertical axis (shows its
// right side), tipped about the horizontal axis (shows its top), and rolled
// in the picture plane. Without turn or tip the die is drawn face on.
struct Tilt {
    qreal turn = 0;
    qreal tip = 0;
    qreal roll = 0;
};

// The one die painter: a die showing pips, as large as fits in box.
void paintDie(QPainter &p, const QRectF &box, const DieLook &look, int pips, const Tilt &tilt = {});
