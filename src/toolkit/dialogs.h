#pragma once
#include <QString>

// Button styles and answers of the message box, as the game passes them.
constexpr int vbOKOnly = 0;
constexpr int vbYesNo = 4;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Modal message box; returns the button chosen. An empty title shows the
// game's name. A lone carriage return in the prompt breaks the line.
int MsgBox(const QString &prompt, int buttons = vbOKOnly, const QString &title = QString());

// Modal input box; returns the typed text, "" when cancelled.
QString InputBox(const QString &prompt, const QString &title = QString());

// The name a window or box shows when it has no title of its own.
QString applicationTitle();
