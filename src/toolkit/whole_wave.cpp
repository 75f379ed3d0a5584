#include "whole_wave.h"

#include <QFile>
#include <QtEndian>
#include <SDL_mixer.h>

namespace {

constexpr qint64 RiffHeaderSize = 12;
constexpr qint64 ChunkHeaderSize = 8;

bool isCutWave(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = in.read(RiffHeaderSize);
    if (!riff.startsWith("RIFF") || riff.mid(8) != "WAVE")
        return false;
    // Chunks follow one another, each padded to an even length.
    qint64 chunk = RiffHeaderSize;
    while (in.seek(chunk)) {
        const QByteArray head = in.read(ChunkHeaderSize);
        if (head.size() < ChunkHeaderSize)
            break;
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + 4);
        if (head.startsWith("data"))
            return in.size() - chunk - ChunkHeaderSize < size;
        chunk += ChunkHeaderSize + size + (size & 1);
    }
    return true;
}

} // namespace

Mix_Chunk *loadWholeWave(const QString &file)
{
    return isCutWave(file) ? nullptr : Mix_LoadWAV(file.toLocal8Bit().constData());
}
