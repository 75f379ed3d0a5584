#pragma once
#include <QString>
#include <optional>

// One command string of the multimedia layer, taken apart. Keywords may be
// written in any case; a file name with blanks stands between double quotes.
struct MciCommand
{
    enum class Verb { Open, Play, Pause, Stop, Seek, Close, Status };
    enum class SeekTarget { Position, Start, End };

    Verb verb = Verb::Open;
    QString device;     // the alias, or for Open the file name
    QString alias;      // Open: the name the device goes by afterwards
    QString type;       // Open: the device type
    QString item;       // Status: length, position or mode (lower case)
    std::optional<SeekTarget> seekTarget;
    double seekTo = 0;  // Seek: milliseconds, a finite number
    bool wait = false;
};

// The command, or nothing when its verb, a keyword or a value is not understood.
std::optional<MciCommand> parseMciCommand(const QString &text);
