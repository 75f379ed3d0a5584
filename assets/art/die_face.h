#pragma once
#include "die_look.h"

#include <QPainter>

// Paints one face filling the square (-1,-1)-(1,1) of the painter's
// current coordinates, whatever transform (even a perspective one) is set.
void paintFace(QPainter &p, const DieLook &look, int pips);
