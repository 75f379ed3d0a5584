#include "smf_length.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr double DefaultMicrosPerQuarter = 500000.0;

struct TempoChange
{
    std::int64_t tick;
    double microsPerQuarter;
};

class Reader
{
public:
    Reader(const QByteArray &data, qsizetype begin, qsizetype end) : m_data(data), m_at(begin), m_end(end) {}

    bool atEnd() const { return m_at >= m_end; }
    bool ok() const { return m_ok; }

    int byte()
    {
        if (m_at >= m_end) {
            m_ok = false;
            return 0;
        }
        return static_cast<unsigned char>(m_data[m_at++]);
    }

    int peek() const { return m_at < m_end ? static_cast<unsigned char>(m_data[m_at]) : -1; }

    std::uint32_t fixed(int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = (value << 8) | static_cast<std::uint32_t>(byte());
        return value;
    }

    // A variable-length quantity: at most four bytes of seven bits each.
    std::uint32_t variable()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const int b = byte();
            value = (value << 7) | static_cast<std::uint32_t>(b & 0x7F);
            if (!(b & 0x80))
                return value;
        }
        m_ok = false;
        return 0;
    }

    void skip(std::uint32_t bytes)
    {
        if (bytes > static_cast<std::uint64_t>(m_end - m_at)) {
            m_ok = false;
            m_at = m_end;
            return;
        }
        m_at += bytes;
    }

    qsizetype position() const { return m_at; }

private:
    const QByteArray &m_data;
    qsizetype m_at;
    qsizetype m_end;
    bool m_ok = true;
};

int channelDataBytes(int status)
{
    const int kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Walks one track; returns its last tick, collecting its tempo changes.
std::optional<std::int64_t> readTrack(Reader track, std::vector<TempoChange> &tempi)
{
    std::int64_t tick = 0;
    int runningStatus = 0;
    while (!track.atEnd()) {
        tick += track.variable();
        int status = track.peek();
        if (status & 0x80) {
            track.byte();
        } else {
            if (!runningStatus)
                return std::nullopt;
            status = runningStatus;
        }
        // Meta and system-exclusive events leave the running status as it
        // was: files in the wild lean on it across them, and the mixer plays
        // those files.
        if (status == 0xFF) {
            const int type = track.byte();
            const std::uint32_t length = track.variable();
            if (type == 0x51 && length == 3) {
                const std::uint32_t micros = track.fixed(3);
                if (micros > 0)
                    tempi.push_back({tick, static_cast<double>(micros)});
            } else {
                track.skip(length);
            }
            if (type == 0x2F)
                break;
        } else if (status == 0xF0 || status == 0xF7) {
            track.skip(track.variable());
        } else if (status >= 0x80 && status < 0xF0) {
            runningStatus = status;
            track.skip(static_cast<std::uint32_t>(channelDataBytes(status)));
        } else {
            return std::nullopt;
        }
        if (!track.ok())
            return std::nullopt;
    }
    return tick;
}

double quarterTicksToMs(std::int64_t endTick, int ticksPerQuarter, std::vector<TempoChange> tempi)
{
    std::stable_sort(tempi.begin(), tempi.end(),
                     [](const TempoChange &a, const TempoChange &b) { return a.tick < b.tick; });
    double ms = 0;
    std::int64_t tick = 0;
    double micros = DefaultMicrosPerQuarter;
    for (const TempoChange &change : tempi) {
        if (change.tick >= endTick)
            break;
        ms += static_cast<double>(change.tick - tick) * micros / ticksPerQuarter / 1000.0;
        tick = change.tick;
        micros = change.microsPerQuarter;
    }
    return ms + static_cast<double>(endTick - tick) * micros / ticksPerQuarter / 1000.0;
}

} // namespace

std::optional<double> midiLengthMs(const QByteArray &file)
{
    Reader header(file, 0, file.size());
    if (!file.startsWith("MThd"))
        return std::nullopt;
    header.skip(4);
    const std::uint32_t headerLength = header.fixed(4);
    if (headerLength < 6)
        return std::nullopt;
    header.fixed(2);
    const std::uint32_t trackCount = header.fixed(2);
    const std::uint32_t division = header.fixed(2);
    header.skip(headerLength - 6);
    if (!header.ok() || division == 0)
        return std::nullopt;

    std::vector<TempoChange> tempi;
    std::int64_t endTick = 0;
    std::uint32_t tracksRead = 0;
    qsizetype at = header.position();
    while (tracksRead < trackCount && at + 8 <= file.size()) {
        Reader chunk(file, at, file.size());
        const QByteArray id = file.mid(at, 4);
        chunk.skip(4);
        const std::uint32_t length = chunk.fixed(4);
        const qsizetype body = chunk.position();
        if (length > static_cast<std::uint64_t>(file.size() - body))
            return std::nullopt;
        if (id == "MTrk") {
            const auto last = readTrack(Reader(file, body, body + length), tempi);
            if (!last)
                return std::nullopt;
            endTick = std::max(endTick, *last);
            ++tracksRead;
        }
        at = body + length;
    }
    if (tracksRead < trackCount)
        return std::nullopt;

    if (division & 0x8000) {
        // Time code: frames per second in the high byte (negated), ticks per frame in the low.
        const int frames = 256 - static_cast<int>(division >> 8);
        const double framesPerSecond = frames == 29 ? 29.97 : frames;
        const int ticksPerFrame = static_cast<int>(division & 0xFF);
        if (ticksPerFrame == 0)
            return std::nullopt;
        return static_cast<double>(endTick) * 1000.0 / (framesPerSecond * ticksPerFrame);
    }
    return quarterTicksToMs(endTick, static_cast<int>(division), std::move(tempi));
}
