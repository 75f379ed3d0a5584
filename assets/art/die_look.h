#pragma once
#include <QColor>
#include <QImage>

// Everything that tells one die from another: body colours, pips, edge and
// an optional material (wood, mottle) laid under the shading.
struct DieLook {
    QColor bodyLight;     // the corner nearest the light
    QColor bodyDark;      // the far corner
    QColor edge;          // rim and the rounded edges of a cube
    QColor pip;
    QColor pipShadow;     // the shaded inner wall of a pip
    QImage material;      // covers one face when set
    qreal corner = 0.2;   // corner radius as a fraction of the side
    qreal pipSize = 1.0;  // pip radius scale
};

DieLook ivoryLook();
DieLook amberLook();
DieLook woodLook();
DieLook crimsonLook();
DieLook emberLook();
