// The music schedule through the table's music timer, Start and Stop Music,
// and End Game; the media player's commands are read from the layer's log.
#include "table_fixture.h"

#include "media/media_testing.h"
#include "toolkit/dialogs.h"

namespace {

const QString Open = QStringLiteral(R"(Open "c:\program files\tumblecrag\%1.mid" ALIAS %2 TYPE Sequencer wait)");

void startMusic(frmTumblecrag &table, int answer)
{
    seam::scriptMsgBox(answer);
    choose(table, "mnuStartMusic");
}

// Ticks the music timer up to the given second of the cycle, the clock
// standing at the given minute; returns the commands those ticks sent.
QStringList tickTo(frmTumblecrag &table, int second, int minute = 7)
{
    mediaseam::setMinuteOfHour(minute);
    mediaseam::clearCommands();
    const int ticks = second - Module1.MusicTick.value();
    if (ticks > 0)
        tick(table, "TimerMusic", ticks);
    return mediaseam::commands();
}

} // namespace

TEST(MusicSchedule, TheMusicNeverStartsByItself)
{
    frmTumblecrag &table = openTable();
    EXPECT_FALSE(seam::timerEnabled(&table, "TimerMusic"));
    EXPECT_FALSE(seam::fireTimer(&table, "TimerMusic"));
    EXPECT_EQ(Module1.MusicTick.value(), 0);
    EXPECT_TRUE(mediaseam::commands().isEmpty());
    EXPECT_EQ(Module1.MusicPlayer, nullptr);
}

TEST(MusicSchedule, FiveSongsPlayAtTheirSecondsOfATenMinuteCycle)
{
    frmTumblecrag &table = openTable();
    startMusic(table, vbYes);
    EXPECT_TRUE(seam::timerEnabled(&table, "TimerMusic"));

    // The clock's minute moves on with the seconds, and with it the alias.
    std::map<int, QStringList> sentAt;
    for (int second = 1; second <= 602; ++second) {
        mediaseam::setMinuteOfHour(second / 60);
        mediaseam::clearCommands();
        tick(table, "TimerMusic");
        if (!mediaseam::commands().isEmpty())
            sentAt[second] = mediaseam::commands();
        if (second == 600) {
            EXPECT_EQ(Module1.MusicTick.value(), 0);
        }
    }

    const std::map<int, QStringList> expected = {
        {2, {Open.arg("midseven", "mid0"), "Play mid0"}},
        {68, {"Close mid0", Open.arg("midone", "mid1"), "Play mid1"}},
        {248, {"Close mid1", Open.arg("midtwo", "mid4"), "Play mid4"}},
        {427, {"Close mid4", Open.arg("midthree", "mid7"), "Play mid7"}},
        {476, {"Close mid7", Open.arg("midfour", "mid7"), "Play mid7"}},
        {602, {"Close mid7", Open.arg("midseven", "mid10"), "Play mid10"}},
    };
    EXPECT_EQ(sentAt, expected);
    EXPECT_EQ(Module1.MusicTick.value(), 2);
}

TEST(MusicSchedule, SwitchedOffAtSecond100ItWaitsForTheNextSongWhenOnAgain)
{
    frmTumblecrag &table = openTable();
    startMusic(table, vbYes);
    EXPECT_EQ(tickTo(table, 100).size(), 5);

    mediaseam::clearCommands();
    startMusic(table, vbNo);
    EXPECT_FALSE(seam::timerEnabled(&table, "TimerMusic"));
    click(&table, "RainButton4");
    EXPECT_EQ(Module1.MusicTick.value(), 100);
    EXPECT_TRUE(mediaseam::commands().isEmpty()) << "a No leaves the song playing";

    startMusic(table, vbYes);
    EXPECT_TRUE(tickTo(table, 247).isEmpty());
    EXPECT_EQ(tickTo(table, 248), QStringList({"Close mid7", Open.arg("midtwo", "mid7"), "Play mid7"}));
}

TEST(MusicSchedule, SwitchedOffOnASongsSecondItDoesNotRepeatThatSong)
{
    frmTumblecrag &table = openTable();
    startMusic(table, vbYes);
    EXPECT_EQ(tickTo(table, 68).last(), "Play mid7");
    startMusic(table, vbNo);
    startMusic(table, vbYes);
    EXPECT_TRUE(tickTo(table, 69).isEmpty());
    EXPECT_EQ(Module1.MusicTick.value(), 69);
}

TEST(MusicStops, StopMusicStopsTheSongAndTheSchedule)
{
    frmTumblecrag &table = openTable();
    choose(table, "mnuStopMusic");
    EXPECT_NE(Module1.MusicPlayer, nullptr);
    EXPECT_TRUE(mediaseam::commands().isEmpty());

    startMusic(table, vbYes);
    tickTo(table, 2);
    mediaseam::clearCommands();
    choose(table, "mnuStopMusic");
    EXPECT_EQ(mediaseam::commands(), QStringList{"Stop mid7"});
    EXPECT_FALSE(seam::timerEnabled(&table, "TimerMusic"));
    EXPECT_EQ(Module1.MusicTick.value(), 2);
}

TEST(MusicStops, EndGameStopsTheSongBeforeTheProgramEnds)
{
    frmTumblecrag &table = openTable();
    click(&table, "RainButton3");
    EXPECT_TRUE(seam::endRequested());
    EXPECT_NE(Module1.MusicPlayer, nullptr);
    EXPECT_TRUE(mediaseam::commands().isEmpty());

    seam::resetAll();
    frmTumblecrag &again = openTable();
    startMusic(again, vbYes);
    tickTo(again, 2);
    mediaseam::clearCommands();
    seam::clearSounds();
    click(&again, "RainButton3");
    EXPECT_EQ(mediaseam::commands(), QStringList{"Stop mid7"});
    EXPECT_EQ(seam::sounds(), QStringList{"C:\\Windows\\media\\hoverel.wav"});
    EXPECT_TRUE(seam::endRequested());
}
