#pragma once
#include "notation.h"
#include "prng.h"

#include <QString>
#include <deque>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace music {

// General MIDI channel 10, counted from zero.
constexpr int kDrumChannel = 9;

struct Instrument {
    std::string name;
    int channel;
    int program;  // General MIDI, counted from zero
    int volume;   // controller 7
    int pan;      // controller 10, 64 is centre
    int reverb;   // controller 91
};

// One instrument's notes. Velocities are varied a little on every note so
// repeated patterns do not sound mechanical.
class Player {
public:
    Player(Instrument instrument, std::uint64_t seed) : m_instrument(std::move(instrument)), m_rng(seed) {}

    void play(int start, int length, int pitch, int velocity);

    struct Played {
        int start, length, pitch, velocity;
    };
    const Instrument &instrument() const { return m_instrument; }
    const std::vector<Played> &notes() const { return m_notes; }

private:
    Instrument m_instrument;
    Prng m_rng;
    std::vector<Played> m_notes;
};

// A song under construction: its players, section markers and tempo map.
class Song {
public:
    Song(std::string title, int beatsPerBar, int keySharps, bool minor, std::uint64_t seed);

    int barTicks() const { return m_beatsPerBar * kPpq; }
    int bar(int index) const { return index * barTicks(); }

    // References stay valid as further players are added.
    Player &player(const Instrument &instrument);
    void mark(int barIndex, const std::string &text);

    // Plays straight eighths as a shuffle: every off-beat moves to the
    // last third of its beat.
    void shuffle() { m_shuffle = true; }

    // Broadens the tempo beat by beat until it is `slowest` times the beat's
    // length on the last beat before `to`.
    void ritardando(int from, int to, double slowest);

    // Writes the song so that it lasts `seconds`: the base tempo is chosen
    // from the length of the music and the ritardandos. Every channel ends
    // with All Notes Off.
    void write(const QString &path, double seconds) const;

private:
    int shuffled(int tick) const;

    std::string m_title;
    int m_beatsPerBar;
    int m_keySharps;
    bool m_minor;
    std::uint64_t m_seed;
    bool m_shuffle = false;
    std::deque<Player> m_players;
    std::vector<std::pair<int, std::string>> m_marks;
    std::vector<std::pair<int, double>> m_stretch; // beat tick, length factor
};

} // namespace music
