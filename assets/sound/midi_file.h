#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// One track of a Standard MIDI File. Events may be added in any order;
// they are written in time order, and a note never cuts short a later
// note of the same pitch on the same channel.
class MidiTrack {
public:
    void trackName(const std::string &name);
    void tempo(std::uint32_t tick, std::uint32_t microsPerQuarter);
    void timeSignature(std::uint32_t tick, int numerator, int denominator);
    void keySignature(std::uint32_t tick, int sharps, bool minor);
    void marker(std::uint32_t tick, const std::string &text);
    void programChange(std::uint32_t tick, int channel, int program);
    void controlChange(std::uint32_t tick, int channel, int controller, int value);
    void note(std::uint32_t start, std::uint32_t length, int channel, int pitch, int velocity);

    // The MTrk chunk, closed by End of Track at the last event or at
    // `end`, whichever is later.
    QByteArray chunk(std::uint32_t end) const;

private:
    // At one tick: meta events first, then note-offs, controllers, note-ons.
    enum Rank { Meta, NoteOff, Control, NoteOn };
    struct Event {
        std::uint32_t tick;
        Rank rank;
        std::vector<std::uint8_t> bytes;
    };
    struct Note {
        std::uint32_t start, end;
        int channel, pitch, velocity;
    };

    void meta(std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t> &data);

    std::vector<Event> m_events;
    std::vector<Note> m_notes;
};

// Writes a format 1 file whose first track is the conductor; every track
// ends together at `end` so players agree on the song's length.
void writeMidiFile(const QString &path, int ticksPerQuarter, const std::vector<MidiTrack> &tracks, std::uint32_t end);
