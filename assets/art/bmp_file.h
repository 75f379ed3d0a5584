#pragma once
#include <QImage>
#include <QString>

// Writes the picture as a 24-bit BMP; throws std::runtime_error naming the
// path when the file cannot be written.
void saveBmp(const QImage &image, const QString &path);

// A blank opaque canvas ready for QPainter.
QImage canvas(int width, int height, const QColor &fill);
