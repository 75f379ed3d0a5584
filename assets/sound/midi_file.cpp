#include "midi_file.h"

#include "save_file.h"

#include <algorithm>
#include <tuple>

namespace {

void putVarLen(QByteArray &out, std::uint32_t value)
{
    std::uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = std::uint8_t(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.append(char(bytes[--count] | 0x80));
    out.append(char(bytes[0]));
}

void putBigEndian(QByteArray &out, std::uint32_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

std::uint8_t data7(int value)
{
    return std::uint8_t(std::clamp(value, 0, 127));
}

} // namespace

void MidiTrack::meta(std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t> &data)
{
    std::vector<std::uint8_t> bytes{0xFF, type};
    QByteArray length;
    putVarLen(length, std::uint32_t(data.size()));
    bytes.insert(bytes.end(), length.begin(), length.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    m_events.push_back({tick, Meta, bytes});
}

void MidiTrack::trackName(const std::string &name)
{
    meta(0, 0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
}

void MidiTrack::tempo(std::uint32_t tick, std::uint32_t microsPerQuarter)
{
    meta(tick, 0x51,
         {std::uint8_t(microsPerQuarter >> 16), std::uint8_t(microsPerQuarter >> 8), std::uint8_t(microsPerQuarter)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominator)
{
    std::uint8_t power = 0;
    while ((1 << power) < denominator)
        ++power;
    meta(tick, 0x58, {std::uint8_t(numerator), power, 24, 8});
}

void MidiTrack::keySignature(std::uint32_t tick, int sharps, bool minor)
{
    meta(tick, 0x59, {std::uint8_t(std::int8_t(sharps)), std::uint8_t(minor ? 1 : 0)});
}

void MidiTrack::marker(std::uint32_t tick, const std::string &text)
{
    meta(tick, 0x06, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void MidiTrack::programChange(std::uint32_t tick, int channel, int program)
{
    m_events.push_back({tick, Control, {std::uint8_t(0xC0 | channel), data7(program)}});
}

void MidiTrack::controlChange(std::uint32_t tick, int channel, int controller, int value)
{
    m_events.push_back({tick, Control, {std::uint8_t(0xB0 | channel), data7(controller), data7(value)}});
}

void MidiTrack::note(std::uint32_t start, std::uint32_t length, int channel, int pitch, int velocity)
{
    if (length > 0)
        m_notes.push_back({start, start + length, channel, pitch, std::clamp(velocity, 1, 127)});
}

QByteArray MidiTrack::chunk(std::uint32_t end) const
{
    std::vector<Note> notes = m_notes;
    std::sort(notes.begin(), notes.end(), [](const Note &a, const Note &b) {
        return std::tie(a.channel, a.pitch, a.start) < std::tie(b.channel, b.pitch, b.start);
    });
    std::vector<Event> events = m_events;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        Note n = notes[i];
        if (i + 1 < notes.size() && notes[i + 1].channel == n.channel && notes[i + 1].pitch == n.pitch)
            n.end = std::min(n.end, notes[i + 1].start);
        if (n.end <= n.start)
            continue;
        const std::uint8_t pitch = data7(n.pitch);
        events.push_back({n.start, NoteOn, {std::uint8_t(0x90 | n.channel), pitch, std::uint8_t(n.velocity)}});
        events.push_back({n.end, NoteOff, {std::uint8_t(0x80 | n.channel), pitch, 64}});
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Event &a, const Event &b) { return std::tie(a.tick, a.rank) < std::tie(b.tick, b.rank); });

    QByteArray body;
    std::uint32_t now = 0;
    for (const Event &e : events) {
        putVarLen(body, e.tick - now);
        now = e.tick;
        body.append(reinterpret_cast<const char *>(e.bytes.data()), qsizetype(e.bytes.size()));
    }
    putVarLen(body, std::max(end, now) - now);
    body.append("\xFF\x2F\x00", 3);

    QByteArray out("MTrk");
    putBigEndian(out, std::uint32_t(body.size()), 4);
    return out + body;
}

void writeMidiFile(const QString &path, int ticksPerQuarter, const std::vector<MidiTrack> &tracks, std::uint32_t end)
{
    QByteArray out("MThd");
    putBigEndian(out, 6, 4);
    putBigEndian(out, 1, 2);
    putBigEndian(out, std::uint32_t(tracks.size()), 2);
    putBigEndian(out, std::uint32_t(ticksPerQuarter), 2);
    for (const MidiTrack &track : tracks)
        out += track.chunk(end);
    saveFile(path, out);
}
