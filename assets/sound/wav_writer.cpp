#include "wav_writer.h"

#include "save_file.h"

#include <QByteArray>

namespace {

void put16(QByteArray &out, std::uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

} // namespace

void writeWav(const QString &path, const std::vector<std::int16_t> &samples, int channels, int sampleRate)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    const std::uint16_t blockAlign = std::uint16_t(channels * 2);

    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, std::uint16_t(channels));
    put32(out, std::uint32_t(sampleRate));
    put32(out, std::uint32_t(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    out.append("data");
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, std::uint16_t(s));
    saveFile(path, out);
}
