// The timed game: the limit the player enters, Stop Timer, and the
// one-second countdown of a turn.
#include "frmTumblecrag.h"
#include "module1.h"
#include "score_entries.h"

#include "toolkit/dialogs.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

#include <optional>

namespace {

constexpr int TimeOutCost = 10;

// A turn can run out any number of times, so the deductions need a bound to
// keep every total inside its range; past it a time-out still ends the turn.
constexpr int MostTimeOutPenalty = 30000;

const QString Title = QStringLiteral("TUMBLE CRAG");

// The whole seconds the answer begins with; none when they do not fit.
std::optional<Integer> secondsIn(const QString &answer)
{
    try {
        return CInt(Val(answer));
    } catch (const OverflowError &) {
        return std::nullopt;
    }
}

void showTimerCorner(frmTumblecrag &table, bool visible)
{
    for (QWidget *control : std::initializer_list<QWidget *>{table.lblTimerDisplay, table.RainButton15, table.Shape2})
        control->setVisible(visible);
}

void timeOut(frmTumblecrag &table)
{
    auto &s = Module1;
    // The computed total drops with the shown one, so the score race sees
    // the loss before the next entry recomputes the totals.
    if (s.TimeOutPenalty < MostTimeOutPenalty) {
        s.TimeOutPenalty += TimeOutCost;
        s.PlayerGrandTotal -= TimeOutCost;
        s.PlayerGrandTotalShown -= TimeOutCost;
    }
    table.txtGrandTotal->setText(CStr(s.PlayerGrandTotalShown));
    s.RollCount = 0;
    table.txtRollOfDice->setText(QStringLiteral("ROLL 0"));
    table.timGameTimer->setEnabled(false);
    s.TimeLeft = s.TimeLimit;
}

} // namespace

void frmTumblecrag::TimerValue_Click()
{
    const QString answer = InputBox(QStringLiteral("Enter Time In Seconds"), Title);
    const std::optional<Integer> limit = secondsIn(answer);
    if (!limit) {
        MsgBox(QStringLiteral("Enter a whole number of seconds from %1 to %2.").arg(Integer::Min).arg(Integer::Max),
               vbOKOnly | vbExclamation, Title);
        return;
    }
    Module1.TimeLimit = *limit;
    Module1.TimeLeft = Module1.TimeLimit;
    NewGame();
    Module1.TimedGameOn = 1;
    showTimerCorner(*this, true);
}

void frmTumblecrag::mnuStopTimer_Click()
{
    sndPlaySound(QStringLiteral("C:\\Windows\\media\\done.wav"), SND_ASYNC);
    showTimerCorner(*this, false);
    timGameTimer->setEnabled(false);
    lblTimerDisplay->setCaption(CStr(Module1.TimeLimit));
    Module1.TimedGameOn = 0;
    NewGame();
}

void frmTumblecrag::timGameTimer_Timer()
{
    // Roll starts the countdown on every roll; it only counts in a timed
    // game and only while there are seconds left, so a limit of 0 or less
    // shows and never runs out. A finished game keeps its score: once the
    // sheet is full no turn is left to run out.
    if (Module1.TimedGameOn == 0 || Module1.TimeLeft <= 0 || playerSheetFull()) {
        timGameTimer->setEnabled(false);
        return;
    }
    Module1.TimeLeft -= 1;
    lblTimerDisplay->setCaption(CStr(Module1.TimeLeft));
    if (Module1.TimeLeft == 0)
        timeOut(*this);
}
