#pragma once
// The run time's file test and program launch, as the About window uses
// them. Windows paths are mapped as everywhere in the game; file names
// match without regard to case, as they do there.
#include <QString>

constexpr int vbNormalFocus = 1;

// The name of the first file that matches the path (wildcards allowed in
// its last part), or "" when none does.
QString Dir(const QString &pathName);

// Starts the program at the path on its own and returns its process id.
// A program that cannot be started raises a run-time error.
qint64 Shell(const QString &pathName, int windowStyle = vbNormalFocus);
