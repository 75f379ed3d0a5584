#pragma once
// The test seams of the toolkit, all in one place. Tests include this header
// and the windows' headers, nothing more private.
#include "seam_state.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

class QObject;
class QWidget;

namespace seam {

// Test mode: dialogs answer from the script, End() is recorded instead of
// ending the process, timers tick only when a test fires them, and run-time
// errors are recorded instead of shown.
void enableTestMode();

// Forget every queued answer and log, reset the game state and unload every
// window, so that each test starts from a fresh process's point of view.
void resetAll();

// The values Rnd() returns next, before it draws from its generator again.
void queueRnd(std::initializer_list<double> values);
// A value that makes Int(Rnd * n + 1) give face.
double rndFor(int face, int n);

// The answer of the next MsgBox (6 is Yes, 7 No, 1 OK) or InputBox ("" is
// Cancel). An unscripted dialog answers 1 or "" and is still logged.
void scriptMsgBox(int answer);
void scriptInputBox(const QString &answer);
const std::vector<DialogCall> &dialogs();

// Every path given to sndPlaySound, in order.
const QStringList &sounds();
void clearSounds();

// How many decoded sounds sndPlaySound keeps for playing again.
int decodedSounds();

// The game's own path of the picture a control shows ("" when none).
QString picturePath(const QWidget *control);

// Fires one tick of the named timer of a window, as the platform would: only
// while the timer is enabled. Returns whether it ticked.
bool fireTimer(QObject *window, const QString &timerName);
bool timerEnabled(QObject *window, const QString &timerName);

// Whether End() was called, and the exit status it asked for.
bool endRequested();
int exitCode();

// Run-time errors that reached a handler (they end the program outside tests).
const QStringList &runtimeErrors();

// Pretend the primary screen has this size in pixels, with its top-left
// corner at this place of the desktop (centring tests).
void setScreenSize(int widthPixels, int heightPixels, int leftPixels = 0, int topPixels = 0);

} // namespace seam
