// Roll Dice, the zero button and the H/R buttons, clicked on the real table.
#include "table_fixture.h"

namespace {

const QString Chord = "C:\\Windows\\media\\chord.wav";
const QString RollSound = "C:\\Windows\\media\\Jungle Restore Up.wav";
using Flags = std::array<int, 5>;

// The table's timers that are on, by name.
QString timersOn(frmTumblecrag &table)
{
    QStringList on;
    for (const char *name : {"timGameTimer", "timInvalidEntry", "timMarque", "timTimer1", "timTimer2", "timTimer3",
                             "timTimer4", "timTimer5"})
        if (seam::timerEnabled(&table, name))
            on << name;
    return on.join(' ');
}

// Runs every tumble out; none takes more than twenty ticks.
void settle(frmTumblecrag &table)
{
    for (const char *timer : {"timTimer1", "timTimer2", "timTimer3", "timTimer4", "timTimer5"})
        for (int tick = 0; tick < 20; ++tick)
            seam::fireTimer(&table, timer);
}

// Clicks Roll Dice; the free dice draw these faces in die order.
void roll(frmTumblecrag &table, std::initializer_list<int> faces)
{
    for (int face : faces)
        seam::queueRnd({seam::rndFor(face, 6)});
    click(&table, "RainButton1");
}

QString rackFile(PictureBox *rack)
{
    return seam::picturePath(rack).section('\\', -1);
}

} // namespace

TEST(Roll, ThreeRollsAreTakenAndLaterOnesRefusedWhileTheyStillCount)
{
    frmTumblecrag &table = openTable();
    for (int n = 1; n <= 3; ++n) {
        seam::clearSounds();
        table.lblCompScore->setCaption("Aces");
        roll(table, {n, 2, 3, 4, 6});
        EXPECT_EQ(dice(), (Flags{n, 2, 3, 4, 6}));
        EXPECT_EQ(table.txtRollOfDice->text(), QString("ROLL %1").arg(n));
        EXPECT_EQ(timersOn(table), "timGameTimer timTimer1 timTimer2 timTimer3 timTimer4 timTimer5");
        EXPECT_EQ(seam::sounds(), (QStringList{Chord, RollSound}));
        EXPECT_TRUE(table.lblCompScore->Caption().isEmpty());
        settle(table);
    }
    table.timGameTimer->setEnabled(false);
    for (int n = 4; n <= 5; ++n) {
        seam::clearSounds();
        table.lblCompScore->setCaption("Aces");
        roll(table, {1, 1, 1, 1, 1});
        EXPECT_EQ(Module1.RollCount.value(), n);
        EXPECT_EQ(dice(), (Flags{3, 2, 3, 4, 6}));
        EXPECT_EQ(table.txtRollOfDice->text(), "ROLL 3");
        EXPECT_EQ(timersOn(table), "timGameTimer timInvalidEntry");
        EXPECT_EQ(seam::sounds(), QStringList{Chord});
        EXPECT_TRUE(table.lblCompScore->Caption().isEmpty());
    }

    // Endless refused rolls stop counting at the top of the range.
    Module1.RollCount = 32766;
    for (int i = 0; i < 3; ++i)
        click(&table, "RainButton1");
    EXPECT_EQ(Module1.RollCount.value(), 32767);
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(Roll, WithAllFiveHeldOnlyTheChordPlaysAfterTheTimeRefill)
{
    frmTumblecrag &table = openTable();
    roll(table, {4, 4, 4, 4, 4});
    settle(table);
    for (int die = 1; die <= 5; ++die)
        click(&table, QString("RainButtonHold%1").arg(die));
    table.timGameTimer->setEnabled(false);
    table.lblCompScore->setCaption("Fours");
    Module1.RollCount = 0;
    Module1.TimeLimit = 30;
    seam::clearSounds();

    click(&table, "RainButton1");
    EXPECT_EQ(seam::sounds(), QStringList{Chord});
    EXPECT_EQ(Module1.TimeLeft.value(), 30);
    EXPECT_EQ(Module1.RollCount.value(), 0);
    EXPECT_EQ(timersOn(table), "timMarque");
    EXPECT_EQ(table.lblCompScore->Caption(), "Fours");
    EXPECT_EQ(table.txtRollOfDice->text(), "ROLL 1");
}

TEST(Hold, MovesADieToTheRackAndBackOnlyWhenThePlayerHasRolled)
{
    frmTumblecrag &table = openTable();
    seam::clearSounds();
    click(&table, "RainButtonHold3");
    EXPECT_EQ(holds(), Flags{});
    EXPECT_EQ(timersOn(table), "timInvalidEntry timMarque");
    EXPECT_EQ(seam::sounds(), QStringList{Chord});

    roll(table, {3, 3, 3, 3, 3});
    settle(table);
    const QString boxPicture = seam::picturePath(table.picPicture3);
    // The held-die files go 1, 2, 3, 4, 7, 6.
    const QStringList heldFiles = {"helddice1.bmp", "helddice2.bmp", "helddice3.bmp",
                                   "helddice4.bmp", "helddice7.bmp", "helddice6.bmp"};
    for (int face = 1; face <= 6; ++face) {
        Module1.Die3 = face;
        click(&table, "RainButtonHold3");
        EXPECT_EQ(holds(), (Flags{0, 0, 1, 0, 0}));
        EXPECT_TRUE(shown(table.picDiceRack3) && !shown(table.picPicture3));
        EXPECT_EQ(rackFile(table.picDiceRack3), heldFiles[face - 1]);
        click(&table, "RainButtonHold3");
        EXPECT_EQ(holds(), Flags{});
        EXPECT_TRUE(!shown(table.picDiceRack3) && shown(table.picPicture3));
        EXPECT_EQ(seam::picturePath(table.picPicture3), boxPicture);
    }
    Module1.Die3 = 0;
    click(&table, "RainButtonHold3");
    EXPECT_EQ(rackFile(table.picDiceRack3), "helddice6.bmp") << "a die without a face keeps the old picture";

    // During the computer's turn the chord is all.
    Module1.WhoseTurn = "computer";
    table.timInvalidEntry->setEnabled(false);
    seam::clearSounds();
    click(&table, "RainButtonHold1");
    EXPECT_EQ(holds(), (Flags{0, 0, 1, 0, 0}));
    EXPECT_FALSE(seam::timerEnabled(&table, "timInvalidEntry"));
    EXPECT_EQ(seam::sounds(), QStringList{Chord});
}

TEST(ZeroButton, ArmsTheZeroEntryAndEmptiesTheRackButTheDiceStayHeld)
{
    frmTumblecrag &table = openTable();
    roll(table, {6, 5, 4, 3, 2});
    settle(table);
    click(&table, "RainButtonHold1");
    click(&table, "RainButtonHold4");
    seam::clearSounds();

    click(&table, "RainButton2");
    EXPECT_EQ(seam::sounds(), QStringList{Chord});
    EXPECT_EQ(Module1.ZeroEntryArmed.value(), 1);
    EXPECT_EQ(Module1.RollCount.value(), 0);
    EXPECT_EQ(holds(), (Flags{1, 0, 0, 1, 0}));
    EXPECT_TRUE(!shown(table.picDiceRack1) && !shown(table.picDiceRack4));
    EXPECT_TRUE(shown(table.picPicture1) && shown(table.picPicture4));

    roll(table, {1, 1, 1});
    EXPECT_EQ(dice(), (Flags{6, 1, 1, 3, 1}));
    EXPECT_EQ(table.txtRollOfDice->text(), "ROLL 1");
    EXPECT_EQ(timersOn(table), "timGameTimer timTimer2 timTimer3 timTimer5");

    // H/R on such a die releases it: the flag passes 2 and ends at 0.
    click(&table, "RainButtonHold1");
    EXPECT_EQ(holds(), (Flags{0, 0, 0, 1, 0}));
    EXPECT_TRUE(!shown(table.picDiceRack1) && shown(table.picPicture1));
}
