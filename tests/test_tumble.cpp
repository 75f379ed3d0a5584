// The tumble of rolled dice, tick by tick, and the hand-back of the turn.
#include "table_fixture.h"

namespace {

void roll(frmTumblecrag &table, std::initializer_list<int> faces)
{
    for (int face : faces)
        seam::queueRnd({seam::rndFor(face, 6)});
    click(&table, "RainButton1");
}

// Ticks every die that tumbles, side by side, as the platform would.
void tickAll(frmTumblecrag &table, int times)
{
    for (int i = 0; i < times; ++i)
        for (const char *timer : {"timTimer1", "timTimer2", "timTimer3", "timTimer4", "timTimer5"})
            seam::fireTimer(&table, timer);
}

QString showing(PictureBox *box)
{
    return seam::picturePath(box).section('\\', -1);
}

} // namespace

TEST(Tumble, FrameNAtTickNThenTheFaceAndTheMarqueeAgain)
{
    frmTumblecrag &table = openTable();
    tick(table, "timMarque", 5);
    roll(table, {2, 6, 1, 5, 3});
    EXPECT_EQ(showing(table.picPicture2), "dicespot2.bmp") << "the old face until the first tick";
    for (int n = 1; n <= 19; ++n) {
        tick(table, "timTimer2");
        EXPECT_EQ(showing(table.picPicture2), QString("CUBE%1.bmp").arg(n));
    }
    EXPECT_FALSE(seam::timerEnabled(&table, "timMarque"));
    tick(table, "timTimer2");
    EXPECT_EQ(showing(table.picPicture2), "dicespot6.bmp");
    EXPECT_EQ(Module1.DieTick2.value(), 0);
    EXPECT_FALSE(seam::timerEnabled(&table, "timTimer2"));
    EXPECT_TRUE(seam::timerEnabled(&table, "timTimer1")) << "each die ends on its own";
    // The marquee goes on from the phase where the roll stopped it.
    tick(table, "timMarque");
    EXPECT_FALSE(shown(table.imgLed3)) << "phase 6";

    // Held dice keep their faces and do not tumble.
    tickAll(table, 20);
    click(&table, "RainButtonHold1");
    click(&table, "RainButtonHold3");
    roll(table, {4, 4, 4});
    EXPECT_EQ(dice(), (std::array<int, 5>{2, 4, 1, 4, 4}));
    EXPECT_FALSE(seam::timerEnabled(&table, "timTimer1") || seam::timerEnabled(&table, "timTimer3"));
    tickAll(table, 20);
    EXPECT_EQ(showing(table.picPicture1), "dicespot2.bmp");
    EXPECT_EQ(showing(table.picPicture5), "dicespot4.bmp");
}

TEST(Tumble, AQuickSecondRollOrAClearedDieChangesOnlyTheEnd)
{
    frmTumblecrag &table = openTable();
    roll(table, {1, 1, 1, 1, 1});
    tickAll(table, 7);
    roll(table, {4, 4, 4, 4, 4});
    tickAll(table, 12);
    EXPECT_EQ(showing(table.picPicture3), "CUBE19.bmp");
    tickAll(table, 1);
    EXPECT_EQ(showing(table.picPicture3), "dicespot4.bmp") << "one tumble of twenty ticks";
    EXPECT_FALSE(seam::timerEnabled(&table, "timTimer3"));

    roll(table, {5, 5, 5, 5, 5});
    tickAll(table, 10);
    click(&table, "RainButton4"); // New Game clears the dice
    tickAll(table, 10);
    EXPECT_EQ(showing(table.picPicture4), "CUBE20.bmp");
    EXPECT_FALSE(seam::timerEnabled(&table, "timTimer4"));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(Tumble, DieFourHandsTheTurnBackOnlyAfterTheComputersTurn)
{
    frmTumblecrag &table = openTable();
    table.btnPlayerNotice->setCaption("Computer's Turn");
    Module1.WhoseTurn = "computer";
    roll(table, {1, 2, 3, 4, 5});
    for (const char *timer : {"timTimer1", "timTimer2", "timTimer3", "timTimer5"})
        tick(table, timer, 20);
    tick(table, "timTimer4", 19);
    EXPECT_EQ(table.btnPlayerNotice->Caption(), "Computer's Turn");
    EXPECT_EQ(Module1.WhoseTurn, "computer");
    tick(table, "timTimer4");
    EXPECT_EQ(table.btnPlayerNotice->Caption(), "Player's Turn");
    EXPECT_EQ(Module1.WhoseTurn, "player");

    for (const QString owner : {"", "player", "Computer"}) {
        table.btnPlayerNotice->setCaption("Notice");
        Module1.WhoseTurn = owner;
        click(&table, "RainButton2");
        roll(table, {6, 6, 6, 6, 6});
        tickAll(table, 20);
        EXPECT_EQ(table.btnPlayerNotice->Caption(), "Notice") << qPrintable(owner);
        EXPECT_EQ(Module1.WhoseTurn, owner);
    }
}
