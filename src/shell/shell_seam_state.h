#pragma once
// What the shell's test seams set and read; the launcher consults it.
#include <QStringList>

namespace seam {

struct ShellState
{
    QStringList fileTests;
    QStringList launches;
    // In tests a launch only checks that the program could start, unless a
    // test asks for the real thing.
    bool launchForReal = false;
};

ShellState &shellState();

} // namespace seam
