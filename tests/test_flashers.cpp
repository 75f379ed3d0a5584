// The Game Over and OOPS flashers and the LED marquee, phase by phase.
#include "table_fixture.h"

namespace {

const QString Chime = "C:\\Windows\\media\\ding.wav";

// The LEDs that are dark, by name.
QString darkLeds(frmTumblecrag &table)
{
    QStringList dark;
    for (Image *led : {table.imgLed2, table.imgLed3, table.imgLED4, table.imgLed5, table.imgLed6, table.imgLed7,
                       table.imgLed8})
        if (!shown(led))
            dark << led->objectName();
    return dark.join(' ');
}

} // namespace

TEST(Marquee, OneDarkLedRunsLeftToRightInFifteenPhases)
{
    frmTumblecrag &table = openTable();
    EXPECT_EQ(darkLeds(table), "imgLed2 imgLed3 imgLED4 imgLed5 imgLed6 imgLed7 imgLed8");
    const QStringList darkByPhase = {"", "", "", "imgLed2", "", "imgLed3", "", "imgLED4",
                                     "", "imgLed5", "", "imgLed6", "", "imgLed7", "imgLed8"};
    for (int cycle = 0; cycle < 2; ++cycle)
        for (int phase = 1; phase <= 15; ++phase) {
            tick(table, "timMarque");
            EXPECT_EQ(darkLeds(table), darkByPhase[phase - 1]) << "phase " << phase;
            EXPECT_EQ(Module1.MarqueTick.value(), phase % 15);
        }
}

TEST(GameOverFlasher, BlinksFourTimesWithFourChimesAndRunsOnThroughASecondStartOrANewGame)
{
    frmTumblecrag &table = openTable();
    table.timGameOver->setEnabled(true);
    for (int phase = 1; phase <= 8; ++phase) {
        const qsizetype before = seam::sounds().size();
        tick(table, "timGameOver");
        EXPECT_EQ(shown(table.btnPlayerNotice), phase < 8) << "phase " << phase;
        EXPECT_EQ(table.btnPlayerNotice->Caption(), phase % 2 ? "Game Over" : "") << "phase " << phase;
        EXPECT_EQ(seam::sounds().mid(before), phase % 2 ? QStringList{Chime} : QStringList{}) << "phase " << phase;
        if (phase == 3) {
            table.timGameOver->setEnabled(true);
            // A new game hides the notice, and the next phase shows it again.
            click(&table, "RainButton4");
            EXPECT_FALSE(shown(table.btnPlayerNotice));
        }
    }
    EXPECT_FALSE(seam::timerEnabled(&table, "timGameOver"));
    EXPECT_EQ(Module1.GameOverTick.value(), 0);
}

TEST(OopsFlasher, ShowsOnceWithAChimeAndASecondRefusalGoesOn)
{
    frmTumblecrag &table = openTable();
    click(&table, "RainButtonHold1");
    seam::clearSounds();
    EXPECT_FALSE(shown(table.lblInvalidEntry));
    tick(table, "timInvalidEntry");
    EXPECT_TRUE(shown(table.lblInvalidEntry));
    EXPECT_EQ(table.lblInvalidEntry->Caption(), "OOPS");
    EXPECT_EQ(seam::sounds(), QStringList{Chime});

    click(&table, "RainButtonHold1");
    tick(table, "timInvalidEntry");
    EXPECT_FALSE(shown(table.lblInvalidEntry));
    EXPECT_FALSE(seam::timerEnabled(&table, "timInvalidEntry"));
    EXPECT_EQ(Module1.InvalidEntryTick.value(), 0);
    EXPECT_EQ(seam::sounds().count(Chime), 1);

    // Roll hides the label at once; the flash still runs to its end.
    click(&table, "RainButtonHold1");
    tick(table, "timInvalidEntry");
    click(&table, "RainButton1");
    EXPECT_FALSE(shown(table.lblInvalidEntry));
    tick(table, "timInvalidEntry");
    EXPECT_FALSE(seam::timerEnabled(&table, "timInvalidEntry"));
}
