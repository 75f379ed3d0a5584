#include "bmp_file.h"

#include <stdexcept>

void saveBmp(const QImage &image, const QString &path)
{
    // The game's loaders expect plain opaque bitmaps, never an alpha channel.
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
        throw std::runtime_error("cannot write picture " + path.toStdString());
}

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}
