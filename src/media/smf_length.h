#pragma once
#include <QByteArray>
#include <optional>

// The playing time of a Standard MIDI File in milliseconds, read from its own
// tempo map (the mixer cannot tell it); nothing when the data is not a
// readable MIDI file. A sequence lasts until its longest track ends.
std::optional<double> midiLengthMs(const QByteArray &file);
