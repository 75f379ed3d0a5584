#pragma once
#include "die_look.h"
#include "math3d.h"

#include <QPainter>
#include <QRectF>

// Turns a standard die (one at the front, two on top, three on the right)
// so that the face showing value looks at the viewer.
Mat3 showing(int value);

// Paints the die as a solid cube in gentle perspective, lit from the upper
// left, casting a soft shadow. faceSide is the on-screen size of a face seen
// square on; the cube shrinks when needed to stay inside box.
void paintCube(QPainter &p, const QRectF &box, const DieLook &look, const Mat3 &orientation, qreal faceSide);
