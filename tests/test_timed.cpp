// The timed game: the limit typed into Enter Customer Timer Value, the
// countdown of a turn and its time-out, and what ends the timed game.
#include "table_fixture.h"

namespace {

const QString Title = QStringLiteral("TUMBLE CRAG");
const QString RangeMessage = QStringLiteral("Enter a whole number of seconds from -32768 to 32767.");

void enterLimit(frmTumblecrag &table, const QString &answer)
{
    seam::scriptInputBox(answer);
    choose(table, QStringLiteral("TimerValue"));
}

void roll(frmTumblecrag &table)
{
    click(table.RainButton1);
}

// Five sixes entered as Sixes: 30 points.
void scoreSixes(frmTumblecrag &table)
{
    setDice({6, 6, 6, 6, 6});
    click(table.cmdSixes);
}

bool cornerShown(const frmTumblecrag &table)
{
    return shown(table.lblTimerDisplay) && shown(table.RainButton15) && shown(table.Shape2);
}

bool cornerHidden(const frmTumblecrag &table)
{
    return !shown(table.lblTimerDisplay) && !shown(table.RainButton15) && !shown(table.Shape2);
}

// Fires the countdown until it has switched itself off, at most `limit` ticks.
int ticksUntilStopped(frmTumblecrag &table, int limit)
{
    int ticks = 0;
    while (ticks < limit && seam::fireTimer(&table, QStringLiteral("timGameTimer")))
        ++ticks;
    return ticks;
}

} // namespace

TEST(TimedGame, LimitIsTheNumberTheAnswerBeginsWith)
{
    frmTumblecrag &table = openTable();
    struct Case
    {
        const char *answer;
        int limit;
    };
    const Case cases[] = {
        {"abc", 0},   {"   ", 0},   {"", 0}, // "" is also what Cancel gives
        {"45 seconds", 45}, {"12.5", 12},  {"13.5", 14}, {"-5", -5},
        {" 2 0", 20}, {"32767", 32767}, {"-32768", -32768},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.answer);
        Module1.PlayerSixesScore = 30; // a game under way
        Module1.PlayerSixesUsed = 1;
        Module1.ComputerGameOn = 1;
        const size_t before = seam::dialogs().size();

        enterLimit(table, QString::fromUtf8(c.answer));

        ASSERT_EQ(seam::dialogs().size(), before + 1);
        EXPECT_EQ(seam::dialogs().back().kind, QStringLiteral("InputBox"));
        EXPECT_EQ(seam::dialogs().back().prompt, QStringLiteral("Enter Time In Seconds"));
        EXPECT_EQ(seam::dialogs().back().title, Title);
        EXPECT_EQ(Module1.TimeLimit.value(), c.limit);
        EXPECT_EQ(Module1.TimeLeft.value(), c.limit);
        EXPECT_EQ(table.lblTimerDisplay->Caption(), QString::number(c.limit));
        EXPECT_TRUE(cornerShown(table));
        EXPECT_EQ(Module1.TimedGameOn.value(), 1);
        EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
        // A new game: the sheet is empty and the game against the computer over.
        EXPECT_EQ(Module1.PlayerSixesUsed.value(), 0);
        EXPECT_EQ(Module1.PlayerSixesScore.value(), 0);
        EXPECT_EQ(Module1.ComputerGameOn.value(), 0);
        EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("READY"));
    }
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(TimedGame, LimitBeyondSixteenBitsIsRefusedAndChangesNothing)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("30"));
    roll(table);
    tick(table, QStringLiteral("timGameTimer"), 3);
    setDice({6, 6, 6, 6, 6});
    click(table.cmdSixes);
    roll(table);
    tick(table, QStringLiteral("timGameTimer"), 4);

    for (const char *answer : {"32768", "-32769", "40000 seconds", "32767.5", "1e9", "-99999999999999999999"}) {
        SCOPED_TRACE(answer);
        const size_t before = seam::dialogs().size();

        enterLimit(table, QString::fromUtf8(answer));

        ASSERT_EQ(seam::dialogs().size(), before + 2);
        const seam::DialogCall &refusal = seam::dialogs().back();
        EXPECT_EQ(refusal.kind, QStringLiteral("MsgBox"));
        EXPECT_EQ(refusal.prompt, RangeMessage);
        EXPECT_EQ(refusal.title, Title);
        EXPECT_EQ(Module1.TimeLimit.value(), 30);
        EXPECT_EQ(Module1.TimeLeft.value(), 26);
        EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("26"));
        EXPECT_TRUE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
        EXPECT_EQ(Module1.TimedGameOn.value(), 1);
        EXPECT_TRUE(cornerShown(table));
        EXPECT_EQ(Module1.PlayerSixesUsed.value(), 1);
        EXPECT_EQ(Module1.RollCount.value(), 1);
    }
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(TimedGame, TurnOfThirtySecondsRunsOutAndItsTenPointsStayLostUntilANewGame)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("30"));
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("30"));

    roll(table);
    const auto rolled = dice();
    for (int left = 29; left >= 1; --left) {
        tick(table, QStringLiteral("timGameTimer"));
        ASSERT_EQ(table.lblTimerDisplay->Caption(), QString::number(left));
    }
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), 0);

    tick(table, QStringLiteral("timGameTimer"));
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("0"));
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), -10);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), -10);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("-10"));
    EXPECT_EQ(Module1.TimeOutPenalty.value(), 10);
    EXPECT_EQ(Module1.RollCount.value(), 0);
    EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("ROLL 0"));
    EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    EXPECT_EQ(Module1.TimeLeft.value(), 30);
    EXPECT_EQ(dice(), rolled);

    // The turn gets three new rolls and the full limit again.
    roll(table);
    EXPECT_EQ(Module1.RollCount.value(), 1);
    tick(table, QStringLiteral("timGameTimer"));
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("29"));

    scoreSixes(table);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 20);
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), 20);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("20"));

    click(table.RainButton4); // New Game
    EXPECT_EQ(Module1.TimeOutPenalty.value(), 0);
    scoreSixes(table);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 30);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("30"));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(TimedGame, LimitOfOneRunsOutAtTheFirstTickOfEveryTurn)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("1"));
    for (int timeOuts = 1; timeOuts <= 3; ++timeOuts) {
        roll(table);
        tick(table, QStringLiteral("timGameTimer"));
        EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("0"));
        EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), -10 * timeOuts);
        EXPECT_EQ(table.txtGrandTotal->text(), QString::number(-10 * timeOuts));
        EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("ROLL 0"));
        EXPECT_EQ(Module1.TimeLeft.value(), 1);
        EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    }
    scoreSixes(table);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 0);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("0"));
}

TEST(TimedGame, ScoringStopsTheCountdownAndRefillsItForTheNextTurn)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("30"));
    roll(table);
    tick(table, QStringLiteral("timGameTimer"), 5);
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("25"));

    setDice({2, 2, 3, 4, 5});
    click(table.cmdTwos);
    EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("30"));
    EXPECT_EQ(Module1.TimeLeft.value(), 30);
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), 4);

    roll(table);
    tick(table, QStringLiteral("timGameTimer"));
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("29"));
}

TEST(TimedGame, StopTimerEndsTheTimedGameUntilALimitIsEnteredAgain)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("5"));
    roll(table);
    tick(table, QStringLiteral("timGameTimer"), 3);
    Module1.PlayerSixesUsed = 1; // a game under way
    seam::clearSounds();

    choose(table, QStringLiteral("mnuStopTimer"));
    ASSERT_FALSE(seam::sounds().isEmpty());
    EXPECT_EQ(seam::sounds().first(), QStringLiteral("C:\\Windows\\media\\done.wav"));
    EXPECT_TRUE(cornerHidden(table));
    EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("5"));
    EXPECT_EQ(Module1.TimedGameOn.value(), 0);
    EXPECT_EQ(Module1.PlayerSixesUsed.value(), 0);
    EXPECT_EQ(Module1.TimeLimit.value(), 5);

    // Roll still starts the countdown, but out of sight it counts nothing.
    for (int turn = 0; turn < 3; ++turn) {
        roll(table);
        EXPECT_EQ(ticksUntilStopped(table, 10), 1);
    }
    EXPECT_EQ(Module1.TimeLeft.value(), 2);
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), 0);
    EXPECT_EQ(Module1.TimeOutPenalty.value(), 0);
    EXPECT_EQ(Module1.RollCount.value(), 3);
    EXPECT_EQ(table.lblTimerDisplay->Caption(), QStringLiteral("5"));

    enterLimit(table, QStringLiteral("2"));
    roll(table);
    tick(table, QStringLiteral("timGameTimer"), 2);
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), -10);
}

TEST(TimedGame, EveryNewGameEndsTheTimedGame)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("3"));
    roll(table);
    tick(table, QStringLiteral("timGameTimer"));

    click(table.RainButton4); // New Game
    EXPECT_EQ(Module1.TimedGameOn.value(), 0);
    EXPECT_TRUE(cornerHidden(table));
    roll(table);
    EXPECT_EQ(ticksUntilStopped(table, 10), 1);
    EXPECT_EQ(Module1.TimeLeft.value(), 2);
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), 0);
    EXPECT_EQ(Module1.RollCount.value(), 1);

    enterLimit(table, QStringLiteral("3"));
    choose(table, QStringLiteral("mnuStartComputerGame"));
    EXPECT_EQ(Module1.TimedGameOn.value(), 0);
    roll(table);
    EXPECT_EQ(ticksUntilStopped(table, 10), 1);
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), 0);
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(TimedGame, LimitOfZeroOrLessShowsAndNeverRunsOut)
{
    frmTumblecrag &table = openTable();
    for (const char *answer : {"-5", "0", "-32768"}) {
        SCOPED_TRACE(answer);
        enterLimit(table, QString::fromUtf8(answer));
        const int limit = Module1.TimeLimit.value();
        for (int turn = 0; turn < 3; ++turn) {
            roll(table);
            EXPECT_EQ(ticksUntilStopped(table, 10), 1);
            EXPECT_EQ(Module1.TimeLeft.value(), limit);
            EXPECT_EQ(table.lblTimerDisplay->Caption(), QString::number(limit));
        }
        EXPECT_EQ(Module1.RollCount.value(), 3);
        EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), 0);
        EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("ROLL 3"));
        scoreSixes(table);
        EXPECT_EQ(Module1.TimeLeft.value(), limit);
        EXPECT_EQ(Module1.PlayerGrandTotal.value(), 30);
    }
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(TimedGame, TimeOutsStopCostingPointsBeforeTheTotalsLeaveTheirRange)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("1"));
    // As three thousand time-outs of one game would leave them.
    Module1.TimeOutPenalty = 29990;
    Module1.PlayerGrandTotal = -29990;
    Module1.PlayerGrandTotalShown = -29990;

    roll(table);
    tick(table, QStringLiteral("timGameTimer"));
    EXPECT_EQ(Module1.TimeOutPenalty.value(), 30000);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("-30000"));

    for (int turn = 0; turn < 5; ++turn) {
        roll(table);
        tick(table, QStringLiteral("timGameTimer"));
        EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("ROLL 0"));
        EXPECT_EQ(Module1.RollCount.value(), 0);
    }
    EXPECT_EQ(Module1.TimeOutPenalty.value(), 30000);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), -30000);
    EXPECT_EQ(Module1.PlayerGrandTotalShown.value(), -30000);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("-30000"));

    scoreSixes(table);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 30 - 30000);
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(TimedGame, AFinishedGameKeepsItsScore)
{
    frmTumblecrag &table = openTable();
    enterLimit(table, QStringLiteral("5"));
    const auto rollFive = [&](int face) {
        for (int die = 0; die < 5; ++die)
            seam::queueRnd({seam::rndFor(face, 6)});
        roll(table);
    };

    rollFive(6);
    click(table.cmdSixes);
    // Dice kept through a time-out are still the player's to enter.
    rollFive(5);
    tick(table, QStringLiteral("timGameTimer"), 5);
    ASSERT_EQ(Module1.TimeOutPenalty.value(), 10);
    click(table.cmdFives);
    ASSERT_EQ(table.txtPlayer1Five->text(), QStringLiteral("25"));

    for (CommandButton *entry : {table.cmdAces, table.cmdTwos, table.cmdThrees, table.cmdFours, table.cmd3Kind,
                                 table.cmd4kind, table.cmdFullHouse, table.cmdSmStraight, table.cmdLgStraight,
                                 table.cmdQuorvex50, table.cmdChance}) {
        click(table.RainButton2);
        click(entry);
    }
    // The last entry is a zero entry made while the countdown runs.
    rollFive(2);
    click(table.RainButton2);
    click(table.cmdQuorvex100);
    ASSERT_TRUE(seam::timerEnabled(&table, QStringLiteral("timGameOver")));
    const QString finalScore = table.txtGrandTotal->text();
    EXPECT_EQ(finalScore, QStringLiteral("45"));

    ticksUntilStopped(table, 10);
    EXPECT_EQ(table.txtGrandTotal->text(), finalScore);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 45);

    // Roll and the holds still work after Game Over, and cost nothing.
    rollFive(3);
    EXPECT_EQ(Module1.RollCount.value(), 1);
    click(table.RainButtonHold2);
    EXPECT_EQ(Module1.Hold2.value(), 1);
    ticksUntilStopped(table, 10);
    EXPECT_EQ(table.txtGrandTotal->text(), finalScore);
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 45);
    EXPECT_EQ(Module1.TimeOutPenalty.value(), 10);
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}
