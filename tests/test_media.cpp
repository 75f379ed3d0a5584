// The media player's command strings, read from the layer's log, and the
// layer itself where it needs no sound device.
#include "media/mci.h"
#include "media/media_testing.h"
#include "media/mmedia1.h"
#include "media/smf_length.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const QString MidSeven = QStringLiteral("c:\\program files\\tumblecrag\\midseven.mid");
const QString MidOne = QStringLiteral("c:\\program files\\tumblecrag\\midone.mid");

struct Sent
{
    int code;
    QString reply;
};

Sent sendToLayer(const char *command)
{
    char reply[255] = {};
    const int code = mciSendString(command, reply, sizeof reply, 0);
    return {code, QString::fromLocal8Bit(reply)};
}

} // namespace

TEST(MediaPlayer, OpensPlaysStopsAndClosesAsTheSongsNeed)
{
    mediaseam::setMinuteOfHour(7);
    MMedia1 player;
    player.mmOpen(MidSeven);
    player.mmPlay();
    player.mmStop();
    mediaseam::setMinuteOfHour(10);
    player.mmOpen(MidOne);
    player.mmPlay();

    EXPECT_EQ(mediaseam::commands(),
              QStringList({R"(Open "c:\program files\tumblecrag\midseven.mid" ALIAS mid7 TYPE Sequencer wait)",
                           "Play mid7", "Stop mid7", "Close mid7",
                           R"(Open "c:\program files\tumblecrag\midone.mid" ALIAS mid10 TYPE Sequencer wait)",
                           "Play mid10"}));
    EXPECT_EQ(player.Filename(), MidOne);
}

TEST(MediaPlayer, TheExtensionChoosesTheDeviceAndNamesTheAlias)
{
    struct Case
    {
        QString file;
        int minute;
        QString sent;
    };
    const Case cases[] = {
        {"C:\\SONGS\\TUNE.MID", 45, R"(Open C:\SONGS\TUNE.MID ALIAS MID45 TYPE Sequencer wait)"},
        {"c:\\songs\\tune.mid", 0, R"(Open c:\songs\tune.mid ALIAS mid0 TYPE Sequencer wait)"},
        {"c:\\my songs\\tune.Mid", 59, R"(Open "c:\my songs\tune.Mid" ALIAS Mid59 TYPE Sequencer wait)"},
        {"C:\\Windows\\media\\ding.wav", 3, R"(Open C:\Windows\media\ding.wav ALIAS wav3 TYPE Waveaudio wait)"},
        {"c:\\clips\\intro.Avi", 12, R"(Open c:\clips\intro.Avi ALIAS Avi12 TYPE AviVideo wait)"},
    };
    for (const Case &c : cases) {
        mediaseam::clearCommands();
        mediaseam::setMinuteOfHour(c.minute);
        MMedia1 player;
        player.setFilename(c.file);
        EXPECT_EQ(mediaseam::commands(), QStringList{c.sent}) << qPrintable(c.file);
        EXPECT_EQ(player.Filename(), c.file);
    }
}

TEST(MediaPlayer, AnUnsupportedFileClosesTheOpenDeviceAndOpensNothing)
{
    mediaseam::setMinuteOfHour(7);
    MMedia1 player;
    player.mmOpen(MidSeven);
    player.mmOpen("c:\\program files\\tumblecrag\\readme.txt");
    player.mmPlay();
    player.mmStop();

    EXPECT_EQ(mediaseam::commands(),
              QStringList({R"(Open "c:\program files\tumblecrag\midseven.mid" ALIAS mid7 TYPE Sequencer wait)",
                           "Close mid7"}));
    EXPECT_EQ(player.Filename(), "");
    EXPECT_EQ(player.Status(), "");
}

TEST(MediaPlayer, WithNoDeviceOpenNothingIsSent)
{
    MMedia1 player;
    auto untouched = [&player] {
        player.mmClose();
        player.mmPause();
        player.mmPlay();
        player.mmStop();
        player.mmSeek(1000);
        player.setPosition(5);
        EXPECT_EQ(player.Length(), 0.0f);
        EXPECT_EQ(player.Position(), 0.0f);
        EXPECT_EQ(player.Status(), "");
        EXPECT_EQ(player.Filename(), "");
    };
    untouched();
    EXPECT_TRUE(mediaseam::commands().isEmpty());

    mediaseam::setMinuteOfHour(30);
    player.mmOpen(MidSeven);
    player.mmClose();
    mediaseam::clearCommands();
    untouched();
    EXPECT_TRUE(mediaseam::commands().isEmpty());
}

TEST(MediaPlayer, WaitMakesPlayWaitForTheEnd)
{
    mediaseam::setMinuteOfHour(7);
    MMedia1 player;
    EXPECT_FALSE(player.Wait());
    player.mmOpen(MidSeven);
    player.setWait(true);
    EXPECT_TRUE(player.Wait());
    player.mmPlay();
    player.setWait(false);
    player.mmPlay();

    EXPECT_EQ(mediaseam::commands().mid(1), QStringList({"Play mid7 wait", "Play mid7"}));
}

TEST(MediaPlayer, SeekAndPositionSendThePositionWithoutABlank)
{
    mediaseam::setMinuteOfHour(7);
    MMedia1 player;
    player.mmOpen(MidSeven);
    player.mmSeek(1500);
    player.setPosition(2.5f);
    player.mmSeek(12345678);
    player.mmPause();

    EXPECT_EQ(mediaseam::commands().mid(1), QStringList({"Seek mid7 to 1500", "Seek mid7 to 2.5",
                                                         "Seek mid7 to 1.234568E+07", "Pause mid7"}));
}

TEST(MediaPlayer, AReplyIsReadUpToItsFirstNul)
{
    mediaseam::setMinuteOfHour(7);
    MMedia1 player;
    player.mmOpen(MidSeven);
    mediaseam::clearCommands();

    const QByteArray longest(254, 'x');
    mediaseam::scriptReply(longest);
    EXPECT_EQ(player.Status(), QString::fromLatin1(longest));

    mediaseam::scriptReply(QByteArray("paused\0playing", 14));
    EXPECT_EQ(player.Status(), "paused");

    mediaseam::scriptReply(QByteArray("65000\0" "99", 8));
    EXPECT_EQ(player.Length(), 65000.0f);

    mediaseam::scriptReply(" 2500.5 ms");
    EXPECT_EQ(player.Position(), 2500.5f);

    mediaseam::scriptReply("unknown");
    EXPECT_EQ(player.Position(), 0.0f);

    EXPECT_EQ(mediaseam::commands(),
              QStringList({"Status mid7 mode", "Status mid7 mode", "Status mid7 length", "Status mid7 position",
                           "Status mid7 position"}));
}

TEST(MediaPlayer, AFailedOpenLeavesTheDeviceNamedButNotReady)
{
    // The test process has no sound device: the open fails inside the layer.
    mediaseam::setMinuteOfHour(7);
    MMedia1 player;
    player.mmOpen(MidSeven);
    player.mmPlay();

    EXPECT_EQ(player.Filename(), MidSeven);
    EXPECT_EQ(player.Status(), "not ready");
    EXPECT_EQ(player.Length(), 0.0f);
    EXPECT_EQ(player.Position(), 0.0f);
    player.mmClose();
    EXPECT_EQ(mediaseam::commands().last(), "Close mid7");
    EXPECT_EQ(sendToLayer("Status mid7 mode").code, MciUnknownDevice);
}

TEST(CommandLayer, FailsQuietlyWithACode)
{
    struct Case
    {
        const char *command;
        int code;
        QString reply;
    };
    const Case cases[] = {
        {"Play nothing", MciUnknownDevice, ""},
        {"Status nothing mode", MciUnknownDevice, ""},
        {R"(Open "c:\program files\tumblecrag\midseven.mid" ALIAS song TYPE Sequencer wait)", MciNoSoundDevice, ""},
        {"status SONG mode", MciOk, "not ready"},
        {"Status song length", MciNotReady, ""},
        {"Play song wait", MciNotReady, ""},
        {"Stop song", MciNotReady, ""},
        {"open c:\\other.mid alias song type sequencer", MciAliasInUse, ""},
        {"Open c:\\clips\\intro.avi ALIAS clip TYPE AviVideo wait", MciUnsupportedType, ""},
        {"Status clip mode", MciOk, "not ready"},
        {"Close song", MciOk, ""},
        {"Status song mode", MciUnknownDevice, ""},
        {"Close all", MciOk, ""},
        {"Status clip mode", MciUnknownDevice, ""},
        {"Rewind clip", MciBadCommand, ""},
        {"Seek clip", MciBadCommand, ""},
        {"Seek clip to soon", MciBadCommand, ""},
        {"Status clip volume", MciBadCommand, ""},
        {"Open \"c:\\no end.mid ALIAS x TYPE Sequencer", MciBadCommand, ""},
        {"", MciBadCommand, ""},
    };
    for (const Case &c : cases) {
        const Sent sent = sendToLayer(c.command);
        EXPECT_EQ(sent.code, c.code) << c.command;
        EXPECT_EQ(sent.reply, c.reply) << c.command;
    }
    EXPECT_EQ(mediaseam::commands().size(), static_cast<qsizetype>(std::size(cases)));
}

TEST(CommandLayer, EveryReplyEndsInANulAndIsEmptyAfterAnError)
{
    ASSERT_EQ(mciSendString(R"(Open c:\songs\tune.mid ALIAS song TYPE Sequencer wait)", nullptr, 0, 0),
              MciNoSoundDevice);
    // One buffer for every command, still holding the answer before.
    char reply[255] = {};
    ASSERT_EQ(mciSendString("Status song mode", reply, sizeof reply, 0), MciOk);
    ASSERT_STREQ(reply, "not ready");

    struct Case
    {
        const char *command;
        int length;
        int code;
    };
    const Case cases[] = {
        {"Status nothing mode", 255, MciUnknownDevice},
        {"Status song length", 255, MciNotReady},
        {"Status song volume", 255, MciBadCommand},
        {"Status song mode", 9, MciReplyTooLong},
    };
    for (const Case &c : cases) {
        std::strcpy(reply, "stopped");
        EXPECT_EQ(mciSendString(c.command, reply, c.length, 0), c.code) << c.command;
        EXPECT_STREQ(reply, "") << c.command;
    }
    std::strcpy(reply, "stopped");
    EXPECT_EQ(mciSendString("Status song mode", reply, 10, 0), MciOk);
    EXPECT_STREQ(reply, "not ready");

    // A scripted answer fits the buffer as the layer's own must.
    std::memset(reply, 'x', sizeof reply - 1);
    mediaseam::scriptReply("12345678");
    EXPECT_EQ(mciSendString("Status song position", reply, 8, 0), MciReplyTooLong);
    EXPECT_STREQ(reply, "");
    mediaseam::scriptReply("1234567");
    EXPECT_EQ(mciSendString("Status song position", reply, 8, 0), MciOk);
    EXPECT_STREQ(reply, "1234567");
}

namespace {

// A Standard MIDI File built byte by byte.
QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray header(int format, int tracks, int divisionHigh, int divisionLow)
{
    return "MThd" + bytes({0, 0, 0, 6, 0, format, 0, tracks, divisionHigh, divisionLow});
}

QByteArray track(const QByteArray &events)
{
    const auto n = static_cast<int>(events.size());
    return "MTrk" + bytes({(n >> 24) & 0xFF, (n >> 16) & 0xFF, (n >> 8) & 0xFF, n & 0xFF}) + events;
}

const QByteArray EndOfTrack = bytes({0x00, 0xFF, 0x2F, 0x00});

} // namespace

TEST(MidiLength, ComesFromTheTempoMap)
{
    // 480 ticks a quarter note; without a tempo event a quarter lasts 500 ms.
    const QByteArray plain = header(0, 1, 0x01, 0xE0)
                             + track(bytes({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x83, 0x60, 0xFF, 0x2F, 0x00}));
    // A second a quarter, then a quarter of a second from tick 480; notes in
    // running status and a system-exclusive message on the way.
    const QByteArray changing =
        header(0, 1, 0x01, 0xE0)
        + track(bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x00, 0x90, 60, 100, 0x83, 0x60, 60, 0, 0x00, 0xF0,
                       0x03, 0x7E, 0x7F, 0xF7, 0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x83, 0x60, 0xC0, 5})
                + EndOfTrack);
    // Two tracks: the tempo (600 ms a quarter) in the first applies to the
    // second, which lasts four quarters.
    const QByteArray twoTracks =
        header(1, 2, 0x01, 0xE0) + track(bytes({0x00, 0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0}) + EndOfTrack)
        + track(bytes({0x00, 0xC0, 24, 0x8F, 0x00, 0xB0, 7, 100, 0x00, 0xFF, 0x2F, 0x00}));
    // 25 frames a second of 40 ticks: 500 ticks make half a second.
    const QByteArray timeCode =
        header(0, 1, 0xE7, 40) + track(bytes({0x83, 0x74, 0x90, 60, 100}) + EndOfTrack);

    EXPECT_DOUBLE_EQ(midiLengthMs(plain).value_or(-1), 1000.0);
    EXPECT_DOUBLE_EQ(midiLengthMs(changing).value_or(-1), 1250.0);
    EXPECT_DOUBLE_EQ(midiLengthMs(twoTracks).value_or(-1), 2400.0);
    EXPECT_DOUBLE_EQ(midiLengthMs(timeCode).value_or(-1), 500.0);
}

TEST(MidiLength, TheRunningStatusOfANoteLastsAcrossMetaAndSystemExclusiveEvents)
{
    // A quarter at 480 ticks: the note's end leans on the status of its start.
    const QByteArray overText = header(0, 1, 0x01, 0xE0)
                                + track(bytes({0x00, 0x90, 60, 100, 0x00, 0xFF, 0x01, 0x01, 0x58, 0x83, 0x60, 60, 0})
                                        + EndOfTrack);
    const QByteArray overSystemExclusive =
        header(0, 1, 0x01, 0xE0)
        + track(bytes({0x00, 0x90, 60, 100, 0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x83, 0x60, 60, 0}) + EndOfTrack);

    EXPECT_DOUBLE_EQ(midiLengthMs(overText).value_or(-1), 500.0);
    EXPECT_DOUBLE_EQ(midiLengthMs(overSystemExclusive).value_or(-1), 500.0);
}

TEST(MidiLength, NothingForAFileThatIsNotMidi)
{
    const QByteArray good = header(0, 1, 0x01, 0xE0) + track(bytes({0x83, 0x60, 0x90, 60, 100}) + EndOfTrack);
    ASSERT_TRUE(midiLengthMs(good).has_value());

    EXPECT_FALSE(midiLengthMs(QByteArray("RIFF....WAVEfmt ")).has_value());
    EXPECT_FALSE(midiLengthMs(good.left(good.size() - 3)).has_value());
    EXPECT_FALSE(midiLengthMs(header(0, 2, 0x01, 0xE0) + track(EndOfTrack)).has_value());
    EXPECT_FALSE(midiLengthMs(header(0, 1, 0x01, 0xE0) + track(bytes({0x00, 60, 100}) + EndOfTrack)).has_value());
    EXPECT_FALSE(midiLengthMs(header(0, 1, 0x00, 0x00) + track(EndOfTrack)).has_value());
    EXPECT_FALSE(midiLengthMs(QByteArray()).has_value());
}
