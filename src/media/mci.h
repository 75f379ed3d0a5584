#pragma once
#include <cstdint>

// Our multimedia command-string layer, in place of the platform's. It takes
// the commands the media player sends:
//   Open <file> ALIAS <alias> TYPE Sequencer|Waveaudio|AviVideo [wait]
//   Play <alias> [wait], Pause <alias>, Stop <alias>, Seek <alias> to <ms>|start|end,
//   Close <alias>|all, Status <alias> length|position|mode
// keeps the open devices by alias and plays them on the shared audio device:
// MIDI songs through the mixer's synthesiser, waves on a mixer channel of
// their own. Game paths are mapped to the data folder. Nothing here ever
// reports to the user: a failure is only the returned code, and a file that
// cannot be loaded is named once on standard error, since it plays as silence.
//
// reply/length: a buffer the answer of a Status query is written into,
// ended by NUL; every other return leaves it empty. callback: the window a
// "notify" would be sent to, which this layer never does. Returns MciOk or
// one of the codes below.
int mciSendString(const char *command, char *reply, int length, std::intptr_t callback);

enum MciError : int {
    MciOk = 0,
    MciBadCommand = 1,     // verb, keyword or value not understood
    MciUnknownDevice = 2,  // no device open under that alias
    MciAliasInUse = 3,
    MciCannotOpenFile = 4, // missing, unreadable or not of the device's kind
    MciNoSoundDevice = 5,
    MciUnsupportedType = 6,
    MciNotReady = 7,       // the device failed to open
    MciCannotPlay = 8,
    MciReplyTooLong = 9,   // the answer did not fit the buffer
};
