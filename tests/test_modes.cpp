// The Options menu's modes and the score race.
#include "table_fixture.h"

namespace {

std::vector<QWidget *> computerControls(frmTumblecrag &table)
{
    return {table.lblComputerScored, table.lblCompScore, table.btnPlayerNotice, table.RainButton14,
            table.RainButton12,      table.RainButton13, table.Line2,           table.Image1,
            table.Image2};
}

// How many race images of a column show, and that they show from the bottom up.
int raceHeight(const std::array<Image *, 13> &column)
{
    int height = 0;
    while (height < 12 && shown(column[height + 1]))
        ++height;
    for (int step = height + 1; step <= 12; ++step)
        EXPECT_FALSE(shown(column[step])) << "image " << step << " above a gap";
    return height;
}

void rollWithTotals(frmTumblecrag &table, int player, int computer)
{
    Module1.PlayerGrandTotal = player;
    Module1.CompGrandTotalShown = computer;
    click(&table, "RainButton1");
}

} // namespace

TEST(Modes, StartAndStopTheGameAgainstTheComputer)
{
    frmTumblecrag &table = openTable();
    Module1.PlayerSixesUsed = 1;
    Module1.PlayerSixesScore = 18;
    Module1.WhoseTurn = "computer";

    choose(table, "mnuStartComputerGame");
    EXPECT_EQ(Module1.ComputerGameOn.value(), 1);
    EXPECT_EQ(Module1.PlayerSixesUsed.value(), 0) << "a fresh game";
    EXPECT_EQ(Module1.WhoseTurn, "computer") << "the turn owner waits for the hand-back";
    EXPECT_EQ(table.btnPlayerNotice->Caption(), "Player's Turn");
    for (QWidget *control : computerControls(table))
        EXPECT_TRUE(shown(control)) << qPrintable(control->objectName());
    EXPECT_EQ(raceHeight(table.imgPlayer), 0);
    EXPECT_EQ(raceHeight(table.imgComp), 0);

    // Start again while one runs: a fresh game against the computer.
    Module1.CompChanceUsed = 1;
    choose(table, "mnuStartComputerGame");
    EXPECT_EQ(Module1.ComputerGameOn.value(), 1);
    EXPECT_EQ(Module1.CompChanceUsed.value(), 0);

    Module1.PlayerAcesUsed = 1;
    choose(table, "mnuStopComputerGame");
    EXPECT_EQ(Module1.ComputerGameOn.value(), 0);
    EXPECT_EQ(Module1.PlayerAcesUsed.value(), 0);
    EXPECT_EQ(Module1.WhoseTurn, "computer");
    for (QWidget *control : computerControls(table))
        EXPECT_FALSE(shown(control)) << qPrintable(control->objectName());

    // Stop with no game against the computer still starts a new game.
    Module1.PlayerAcesUsed = 1;
    choose(table, "mnuStopComputerGame");
    EXPECT_EQ(Module1.PlayerAcesUsed.value(), 0);
}

TEST(Modes, ScoreRaceClimbsByThresholdsOnEachRoll)
{
    frmTumblecrag &table = openTable();
    choose(table, "mnuStartComputerGame");

    rollWithTotals(table, 25, 26);
    EXPECT_EQ(raceHeight(table.imgPlayer), 0);
    EXPECT_EQ(raceHeight(table.imgComp), 1);

    const std::vector<std::pair<int, int>> steps = {{70, 1},  {71, 2},  {105, 2}, {106, 3}, {141, 4},
                                                    {176, 5}, {206, 6}, {241, 7}, {276, 8}, {306, 9},
                                                    {322, 9}, {323, 10}, {341, 11}, {375, 11}, {376, 12}};
    for (const auto &[total, height] : steps) {
        SCOPED_TRACE(total);
        seam::resetAll();
        frmTumblecrag &fresh = openTable();
        choose(fresh, "mnuStartComputerGame");
        rollWithTotals(fresh, total, total);
        EXPECT_EQ(raceHeight(fresh.imgPlayer), height);
        EXPECT_EQ(raceHeight(fresh.imgComp), height);
    }

    // A total that falls leaves its images; only the next new game hides them.
    seam::resetAll();
    frmTumblecrag &later = openTable();
    choose(later, "mnuStartComputerGame");
    rollWithTotals(later, 200, 330);
    rollWithTotals(later, 150, 10);
    EXPECT_EQ(raceHeight(later.imgPlayer), 5);
    EXPECT_EQ(raceHeight(later.imgComp), 10);
    choose(later, "mnuStartComputerGame");
    EXPECT_EQ(raceHeight(later.imgPlayer), 0);
    EXPECT_EQ(raceHeight(later.imgComp), 0) << "image 10 included";

    // The game alone has no race.
    choose(later, "mnuStopComputerGame");
    rollWithTotals(later, 400, 400);
    EXPECT_EQ(raceHeight(later.imgPlayer), 0);
}

TEST(Modes, BonusPlayKeepsItsSwitchAcrossANewGame)
{
    frmTumblecrag &table = openTable();
    EXPECT_FALSE(shown(table.BonusButton));
    choose(table, "mnuStartBonusPlay");
    EXPECT_EQ(Module1.BonusPlayOn.value(), 1);
    EXPECT_TRUE(shown(table.BonusButton));

    click(&table, "RainButton4");
    EXPECT_EQ(Module1.BonusPlayOn.value(), 1);
    EXPECT_FALSE(shown(table.BonusButton));
    choose(table, "mnuStartBonusPlay");
    EXPECT_TRUE(shown(table.BonusButton));

    Module1.PlayerAcesUsed = 1;
    choose(table, "mnuStopBonusPlay");
    EXPECT_EQ(Module1.BonusPlayOn.value(), 0);
    EXPECT_FALSE(shown(table.BonusButton));
    EXPECT_EQ(Module1.PlayerAcesUsed.value(), 1) << "the game goes on";
}

TEST(Modes, StartMusicAsksAndStopMusicSwitchesOff)
{
    frmTumblecrag &table = openTable();
    const QString prompt = QString(38, ' ') + "200MHz + CPU NEEDED\r"
                           + "Due to animation & graphics overhead the game may slow down if you play music.";

    seam::scriptMsgBox(6);
    choose(table, "mnuStartMusic");
    ASSERT_EQ(seam::dialogs().size(), 1u);
    EXPECT_EQ(seam::dialogs().back().kind, "MsgBox");
    EXPECT_EQ(seam::dialogs().back().prompt, prompt);
    EXPECT_EQ(seam::dialogs().back().title, "TUMBLE CRAG");
    EXPECT_EQ(seam::dialogs().back().buttons, 36);
    EXPECT_TRUE(seam::timerEnabled(&table, "TimerMusic"));

    seam::scriptMsgBox(6);
    choose(table, "mnuStartMusic");
    EXPECT_TRUE(seam::timerEnabled(&table, "TimerMusic"));

    click(&table, "RainButton4");
    EXPECT_TRUE(seam::timerEnabled(&table, "TimerMusic")) << "across new games";

    seam::scriptMsgBox(7);
    choose(table, "mnuStartMusic");
    EXPECT_FALSE(seam::timerEnabled(&table, "TimerMusic"));

    seam::scriptMsgBox(6);
    choose(table, "mnuStartMusic");
    choose(table, "mnuStopMusic");
    EXPECT_FALSE(seam::timerEnabled(&table, "TimerMusic"));
    EXPECT_EQ(seam::dialogs().size(), 4u) << "Stop Music asks nothing";
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}
