#pragma once
// The test seams of the media player and its command-string layer.
#include <QByteArray>
#include <QStringList>

namespace mediaseam {

// Every command string sent to the layer in test mode, in order, as sent.
const QStringList &commands();
void clearCommands();

// The reply bytes (a NUL may stand inside) that the next command sent with a
// reply buffer gets instead of the layer's own answer, and written as that
// would be; that command then goes no further than the log.
void scriptReply(const QByteArray &reply);

// The minute of the hour the media player reads from the clock.
void setMinuteOfHour(int minute);

} // namespace mediaseam
