#pragma once
#include <QImage>
#include <QPoint>
#include <QSize>

// Violet interference ripples from a few fixed sources, as seen through a
// window of the given size whose top left sits at origin on the pattern.
QImage violetRipples(QSize size, QPoint origin);
