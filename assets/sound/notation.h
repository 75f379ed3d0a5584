#pragma once
#include <string_view>
#include <vector>

// The text notation the songs are written in.
//   Pitch:     "C4" is middle C (MIDI 60); "F#5", "Bb3", "Cb5".
//   Duration:  w h q e s, dotted with ".", triplet with "3", summed with
//              "+": "q.", "e3", "h+e".
//   Melody:    "pitch:duration" or "r:duration" tokens, a trailing "~"
//              ties into the next note of the same pitch; bars are
//              separated by "|" and each must fill the bar exactly.
//   Chords:    "G", "Em7", "Bbmaj7", "F#m7b5", "A7b9", "Dm9", "G/B"; chords of
//              a bar share it equally unless weighted in beats: "Gm7*2 C7*1".
// Mistakes in a song's text throw std::logic_error naming the token.
namespace music {

constexpr int kPpq = 480;

int pitchOf(std::string_view name);
int ticksOf(std::string_view duration);

struct Chord {
    int root = 0;                // pitch class
    int bass = 0;                // pitch class of the lowest note (slash chords)
    std::vector<int> intervals;  // semitones above the root, root first

    int third() const;
    int fifth() const;

    bool operator==(const Chord &) const = default;
};

Chord chordOf(std::string_view symbol);

struct ChordSpan {
    int start;
    int length;
    Chord chord;
};

struct Progression {
    int start;
    int end;
    int barTicks;
    std::vector<ChordSpan> spans;

    const ChordSpan &at(int tick) const;
    int bars() const { return (end - start) / barTicks; }
};

Progression progression(std::string_view text, int start, int barTicks);

struct Note {
    int start;
    int length;
    int pitch;
};

std::vector<Note> melody(std::string_view text, int start, int barTicks);

} // namespace music
