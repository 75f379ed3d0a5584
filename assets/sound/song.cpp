#include "song.h"

#include "midi_file.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace music {

void Player::play(int start, int length, int pitch, int velocity)
{
    m_notes.push_back({start, length, pitch, std::clamp(velocity + m_rng.between(-4, 4), 1, 127)});
}

Song::Song(std::string title, int beatsPerBar, int keySharps, bool minor, std::uint64_t seed)
    : m_title(std::move(title)), m_beatsPerBar(beatsPerBar), m_keySharps(keySharps), m_minor(minor), m_seed(seed)
{
}

Player &Song::player(const Instrument &instrument)
{
    return m_players.emplace_back(instrument, m_seed + 7919 * m_players.size());
}

void Song::mark(int barIndex, const std::string &text)
{
    m_marks.emplace_back(bar(barIndex), text);
}

void Song::ritardando(int from, int to, double slowest)
{
    const int beats = (to - from) / kPpq;
    for (int i = 0; i < beats; ++i)
        m_stretch.emplace_back(from + i * kPpq, 1.0 + (slowest - 1.0) * (i + 1) / beats);
}

int Song::shuffled(int tick) const
{
    if (!m_shuffle)
        return tick;
    const int beat = tick / kPpq * kPpq;
    const int into = tick - beat;
    const int half = kPpq / 2;
    const int swung = into <= half ? into * (2 * kPpq / 3) / half : 2 * kPpq / 3 + (into - half) * (kPpq / 3) / half;
    return beat + swung;
}

void Song::write(const QString &path, double seconds) const
{
    int end = 0;
    for (const Player &player : m_players)
        for (const Player::Played &n : player.notes())
            end = std::max(end, n.start + n.length);

    // Tempo map as (tick, factor) steps; the base tempo makes the whole
    // song last the requested time.
    std::map<int, double> factors{{0, 1.0}};
    for (const auto &[tick, factor] : m_stretch) {
        factors[tick] = factor;
        factors.emplace(tick + kPpq, 1.0);
    }
    double quarters = 0.0;
    for (auto it = factors.begin(); it != factors.end() && it->first < end; ++it) {
        const int next = std::next(it) == factors.end() ? end : std::min(end, std::next(it)->first);
        quarters += it->second * (next - it->first) / kPpq;
    }
    const double baseMicros = seconds * 1e6 / quarters;

    MidiTrack conductor;
    conductor.trackName(m_title);
    conductor.timeSignature(0, m_beatsPerBar, 4);
    conductor.keySignature(0, m_keySharps, m_minor);
    for (const auto &[tick, factor] : factors)
        if (tick < end)
            conductor.tempo(std::uint32_t(tick), std::uint32_t(std::lround(baseMicros * factor)));
    for (const auto &[tick, text] : m_marks)
        conductor.marker(std::uint32_t(tick), text);

    std::vector<MidiTrack> tracks{conductor};
    for (const Player &player : m_players) {
        const Instrument &ins = player.instrument();
        MidiTrack track;
        track.trackName(ins.name);
        if (ins.channel != kDrumChannel)
            track.programChange(0, ins.channel, ins.program);
        track.controlChange(0, ins.channel, 7, ins.volume);
        track.controlChange(0, ins.channel, 10, ins.pan);
        track.controlChange(0, ins.channel, 91, ins.reverb);
        for (const Player::Played &n : player.notes()) {
            const int start = shuffled(n.start);
            const int stop = std::min(end, shuffled(n.start + n.length));
            track.note(std::uint32_t(start), std::uint32_t(std::max(stop - start, 1)), ins.channel, n.pitch, n.velocity);
        }
        track.controlChange(std::uint32_t(end), ins.channel, 123, 0);
        tracks.push_back(track);
    }
    writeMidiFile(path, kPpq, tracks, std::uint32_t(end));
}

} // namespace music
