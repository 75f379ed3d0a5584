// The fourteen entry buttons through the real table: scores and their text
// forms, the refusals, the zero entry, the game-over check, and one whole
// game alone.
#include "table_fixture.h"

#include "toolkit/text.h"

namespace {

using Faces = std::array<int, 5>;
constexpr Faces Cleared{0, 0, 0, 0, 0};
const QString Notify = QStringLiteral("C:\\Windows\\media\\notify.wav");

const char *const EntryButtons[] = {"cmdAces",      "cmdTwos",       "cmdThrees",     "cmdFours",
                                    "cmdFives",     "cmdSixes",      "cmd3Kind",      "cmd4kind",
                                    "cmdFullHouse", "cmdSmStraight", "cmdLgStraight", "cmdQuorvex50",
                                    "cmdChance",    "cmdQuorvex100"};

// Rolls the free dice so that the five show target; held dice must already show theirs.
void rollTo(frmTumblecrag &table, Faces target)
{
    const Integer GameState::*holdsOf[] = {&GameState::Hold1, &GameState::Hold2, &GameState::Hold3,
                                           &GameState::Hold4, &GameState::Hold5};
    for (int die = 0; die < 5; ++die)
        if (Module1.*holdsOf[die] != 1)
            seam::queueRnd({seam::rndFor(target[die], 6)});
    click(&table, QStringLiteral("RainButton1"));
    ASSERT_EQ(dice(), target);
}

// Lets every tumbling die settle; a tumble is twenty ticks.
void settle(frmTumblecrag &table)
{
    for (int die = 1; die <= 5; ++die) {
        const QString timer = QStringLiteral("timTimer%1").arg(die);
        for (int tick = 0; tick < 20 && seam::fireTimer(&table, timer); ++tick) {
        }
        ASSERT_FALSE(seam::timerEnabled(&table, timer)) << qPrintable(seam::runtimeErrors().join("; "));
    }
}

void clickEntry(frmTumblecrag &table, const char *button)
{
    click(&table, QString::fromLatin1(button));
}

// Runs a started OOPS flash to its end (two ticks), so the next refusal can be seen.
void endFlash(frmTumblecrag &table)
{
    for (int tick = 0; tick < 2 && seam::fireTimer(&table, QStringLiteral("timInvalidEntry")); ++tick) {
    }
    ASSERT_FALSE(seam::timerEnabled(&table, QStringLiteral("timInvalidEntry")));
}

// Everything a refused click must leave as it was.
QStringList snapshot(const frmTumblecrag &t)
{
    const auto &s = Module1;
    QStringList state;
    auto add = [&](const char *name, const QString &value) { state << QString::fromLatin1(name) + "=" + value; };
    auto number = [&](const char *name, Integer value) { add(name, CStr(value)); };
    for (const Integer *value :
         {&s.PlayerAcesScore, &s.PlayerTwosScore, &s.PlayerThreesScore, &s.PlayerFoursScore, &s.PlayerFivesScore,
          &s.PlayerSixesScore, &s.PlayerThreeKindScore, &s.PlayerFourKindScore, &s.PlayerFullHouseScore,
          &s.PlayerSmStraightScore, &s.PlayerLgStraightScore, &s.PlayerQuorvex50Score, &s.PlayerChanceScore,
          &s.PlayerQuorvex100Score, &s.PlayerAcesUsed, &s.PlayerTwosUsed, &s.PlayerThreesUsed, &s.PlayerFoursUsed,
          &s.PlayerFivesUsed, &s.PlayerSixesUsed, &s.PlayerThreeKindUsed, &s.PlayerFourKindUsed,
          &s.PlayerFullHouseUsed, &s.PlayerSmStraightUsed, &s.PlayerLgStraightUsed, &s.PlayerQuorvex50Used,
          &s.PlayerChanceUsed, &s.PlayerQuorvex100Used, &s.PlayerThreeKindShown, &s.PlayerFourKindShown})
        number("sheet", *value);
    add("texts", s.PlayerQuorvex50Text + "|" + s.PlayerChanceText + "|" + s.PlayerQuorvex100Text);
    number("subtotal", s.PlayerUpperSubTotal);
    number("upper", s.PlayerUpperTotal);
    number("grand", s.PlayerGrandTotal);
    for (int die : dice())
        add("die", QString::number(die));
    for (int hold : holds())
        add("hold", QString::number(hold));
    number("rolls", s.RollCount);
    number("zero", s.ZeroEntryArmed);
    number("timeLeft", s.TimeLeft);
    add("aceBox", t.lblPlayer1ace->text());
    for (const TextBox *box :
         {t.txtPlayer1Two, t.txtPlayer1Three, t.txtPlayer1Four, t.txtPlayer1Five, t.txtPlayer1Six,
          t.txtThreeOfAKind, t.txtFourOfAKind, t.txtFullHouse, t.txtSmallStraight, t.txtLargeStraight,
          t.txtQuorvex50, t.txtChance, t.txtQuorvex100, t.txtSubTotalScore, t.txtGrandTotalTop, t.txtTUS, t.txtTLS,
          t.txtGrandTotal, t.txtRollOfDice})
        add(qPrintable(box->objectName()), box->text());
    add("timer", t.lblTimerDisplay->text());
    add("marquee", t.timMarque->Enabled() ? "on" : "off");
    add("countdown", t.timGameTimer->Enabled() ? "on" : "off");
    add("gameOver", t.timGameOver->Enabled() ? "on" : "off");
    for (const PictureBox *rack :
         {t.picDiceRack1, t.picDiceRack2, t.picDiceRack3, t.picDiceRack4, t.picDiceRack5})
        add("rack", shown(rack) ? "shown" : "hidden");
    return state;
}

// Clicks an entry that must be refused: nothing changes, and the OOPS flash
// starts or not as told; the click sound plays either way.
void expectRefused(frmTumblecrag &table, const char *button, bool flash)
{
    endFlash(table);
    const QStringList before = snapshot(table);
    seam::clearSounds();
    clickEntry(table, button);
    EXPECT_EQ(snapshot(table), before) << button;
    EXPECT_EQ(seam::timerEnabled(&table, QStringLiteral("timInvalidEntry")), flash) << button;
    EXPECT_EQ(seam::sounds(), QStringList{Notify}) << button;
}

bool flashing(frmTumblecrag &table)
{
    return seam::timerEnabled(&table, QStringLiteral("timInvalidEntry"));
}

} // namespace

TEST(Entries, UpperEntriesScoreTheirFaceAndEndTheTurn)
{
    frmTumblecrag &table = openTable();
    Module1.TimeLimit = 30;
    rollTo(table, {1, 2, 1, 1, 1});
    EXPECT_TRUE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    click(&table, QStringLiteral("RainButtonHold2"));
    ASSERT_TRUE(shown(table.picDiceRack2));
    rollTo(table, {1, 2, 1, 1, 1});
    Module1.TimeLeft = 11;
    seam::clearSounds();
    clickEntry(table, "cmdAces");

    EXPECT_EQ(seam::sounds().value(0), Notify);
    EXPECT_EQ(Module1.PlayerAcesScore, 4);
    EXPECT_EQ(Module1.PlayerAcesUsed, 1);
    EXPECT_EQ(table.lblPlayer1ace->text(), QStringLiteral("4"));
    EXPECT_EQ(Module1.RollCount, 0);
    EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("Scored"));
    EXPECT_TRUE(seam::timerEnabled(&table, QStringLiteral("timMarque")));
    EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    EXPECT_EQ(table.lblTimerDisplay->text(), QStringLiteral("30"));
    EXPECT_EQ(Module1.TimeLeft, 30);
    EXPECT_FALSE(shown(table.picDiceRack2));
    EXPECT_TRUE(shown(table.picPicture2));
    EXPECT_EQ(dice(), Cleared);
    EXPECT_EQ(holds(), Cleared);
    EXPECT_FALSE(flashing(table));

    rollTo(table, {6, 6, 6, 6, 6});
    clickEntry(table, "cmdSixes");
    EXPECT_EQ(table.txtPlayer1Six->text(), QStringLiteral("30"));
    rollTo(table, {4, 4, 1, 4, 4});
    clickEntry(table, "cmdFours");
    EXPECT_EQ(table.txtPlayer1Four->text(), QStringLiteral("16"));
    rollTo(table, {5, 1, 2, 3, 4});
    clickEntry(table, "cmdFives");
    EXPECT_EQ(table.txtPlayer1Five->text(), QStringLiteral("5"));

    // Aces refuses with the flash only when every die is above 1.
    rollTo(table, {2, 3, 4, 5, 6});
    expectRefused(table, "cmdAces", true);
    rollTo(table, {2, 4, 5, 6, 6});
    expectRefused(table, "cmdThrees", true);
    EXPECT_EQ(Module1.PlayerThreesUsed, 0);
}

TEST(Entries, LowerEntriesThroughTheTable)
{
    struct Case
    {
        Faces faces;
        const char *button;
        bool accepted;
        bool flash; // when refused
        const char *boxName;
        const char *box;
        int score;
    };
    const Case cases[] = {
        {{2, 3, 2, 5, 2}, "cmd3Kind", true, false, "txtThreeOfAKind", "14", 14},
        {{2, 3, 2, 5, 2}, "cmd4kind", false, true, "txtFourOfAKind", "", 0},
        {{2, 3, 2, 5, 2}, "cmdFullHouse", false, true, "txtFullHouse", "", 0},
        {{2, 3, 2, 5, 2}, "cmdChance", true, false, "txtChance", " 14", 14},
        {{1, 3, 2, 3, 3}, "cmd3Kind", true, false, "txtThreeOfAKind", "12", 12},
        {{1, 1, 2, 2, 3}, "cmd3Kind", false, true, "txtThreeOfAKind", "", 0},
        {{6, 6, 6, 6, 1}, "cmd4kind", true, false, "txtFourOfAKind", "25", 25},
        {{2, 2, 2, 6, 6}, "cmd4kind", false, true, "txtFourOfAKind", "", 0},
        {{2, 2, 2, 6, 6}, "cmdFullHouse", true, false, "txtFullHouse", "25", 25},
        {{4, 4, 4, 4, 4}, "cmd4kind", true, false, "txtFourOfAKind", "20", 20},
        {{4, 4, 4, 4, 4}, "cmdFullHouse", true, false, "txtFullHouse", "25", 25},
        {{4, 4, 4, 4, 4}, "cmdQuorvex50", true, false, "txtQuorvex50", " 50", 50},
        {{1, 1, 2, 3, 3}, "cmdFullHouse", false, true, "txtFullHouse", "", 0},
        {{3, 3, 3, 3, 5}, "cmdFullHouse", false, true, "txtFullHouse", "", 0},
        {{1, 2, 4, 6, 6}, "cmdSmStraight", true, false, "txtSmallStraight", "30", 30},
        {{1, 2, 3, 2, 3}, "cmdSmStraight", false, false, "txtSmallStraight", "", 0},
        {{3, 3, 4, 4, 5}, "cmdSmStraight", false, false, "txtSmallStraight", "", 0},
        {{1, 2, 3, 4, 6}, "cmdLgStraight", true, false, "txtLargeStraight", "40", 40},
        {{1, 2, 2, 3, 4}, "cmdLgStraight", false, true, "txtLargeStraight", "", 0},
        {{1, 2, 3, 2, 4}, "cmdLgStraight", false, true, "txtLargeStraight", "", 0},
        {{5, 5, 5, 5, 5}, "cmdQuorvex100", false, true, "txtQuorvex100", "", 0},
        {{4, 4, 4, 4, 3}, "cmdQuorvex50", false, true, "txtQuorvex50", "", 0},
    };
    frmTumblecrag &table = openTable();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        click(&table, QStringLiteral("RainButton4"));
        endFlash(table);
        rollTo(table, c.faces);
        if (!c.accepted) {
            expectRefused(table, c.button, c.flash);
            continue;
        }
        clickEntry(table, c.button);
        EXPECT_EQ(table.findChild<TextBox *>(QString::fromLatin1(c.boxName))->text(), QString::fromLatin1(c.box));
        EXPECT_FALSE(flashing(table));
        EXPECT_EQ(dice(), Cleared);
        EXPECT_EQ(Module1.PlayerGrandTotal, c.score);
        EXPECT_EQ(table.txtGrandTotal->text(), QString::number(c.score));
    }
}

TEST(Entries, LowerBoxesAndWorkingCopies)
{
    frmTumblecrag &table = openTable();
    rollTo(table, {2, 3, 2, 5, 2});
    clickEntry(table, "cmd3Kind");
    EXPECT_EQ(table.txtThreeOfAKind->text(), QStringLiteral("14"));
    EXPECT_EQ(Module1.PlayerThreeKindScore, 14);
    EXPECT_EQ(Module1.PlayerThreeKindShown, 14);
    rollTo(table, {2, 3, 2, 5, 2});
    clickEntry(table, "cmdChance");
    EXPECT_EQ(table.txtChance->text(), QStringLiteral(" 14"));
    EXPECT_EQ(Module1.PlayerChanceText, QStringLiteral(" 14"));
    rollTo(table, {6, 5, 6, 6, 6});
    clickEntry(table, "cmd4kind");
    EXPECT_EQ(table.txtFourOfAKind->text(), QStringLiteral("29"));
    EXPECT_EQ(Module1.PlayerFourKindShown, 29);

    // The bonus 100 opens once the five of a kind holds 50, and only once.
    rollTo(table, {3, 3, 3, 3, 3});
    expectRefused(table, "cmdQuorvex100", true);
    clickEntry(table, "cmdQuorvex50");
    EXPECT_EQ(table.txtQuorvex50->text(), QStringLiteral(" 50"));
    EXPECT_EQ(Module1.PlayerQuorvex50Text, QStringLiteral(" 50"));
    rollTo(table, {1, 1, 1, 1, 1});
    clickEntry(table, "cmdQuorvex100");
    EXPECT_EQ(Module1.PlayerQuorvex100Score, 100);
    EXPECT_EQ(table.txtQuorvex100->text(), QStringLiteral(" 100"));
    EXPECT_EQ(Module1.PlayerQuorvex100Text, QStringLiteral(" 100"));
    rollTo(table, {1, 1, 1, 1, 1});
    expectRefused(table, "cmdQuorvex100", true);
    EXPECT_EQ(Module1.PlayerGrandTotal, 14 + 14 + 29 + 50 + 100);
}

TEST(Entries, NoScoreWithoutARoll)
{
    frmTumblecrag &table = openTable();
    ASSERT_EQ(dice(), Cleared);
    for (const char *button : EntryButtons) {
        const std::string name(button);
        expectRefused(table, button, name != "cmdAces" && name != "cmdSmStraight");
    }
    EXPECT_EQ(table.txtGrandTotal->text(), QString());

    // After an entry the dice are cleared again until the next roll.
    rollTo(table, {4, 4, 4, 4, 4});
    clickEntry(table, "cmdChance");
    expectRefused(table, "cmdFullHouse", true);
    expectRefused(table, "cmdQuorvex50", true);
    expectRefused(table, "cmd3Kind", true);

    // The zero entry still takes cleared dice.
    click(&table, QStringLiteral("RainButton2"));
    clickEntry(table, "cmdQuorvex100");
    EXPECT_EQ(Module1.PlayerQuorvex100Used, 1);
    EXPECT_EQ(table.txtQuorvex100->text(), QStringLiteral("0"));
}

TEST(Entries, DuringTheComputersTurnEveryEntryOnlySounds)
{
    frmTumblecrag &table = openTable();
    rollTo(table, {6, 5, 6, 6, 6});
    Module1.WhoseTurn = QStringLiteral("computer");
    for (const char *button : EntryButtons)
        expectRefused(table, button, false);
    // Not even a used entry flashes while the computer owns the turn.
    Module1.WhoseTurn = QString();
    clickEntry(table, "cmd4kind");
    EXPECT_EQ(Module1.PlayerFourKindScore, 29);
    rollTo(table, {6, 5, 6, 6, 6});
    Module1.WhoseTurn = QStringLiteral("computer");
    expectRefused(table, "cmd4kind", false);
}

TEST(Entries, UsedEntryLeavesEverythingUnchanged)
{
    frmTumblecrag &table = openTable();
    rollTo(table, {1, 1, 3, 4, 5});
    clickEntry(table, "cmdAces");
    rollTo(table, {1, 2, 1, 6, 1});
    click(&table, QStringLiteral("RainButtonHold3"));
    expectRefused(table, "cmdAces", true);
    EXPECT_EQ(table.lblPlayer1ace->text(), QStringLiteral("2"));

    // An armed zero entry survives the refusal and goes to the next open entry.
    click(&table, QStringLiteral("RainButton2"));
    expectRefused(table, "cmdAces", true);
    EXPECT_EQ(Module1.ZeroEntryArmed, 1);
    clickEntry(table, "cmdTwos");
    EXPECT_EQ(table.txtPlayer1Two->text(), QStringLiteral("0"));
    EXPECT_EQ(Module1.PlayerTwosUsed, 1);
    EXPECT_EQ(Module1.ZeroEntryArmed, 0);
}

TEST(Entries, ZeroEntryKeepsTheCountdownRollCountAndRack)
{
    frmTumblecrag &table = openTable();
    Module1.TimeLimit = 20;
    click(&table, QStringLiteral("RainButton2"));
    EXPECT_EQ(Module1.RollCount, 0);
    rollTo(table, {2, 2, 3, 3, 3});
    click(&table, QStringLiteral("RainButtonHold1"));
    Module1.TimeLeft = 12;
    table.lblTimerDisplay->setCaption(QStringLiteral("12"));
    ASSERT_TRUE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    ASSERT_FALSE(seam::timerEnabled(&table, QStringLiteral("timMarque")));

    clickEntry(table, "cmdLgStraight");
    EXPECT_EQ(table.txtLargeStraight->text(), QStringLiteral("0"));
    EXPECT_EQ(Module1.PlayerLgStraightUsed, 1);
    EXPECT_EQ(Module1.PlayerLgStraightScore, 0);
    EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("Scored"));
    EXPECT_EQ(Module1.RollCount, 1);
    EXPECT_TRUE(seam::timerEnabled(&table, QStringLiteral("timGameTimer")));
    EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timMarque")));
    EXPECT_EQ(Module1.TimeLeft, 12);
    EXPECT_EQ(table.lblTimerDisplay->text(), QStringLiteral("12"));
    EXPECT_TRUE(shown(table.picDiceRack1));
    EXPECT_EQ(dice(), Cleared);
    EXPECT_EQ(holds(), Cleared);
    EXPECT_EQ(Module1.ZeroEntryArmed, 0);
    EXPECT_EQ(table.txtTLS->text(), QStringLiteral(" 0"));
    EXPECT_FALSE(flashing(table));
}

TEST(Entries, ZeroEntryWritesTheKindsShownNumberButNotTheKeptTexts)
{
    frmTumblecrag &table = openTable();
    rollTo(table, {5, 5, 5, 5, 5});
    clickEntry(table, "cmd3Kind");
    rollTo(table, {5, 5, 5, 5, 5});
    clickEntry(table, "cmdQuorvex50");
    ASSERT_EQ(Module1.PlayerThreeKindShown, 25);
    click(&table, QStringLiteral("RainButton4"));

    click(&table, QStringLiteral("RainButton2"));
    clickEntry(table, "cmd3Kind");
    EXPECT_EQ(Module1.PlayerThreeKindShown, 0);
    EXPECT_EQ(Module1.PlayerThreeKindScore, 0);
    EXPECT_EQ(table.txtThreeOfAKind->text(), QStringLiteral("0"));

    click(&table, QStringLiteral("RainButton2"));
    clickEntry(table, "cmdQuorvex50");
    EXPECT_EQ(Module1.PlayerQuorvex50Score, 0);
    EXPECT_EQ(Module1.PlayerQuorvex50Text, QStringLiteral(" 50"));
    EXPECT_EQ(table.txtQuorvex50->text(), QStringLiteral("0"));

    // A five of a kind entered as 0 keeps the bonus 100 shut.
    rollTo(table, {2, 2, 2, 2, 2});
    expectRefused(table, "cmdQuorvex100", true);
}

TEST(Entries, FilledSheetStartsTheGameOverFlash)
{
    frmTumblecrag &table = openTable();
    for (bool lastIsZero : {false, true}) {
        SCOPED_TRACE(lastIsZero ? "zero entry last" : "scored entry last");
        click(&table, QStringLiteral("RainButton4"));
        for (const char *button : EntryButtons) {
            if (std::string(button) == "cmdChance")
                continue;
            click(&table, QStringLiteral("RainButton2"));
            clickEntry(table, button);
        }
        EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameOver")));
        EXPECT_FALSE(shown(table.btnPlayerNotice));

        if (lastIsZero)
            click(&table, QStringLiteral("RainButton2"));
        else
            rollTo(table, {3, 3, 2, 3, 3});
        clickEntry(table, "cmdChance");
        EXPECT_EQ(Module1.PlayerChanceUsed, 1);
        EXPECT_EQ(Module1.PlayerChanceScore, lastIsZero ? 0 : 14);
        EXPECT_TRUE(seam::timerEnabled(&table, QStringLiteral("timGameOver")));
        EXPECT_TRUE(shown(table.btnPlayerNotice));
        EXPECT_EQ(Module1.RollCount, 0);
        tick(table, QStringLiteral("timGameOver"), 8);
    }
}

TEST(Entries, WholeGameAloneToGameOver)
{
    frmTumblecrag &table = openTable();
    EXPECT_EQ(table.txtRollOfDice->text(), QStringLiteral("READY"));
    auto roll = [&](Faces faces) {
        rollTo(table, faces);
        settle(table);
    };
    auto hold = [&](std::initializer_list<int> diceToHold) {
        for (int die : diceToHold)
            click(&table, QStringLiteral("RainButtonHold%1").arg(die));
    };

    roll({1, 1, 3, 4, 6});
    hold({1, 2});
    roll({1, 1, 1, 5, 1});
    clickEntry(table, "cmdAces");
    roll({2, 2, 2, 3, 3});
    clickEntry(table, "cmdFullHouse");
    roll({6, 6, 6, 2, 1});
    hold({1, 2, 3});
    roll({6, 6, 6, 6, 3});
    hold({4});
    roll({6, 6, 6, 6, 6});
    clickEntry(table, "cmdQuorvex50");
    roll({5, 5, 5, 5, 5});
    clickEntry(table, "cmdQuorvex100");
    roll({1, 2, 3, 4, 5});
    clickEntry(table, "cmdLgStraight");
    roll({2, 3, 4, 5, 5});
    clickEntry(table, "cmdSmStraight");
    roll({6, 6, 6, 6, 2});
    clickEntry(table, "cmdSixes");
    roll({5, 5, 5, 2, 1});
    clickEntry(table, "cmdFives");
    roll({4, 4, 4, 1, 2});
    clickEntry(table, "cmdFours");
    roll({3, 3, 3, 3, 1});
    clickEntry(table, "cmdThrees");
    roll({2, 2, 2, 2, 6});
    clickEntry(table, "cmdTwos");
    roll({4, 4, 4, 4, 6});
    clickEntry(table, "cmd4kind");
    roll({6, 6, 6, 3, 5});
    clickEntry(table, "cmd3Kind");
    roll({6, 5, 4, 6, 5});
    clickEntry(table, "cmdQuorvex50");
    EXPECT_TRUE(flashing(table));
    endFlash(table);
    EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameOver")));
    clickEntry(table, "cmdChance");

    const QStringList boxes{table.lblPlayer1ace->text(),    table.txtPlayer1Two->text(),
                            table.txtPlayer1Three->text(),  table.txtPlayer1Four->text(),
                            table.txtPlayer1Five->text(),   table.txtPlayer1Six->text(),
                            table.txtThreeOfAKind->text(),  table.txtFourOfAKind->text(),
                            table.txtFullHouse->text(),     table.txtSmallStraight->text(),
                            table.txtLargeStraight->text(), table.txtQuorvex50->text(),
                            table.txtChance->text(),        table.txtQuorvex100->text()};
    EXPECT_EQ(boxes, (QStringList{"4", "8", "12", "12", "15", "24", "26", "22", "25", "30", "40", " 50", " 26",
                                  " 100"}));
    EXPECT_EQ(table.txtSubTotalScore->text(), QStringLiteral(" 75"));
    EXPECT_EQ(table.txtGrandTotalTop->text(), QStringLiteral(" 110"));
    EXPECT_EQ(table.txtTUS->text(), QStringLiteral(" 110"));
    EXPECT_EQ(table.txtTLS->text(), QStringLiteral(" 319"));
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("429"));
    EXPECT_EQ(Module1.PlayerGrandTotal, 429);

    // Game Over blinks four times and then the notice goes away.
    ASSERT_TRUE(seam::timerEnabled(&table, QStringLiteral("timGameOver")));
    tick(table, QStringLiteral("timGameOver"));
    EXPECT_EQ(table.btnPlayerNotice->text(), QStringLiteral("Game Over"));
    tick(table, QStringLiteral("timGameOver"), 7);
    EXPECT_FALSE(shown(table.btnPlayerNotice));
    EXPECT_FALSE(seam::timerEnabled(&table, QStringLiteral("timGameOver")));

    // The full sheet refuses every entry from now on.
    roll({2, 2, 2, 2, 2});
    for (const char *button : EntryButtons)
        expectRefused(table, button, true);
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(Entries, ADieHeldAtZeroAfterAZeroEntryKeepsTheRollFromScoring)
{
    frmTumblecrag &table = openTable();
    click(&table, QStringLiteral("RainButton2"));
    rollTo(table, {2, 3, 4, 5, 6});
    clickEntry(table, "cmdChance"); // the armed zero: RollCount stays at 1
    ASSERT_EQ(Module1.RollCount.value(), 1);
    click(&table, QStringLiteral("RainButtonHold1"));
    ASSERT_EQ(Module1.Hold1.value(), 1);
    rollTo(table, {0, 3, 4, 5, 6});
    settle(table);

    const QStringList before = snapshot(table);
    clickEntry(table, "cmdLgStraight");
    EXPECT_EQ(snapshot(table), before);
    EXPECT_TRUE(seam::timerEnabled(&table, QStringLiteral("timInvalidEntry")));
    EXPECT_TRUE(table.txtLargeStraight->text().isEmpty());
}
