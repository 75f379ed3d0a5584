#pragma once
#include "notation.h"
#include "song.h"

#include <string>
#include <string_view>

// Accompaniment patterns. Each pattern is one bar of steps, `step` ticks
// apiece; several bars separated by "|" take turns bar by bar. In every
// pattern "." is silence and "-" holds the note before.
namespace music {

// Where a chord instrument places its notes. Voicings move to the nearest
// inversion of the next chord, the way a player's hand would.
struct Register {
    int low;
    int high;
    bool rootless = false;  // leave the root to the bass and voice the ninths
};

// Lays a tune written in the notation onto a player: a little louder on the
// strong beats, each note sounding `gate` of its written length.
void lead(Player &player, const std::vector<Note> &tune, int velocity, double gate, int barTicks, int transpose = 0);

// Chord strokes: "x" or "X" (accent) strikes the chord sounding at that
// step; a held chord is struck again where the harmony changes under it.
void comp(Player &player, const Progression &prog, std::string_view pattern, int step, Register reg, int velocity);

// Broken chords: a digit plays that note of the voicing counted from the
// bottom, continuing into the octaves above.
void arpeggio(Player &player, const Progression &prog, std::string_view pattern, int step, Register reg, int velocity);

// Bass line from chord degrees: R root (the slash note if there is one),
// 3, 5, 6 and 8 above it (6 becomes the seventh on minor chords, where a
// major sixth would rub against the tune), W a walking step (a chord
// tone, or a half step into the next chord's root just before it changes).
// Wherever the harmony changes, the note struck there is the new root.
// Steps of a pattern run from the start of each bar.
void bassLine(Player &player, const Progression &prog, std::string_view pattern, int step, int lowest, int velocity);

// One drum sound through a section: "X" accent, "x" normal, "o" soft.
void drums(Player &player, const Progression &section, int note, std::string_view pattern, int step, int velocity);

// A groove played for `bars` bars whose last bar is a fill: the "|" list
// the pattern functions take.
std::string withFill(std::string_view groove, std::string_view fill, int bars);

// General MIDI percussion notes used by the songs.
namespace gm {
constexpr int Kick = 36, SideStick = 37, Snare = 38, Clap = 39, ClosedHat = 42, PedalHat = 44, Crash = 49,
              Ride = 51, Tambourine = 54, Maracas = 70, Triangle = 81;
}

} // namespace music
