#pragma once
#include <QImage>
#include <QRectF>

// The dark plum felt the rolling dice lie on; faces and tumble frames share
// it so a settled face replaces the last frame without a jump.
QImage diceTray();

// Where a face-on die sits on the tray.
QRectF trayDieBox();
