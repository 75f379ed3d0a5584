// The command-string layer on a real mixer: SDL's disk driver writes what the
// device plays into a file, so the tests can hear the songs and the waves.
#include "media/mci.h"
#include "media/media_testing.h"
#include "media/mmedia1.h"
#include "toolkit/audio_device.h"
#include "toolkit/sound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <thread>
#include <vector>

namespace {

QTemporaryDir *outputFolder = nullptr;

QString outputFile()
{
    return outputFolder->filePath("device.raw");
}

struct Sent
{
    int code;
    QString reply;
};

Sent send(const QString &command)
{
    char reply[255] = {};
    const int code = mciSendString(command.toLocal8Bit().constData(), reply, sizeof reply, 0);
    return {code, QString::fromLocal8Bit(reply)};
}

// The lines written to standard error that name a file.
qsizetype linesNaming(const QString &output, const QString &file)
{
    const QStringList lines = output.split('\n');
    return std::count_if(lines.begin(), lines.end(), [&file](const QString &line) { return line.contains(file); });
}

double number(const QString &command)
{
    const Sent sent = send(command);
    EXPECT_EQ(sent.code, MciOk) << qPrintable(command);
    return sent.reply.toDouble();
}

void pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

qint64 writtenSoFar()
{
    return QFileInfo(outputFile()).size();
}

// The loudest 16-bit sample the device wrote from a byte offset on.
int loudestFrom(qint64 offset)
{
    QFile file(outputFile());
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset & ~qint64(1)))
        return -1;
    const QByteArray data = file.readAll();
    const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
    int loudest = 0;
    for (qsizetype i = 0; i < data.size() / 2; ++i)
        loudest = std::max(loudest, std::abs(static_cast<int>(samples[i])));
    return loudest;
}

// A file of the given bytes in a folder; its full name.
QString written(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QByteArray littleEndian(qint64 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray riffChunk(const char *id, const QByteArray &body)
{
    return id + littleEndian(body.size(), 4) + body + QByteArray(body.size() % 2, '\0');
}

// A wave as other programs write it: a tenth of a second of a 400 Hz square
// tone at 8000 frames a second, or ADPCM blocks of their own length. Where
// its samples end, and how long it plays.
struct ForeignWave
{
    QString name;
    QByteArray bytes;
    qsizetype samplesEnd;
    double ms;
};

constexpr int WaveRate = 8000;
constexpr int ToneFrames = 800;

// The upper half of the tone's square.
bool high(int frame)
{
    return frame / 10 % 2 == 0;
}

ForeignWave foreignWave(const QString &name, int tag, int channels, int bits, int blockAlign,
                        const QByteArray &extension, const QByteArray &samples, qint64 frames,
                        const QByteArray &before = {}, const QByteArray &after = {})
{
    QByteArray format = littleEndian(tag, 2) + littleEndian(channels, 2) + littleEndian(WaveRate, 4)
                        + littleEndian(static_cast<qint64>(WaveRate) * blockAlign, 4) + littleEndian(blockAlign, 2)
                        + littleEndian(bits, 2);
    QByteArray chunks = riffChunk("fmt ", tag == 1 ? format : format + littleEndian(extension.size(), 2) + extension);
    if (tag != 1)
        chunks += riffChunk("fact", littleEndian(frames, 4));
    chunks += before;
    const qsizetype samplesEnd = 12 + chunks.size() + 8 + samples.size();
    chunks += riffChunk("data", samples) + after;
    return {name, "RIFF" + littleEndian(chunks.size() + 4, 4) + "WAVE" + chunks, samplesEnd,
            frames * 1000.0 / WaveRate};
}

QByteArray pcmTone(int channels, int bytes, qint64 loud, qint64 quiet)
{
    QByteArray out;
    for (int frame = 0; frame < ToneFrames; ++frame)
        for (int c = 0; c < channels; ++c)
            out += littleEndian(high(frame) ? loud : quiet, bytes);
    return out;
}

QByteArray byteTone(char loud, char quiet)
{
    QByteArray out;
    for (int frame = 0; frame < ToneFrames; ++frame)
        out.append(high(frame) ? loud : quiet);
    return out;
}

// ADPCM blocks of a block header and nibbles that climb for half the block
// and fall for the other half: loud enough to hear, simple enough to write.
QByteArray adpcmBlock(const QByteArray &header, int size)
{
    const int nibbleBytes = size - static_cast<int>(header.size());
    return header + QByteArray(nibbleBytes / 2, '\x77') + QByteArray(nibbleBytes - nibbleBytes / 2, '\x99');
}

std::vector<ForeignWave> foreignWaves()
{
    const QByteArray info = riffChunk("LIST", "INFO" + riffChunk("ISFT", "Recorder"));
    const QByteArray imaHeader = littleEndian(0, 2) + littleEndian(0, 1) + littleEndian(0, 1);
    const QByteArray imaBlock = adpcmBlock(imaHeader, 256);
    constexpr int ImaBlockFrames = 1 + (256 - 4) * 2;
    QByteArray msCoefficients = littleEndian(7, 2);
    for (int c : {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232})
        msCoefficients += littleEndian(c, 2);
    const QByteArray msBlock = adpcmBlock(littleEndian(0, 1) + littleEndian(16, 2) + littleEndian(0, 4), 256);
    constexpr int MsBlockFrames = 2 + (256 - 7) * 2;

    return {
        foreignWave("unsigned8.wav", 1, 1, 8, 1, {}, pcmTone(1, 1, 228, 28), ToneFrames),
        foreignWave("mono16.wav", 1, 1, 16, 2, {}, pcmTone(1, 2, 20000, -20000), ToneFrames),
        foreignWave("stereo16.wav", 1, 2, 16, 4, {}, pcmTone(2, 2, 20000, -20000), ToneFrames),
        foreignWave("mono24.wav", 1, 1, 24, 3, {}, pcmTone(1, 3, 20000 << 8, -20000 << 8), ToneFrames),
        foreignWave("mono32.wav", 1, 1, 32, 4, {}, pcmTone(1, 4, 20000LL << 16, -20000LL << 16), ToneFrames),
        foreignWave("float32.wav", 3, 1, 32, 4, {},
                    pcmTone(1, 4, std::bit_cast<qint32>(0.6f), std::bit_cast<qint32>(-0.6f)), ToneFrames),
        foreignWave("mulaw.wav", 7, 1, 8, 1, {}, byteTone('\x90', '\x10'), ToneFrames),
        foreignWave("alaw.wav", 6, 1, 8, 1, {}, byteTone('\xBA', '\x3A'), ToneFrames),
        foreignWave("imaadpcm.wav", 0x11, 1, 4, 256, littleEndian(ImaBlockFrames, 2), imaBlock + imaBlock,
                    2 * ImaBlockFrames),
        // Some encoders end on a block that holds only the frames left.
        foreignWave("imaadpcmshortend.wav", 0x11, 1, 4, 256, littleEndian(ImaBlockFrames, 2),
                    imaBlock + imaBlock + imaHeader + QByteArray(4, '\x77'), 2 * ImaBlockFrames + 9),
        foreignWave("msadpcm.wav", 2, 1, 4, 256, littleEndian(MsBlockFrames, 2) + msCoefficients, msBlock + msBlock,
                    2 * MsBlockFrames),
        foreignWave("listed16.wav", 1, 1, 16, 2, {}, pcmTone(1, 2, 20000, -20000), ToneFrames, info, info),
    };
}

class OnDisk : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        outputFolder = new QTemporaryDir;
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", outputFile().toLocal8Bit());
        openAudioDevice();
    }

    static void TearDownTestSuite()
    {
        closeAudioDevice();
        delete outputFolder;
        outputFolder = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(audioDeviceOpen());
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        ASSERT_TRUE(Mix_QuerySpec(&frequency, &format, &channels));
        ASSERT_EQ(format, AUDIO_S16SYS);
    }
};

} // namespace

TEST_F(OnDisk, ASongPlaysPausesStopsAndStartsOver)
{
    ASSERT_EQ(send(R"(Open "c:\program files\tumblecrag\midseven.mid" ALIAS song TYPE Sequencer wait)").code, MciOk);
    EXPECT_EQ(send("Status song mode").reply, "stopped");
    EXPECT_EQ(number("Status song position"), 0.0);
    pause(300);
    const qint64 beforePlay = writtenSoFar();
    EXPECT_EQ(loudestFrom(0), 0);

    ASSERT_EQ(send("Play song").code, MciOk);
    pause(1500);
    EXPECT_EQ(send("Status song mode").reply, "playing");
    const double playing = number("Status song position");
    EXPECT_GE(playing, 1400.0);
    EXPECT_LE(playing, 2500.0);
    EXPECT_GT(loudestFrom(beforePlay), 1000);

    ASSERT_EQ(send("Pause song").code, MciOk);
    EXPECT_EQ(send("Status song mode").reply, "paused");
    const double paused = number("Status song position");
    pause(300);
    const qint64 whilePaused = writtenSoFar();
    pause(300);
    EXPECT_EQ(number("Status song position"), paused);
    EXPECT_EQ(loudestFrom(whilePaused), 0);

    ASSERT_EQ(send("Play song").code, MciOk);
    pause(400);
    EXPECT_GE(number("Status song position"), paused + 300);
    ASSERT_EQ(send("Stop song").code, MciOk);
    EXPECT_EQ(send("Status song mode").reply, "stopped");
    const double stopped = number("Status song position");
    pause(300);
    EXPECT_EQ(number("Status song position"), stopped);

    ASSERT_EQ(send("Seek song to start").code, MciOk);
    EXPECT_EQ(number("Status song position"), 0.0);
    EXPECT_EQ(send("Status song mode").reply, "stopped");
    ASSERT_EQ(send("Close song").code, MciOk);
    EXPECT_EQ(send("Status song mode").code, MciUnknownDevice);
}

TEST_F(OnDisk, EachSongSoundsAndLastsAboutItsSlot)
{
    struct Song
    {
        const char *file;
        double slotSeconds;
    };
    const Song songs[] = {{"midseven.mid", 66}, {"midone.mid", 180}, {"midtwo.mid", 179},
                          {"midthree.mid", 49}, {"midfour.mid", 126}};
    for (const Song &song : songs) {
        const QString open = QStringLiteral(R"(Open "c:\program files\tumblecrag\%1" ALIAS song TYPE Sequencer wait)")
                                 .arg(QLatin1String(song.file));
        ASSERT_EQ(send(open).code, MciOk) << song.file;
        const double length = number("Status song length");
        EXPECT_GE(length, song.slotSeconds * 1000 * 0.8) << song.file;
        EXPECT_LE(length, song.slotSeconds * 1000 * 1.1) << song.file;
        const qint64 beforePlay = writtenSoFar();
        ASSERT_EQ(send("Play song").code, MciOk) << song.file;
        pause(700);
        EXPECT_GT(loudestFrom(beforePlay), 1000) << song.file;
        send("Close song");
    }
}

TEST_F(OnDisk, AWaveWithWaitPlaysToItsEndBeforeTheCallReturns)
{
    ASSERT_EQ(send(R"(Open "C:\Windows\media\Jungle Restore Up.wav" ALIAS jingle TYPE Waveaudio wait)").code, MciOk);
    const double length = number("Status jingle length");
    ASSERT_GT(length, 100.0);

    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(send("Play jingle wait").code, MciOk);
    EXPECT_GE(clock.elapsed(), length - 50);
    EXPECT_EQ(send("Status jingle mode").reply, "stopped");
    EXPECT_EQ(number("Status jingle position"), std::round(length));

    ASSERT_EQ(send(QStringLiteral("Seek jingle to %1").arg(length / 2)).code, MciOk);
    EXPECT_EQ(number("Status jingle position"), std::round(length / 2));
    clock.restart();
    ASSERT_EQ(send("Play jingle wait").code, MciOk);
    EXPECT_GE(clock.elapsed(), length / 2 - 50);
    EXPECT_LT(clock.elapsed(), length - 50);
}

TEST_F(OnDisk, TheMediaPlayerPlaysTheFirstSongInTheBackground)
{
    MMedia1 player;
    player.mmOpen("c:\\program files\\tumblecrag\\midseven.mid");
    EXPECT_EQ(player.Status(), "stopped");
    EXPECT_GT(player.Length(), 30000.0f);

    QElapsedTimer clock;
    clock.start();
    player.mmPlay();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(player.Status(), "playing");
    pause(500);
    EXPECT_GT(player.Position(), 0.0f);
    player.mmStop();
    EXPECT_EQ(player.Status(), "stopped");
    player.mmClose();
}

TEST_F(OnDisk, FilesThatCannotPlayFailQuietly)
{
    EXPECT_EQ(send(R"(Open "c:\program files\tumblecrag\nosuch.mid" ALIAS gone TYPE Sequencer wait)").code,
              MciCannotOpenFile);
    EXPECT_EQ(send("Status gone mode").reply, "not ready");
    EXPECT_EQ(send(R"(Open "c:\program files\tumblecrag\LED.bmp" ALIAS picture TYPE Sequencer wait)").code,
              MciCannotOpenFile);
    EXPECT_EQ(send("Play picture").code, MciNotReady);
    EXPECT_EQ(send(R"(Open "c:\program files\tumblecrag\LED.bmp" ALIAS noise TYPE Waveaudio wait)").code,
              MciCannotOpenFile);
    EXPECT_EQ(send(R"(Open c:\clips\intro.avi ALIAS clip TYPE AviVideo wait)").code, MciUnsupportedType);
    EXPECT_EQ(send("Status clip mode").reply, "not ready");
}

TEST_F(OnDisk, ASeekToANumberThatIsNotFiniteIsABadCommandAndChangesNothing)
{
    ASSERT_EQ(send(R"(Open "C:\Windows\media\Jungle Restore Up.wav" ALIAS jingle TYPE Waveaudio wait)").code, MciOk);
    ASSERT_EQ(send("Seek jingle to 200").code, MciOk);
    for (const char *target : {"nan", "NAN", "inf", "+INF", "-inf", "1e999"}) {
        EXPECT_EQ(send(QStringLiteral("Seek jingle to %1").arg(QLatin1String(target))).code, MciBadCommand) << target;
        EXPECT_EQ(number("Status jingle position"), 200.0) << target;
        EXPECT_EQ(send("Status jingle mode").reply, "stopped") << target;
    }
    ASSERT_EQ(send("Play jingle").code, MciOk);
    EXPECT_GE(number("Status jingle position"), 200.0);
    send("Close jingle");

    mediaseam::setMinuteOfHour(5);
    MMedia1 player;
    player.mmOpen("C:\\Windows\\media\\ding.wav");
    player.mmSeek(100);
    for (float target : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()}) {
        player.mmSeek(target);
        EXPECT_EQ(player.Position(), 100.0f) << target;
    }
    player.mmPlay();
    EXPECT_EQ(player.Status(), "playing");
    EXPECT_GE(player.Position(), 100.0f);
    player.mmClose();
}

TEST_F(OnDisk, ASongOrWaveThatCannotBeLoadedIsSilenceWithOneWarningNamingIt)
{
    QTemporaryDir folder;
    auto corrupt = [&folder](const char *name, const QByteArray &bytes) {
        QFile file(folder.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QStringList songs = {QStringLiteral(R"(c:\program files\tumblecrag\nosuch.mid)"),
                               corrupt("broken.mid", "MThd not a song"),
                               QStringLiteral(R"(c:\program files\tumblecrag\LED.bmp)")};
    const QStringList waves = {QStringLiteral(R"(C:\Windows\media\nosuch.wav)"),
                               corrupt("broken.wav", "RIFF....WAVEfmt ")};
    const QString effectOnly = QStringLiteral(R"(C:\Windows\media\gone.wav)");

    testing::internal::CaptureStderr();
    for (const char *alias : {"first", "again"}) {
        for (const QString &file : songs) {
            EXPECT_EQ(send(QStringLiteral(R"(Open "%1" ALIAS %2 TYPE Sequencer wait)").arg(file, alias)).code,
                      MciCannotOpenFile);
            send(QStringLiteral("Close %1").arg(alias));
        }
        for (const QString &file : waves) {
            EXPECT_EQ(send(QStringLiteral(R"(Open "%1" ALIAS %2 TYPE Waveaudio wait)").arg(file, alias)).code,
                      MciCannotOpenFile);
            send(QStringLiteral("Close %1").arg(alias));
        }
        // The sound effects meet the same waves: still one warning each.
        for (const QString &file : waves + QStringList{effectOnly})
            EXPECT_EQ(sndPlaySound(file, SND_ASYNC), 0);
    }
    EXPECT_EQ(sndPlaySound("C:\\Windows\\media\\ding.wav", SND_ASYNC), 1);
    EXPECT_EQ(send(R"(Open "c:\program files\tumblecrag\midone.mid" ALIAS song TYPE Sequencer wait)").code, MciOk);
    send("Close song");
    const QString warnings = QString::fromStdString(testing::internal::GetCapturedStderr());

    for (const QString &file : songs + waves + QStringList{effectOnly})
        EXPECT_EQ(linesNaming(warnings, file), 1) << qPrintable(file) << " in:\n" << qPrintable(warnings);
    EXPECT_FALSE(warnings.contains("ding.wav")) << qPrintable(warnings);
    EXPECT_FALSE(warnings.contains("midone.mid")) << qPrintable(warnings);
}

TEST_F(OnDisk, WavesOfEveryCommonFormPlayWholeWithoutAWarning)
{
    QTemporaryDir folder;
    const std::vector<ForeignWave> waves = foreignWaves();
    QStringList files;
    testing::internal::CaptureStderr();
    for (const ForeignWave &wave : waves) {
        files.append(written(folder, wave.name, wave.bytes));
        const Sent opened = send(QStringLiteral(R"(Open "%1" ALIAS form TYPE Waveaudio wait)").arg(files.last()));
        EXPECT_EQ(opened.code, MciOk) << qPrintable(wave.name);
        if (opened.code == MciOk) {
            // Within rounding and a last ADPCM block that is not full, which
            // the mixer leaves out.
            EXPECT_NEAR(number("Status form length"), wave.ms, 2.0) << qPrintable(wave.name);
            const qint64 beforePlay = writtenSoFar();
            EXPECT_EQ(send("Play form wait").code, MciOk) << qPrintable(wave.name);
            pause(100);
            EXPECT_GT(loudestFrom(beforePlay), 1000) << qPrintable(wave.name);
        }
        send("Close form");
    }
    for (const QString &file : files)
        EXPECT_EQ(sndPlaySound(file, SND_ASYNC), 1) << qPrintable(file);
    const QString warnings = QString::fromStdString(testing::internal::GetCapturedStderr());
    for (const QString &file : files)
        EXPECT_EQ(linesNaming(warnings, file), 0) << qPrintable(file) << " in:\n" << qPrintable(warnings);
}

TEST_F(OnDisk, AWaveCutShortIsSilenceWithOneWarningNamingIt)
{
    QTemporaryDir folder;
    QStringList cut;
    for (const ForeignWave &wave : foreignWaves()) {
        const QString stem = wave.name.chopped(4);
        cut.append(written(folder, stem + "-half.wav", wave.bytes.left(wave.bytes.size() / 2)));
        cut.append(written(folder, stem + "-header.wav", wave.bytes.left(44)));
        cut.append(written(folder, stem + "-onebyteshort.wav", wave.bytes.left(wave.samplesEnd - 1)));
    }

    testing::internal::CaptureStderr();
    for (const char *alias : {"first", "again"}) {
        for (const QString &file : cut) {
            EXPECT_EQ(send(QStringLiteral(R"(Open "%1" ALIAS %2 TYPE Waveaudio wait)").arg(file, alias)).code,
                      MciCannotOpenFile)
                << qPrintable(file);
            EXPECT_EQ(send(QStringLiteral("Status %1 mode").arg(alias)).reply, "not ready") << qPrintable(file);
            send(QStringLiteral("Close %1").arg(alias));
            EXPECT_EQ(sndPlaySound(file, SND_ASYNC), 0) << qPrintable(file);
        }
    }
    const QString warnings = QString::fromStdString(testing::internal::GetCapturedStderr());
    for (const QString &file : cut)
        EXPECT_EQ(linesNaming(warnings, file), 1) << qPrintable(file) << " in:\n" << qPrintable(warnings);
}

TEST_F(OnDisk, ASongThatKeepsItsRunningStatusAcrossAMetaEventOpensPlaysAndLastsItsQuarter)
{
    // One track of 480 ticks a quarter and no tempo event, so its one quarter
    // lasts 500 ms; the note ends in the running status of its start, over a
    // text event.
    const QByteArray song = QByteArray::fromHex("4D546864 00000006 0000 0001 01E0"
                                                "4D54726B 00000011"
                                                "00 903C64  00 FF010158  8360 3C00  00 FF2F00");
    QTemporaryDir folder;
    const QString file = written(folder, "textinside.mid", song);

    testing::internal::CaptureStderr();
    const Sent opened = send(QStringLiteral(R"(Open "%1" ALIAS tune TYPE Sequencer wait)").arg(file));
    const QString warnings = QString::fromStdString(testing::internal::GetCapturedStderr());
    ASSERT_EQ(opened.code, MciOk) << qPrintable(warnings);
    EXPECT_EQ(linesNaming(warnings, file), 0) << qPrintable(warnings);
    EXPECT_EQ(number("Status tune length"), 500.0);

    const qint64 beforePlay = writtenSoFar();
    ASSERT_EQ(send("Play tune").code, MciOk);
    pause(300);
    EXPECT_EQ(send("Status tune mode").reply, "playing");
    EXPECT_GT(loudestFrom(beforePlay), 1000);
    send("Close tune");
}
