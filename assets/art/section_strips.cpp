#include "parts.h"

#include "bmp_file.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace {

// Yellow capitals on red, running up the strip from the bottom.
void writeStrip(const QString &text, int length, const QString &path)
{
    constexpr int thickness = 15;
    QImage image = canvas(thickness, length, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient band(0, 0, thickness, 0);
    band.setColorAt(0, QColor(0x80, 0x00, 0x00));
    band.setColorAt(0.35, QColor(0xD8, 0x10, 0x10));
    band.setColorAt(1, QColor(0x70, 0x00, 0x00));
    p.fillRect(image.rect(), band);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    // The largest size whose capitals fit across the strip and along it with a margin.
    for (int pixels = 11; pixels >= 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        if (metrics.capHeight() <= thickness - 4 && metrics.horizontalAdvance(text) <= length - 8)
            break;
    }
    p.setFont(font);
    p.translate(0, length);
    p.rotate(-90);
    const QRectF along(0, 0, length, thickness);
    p.setPen(QColor(0x40, 0x00, 0x00));
    p.drawText(along.translated(0.8, 0.8), Qt::AlignCenter, text);
    p.setPen(QColor(0xFF, 0xF0, 0x00));
    p.drawText(along, Qt::AlignCenter, text);
    p.end();
    saveBmp(image, path);
}

} // namespace

void writeSectionStrips(const QString &dataDir)
{
    writeStrip(QStringLiteral("UPPER SCORING SECTION"), 200, dataDir + "/stored/strip-upper.bmp");
    writeStrip(QStringLiteral("LOWER SCORING SECTION"), 275, dataDir + "/stored/strip-lower.bmp");
}
