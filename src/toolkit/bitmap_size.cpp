#include "bitmap_size.h"

#include <QFile>
#include <QtEndian>
#include <QtNumeric>

namespace {

constexpr qsizetype FileHeaderSize = 14;
// The oldest info header, with 16-bit sizes and no compression.
constexpr qsizetype CoreHeaderSize = 12;
constexpr qsizetype InfoHeaderSize = 40;

template <typename T>
T at(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// Uncompressed pixels and bit-field masks: rows padded to four bytes.
bool storedAsRows(quint32 compression)
{
    return compression == 0 || compression == 3 || compression == 6;
}

} // namespace

bool isCutBitmap(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = in.read(FileHeaderSize + InfoHeaderSize);
    if (!head.startsWith("BM"))
        return false;
    if (head.size() < FileHeaderSize + CoreHeaderSize)
        return true;
    const bool core = at<quint32>(head, 14) == CoreHeaderSize;
    if (!core && head.size() < FileHeaderSize + InfoHeaderSize)
        return true;
    const qint64 width = core ? at<quint16>(head, 18) : at<qint32>(head, 18);
    const qint64 height = core ? at<quint16>(head, 20) : at<qint32>(head, 22);
    const qint64 bits = at<quint16>(head, core ? 24 : 28);
    const quint32 compression = core ? 0 : at<quint32>(head, 30);
    qint64 pixelBytes = core ? 0 : at<quint32>(head, 34);
    if (storedAsRows(compression)) {
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        if (qMulOverflow(rowBytes, height < 0 ? -height : height, &pixelBytes))
            return true;
    }
    qint64 end = 0;
    if (qAddOverflow<qint64>(at<quint32>(head, 10), pixelBytes, &end))
        return true;
    return in.size() < end;
}
