#pragma once
#include <functional>

// Runs one event handler to its end. A run-time error that reaches it is
// shown in a message box naming the error, and the program ends with a
// non-zero status; from that error on no handler runs. End() inside it
// stops the handler quietly.
void runHandler(const std::function<void()> &handler);

// Ends the program at once: every window closes, the event loop ends, and
// nothing more of the calling handler runs.
[[noreturn]] void End(int exitCode = 0);

// The exit status End() asked for, when it was called before the event loop
// ran (the loop would not see it).
bool endWasRequested();
int requestedExitCode();
