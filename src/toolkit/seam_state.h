#pragma once
// What the test seams of testing.h set and read; the toolkit consults it.
#include <QRect>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace seam {

struct DialogCall
{
    QString kind; // "MsgBox" or "InputBox"
    QString prompt;
    QString title;
    int buttons = 0;
};

struct State
{
    bool testMode = false;
    std::deque<double> rndQueue;
    std::deque<int> msgBoxAnswers;
    std::deque<QString> inputBoxAnswers;
    std::vector<DialogCall> dialogs;
    QStringList sounds;
    bool endRequested = false;
    int exitCode = 0;
    QStringList runtimeErrors;
    // Set as a run-time error is reported: the program is ending, and no
    // further handler runs, not even a tick while the error box is open.
    bool failed = false;
    std::optional<QRect> screenPixels;
};

State &state();

} // namespace seam

#include <functional>
namespace seam {
// Hooks that resetAll() runs, such as the reset of the game state.
std::vector<std::function<void()>> &resetHooks();
}
