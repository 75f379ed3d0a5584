// A machine without a sound device: the game plays on in silence, and says
// once, with the audio library's reason, that it plays without sound.
#include "table_fixture.h"

#include "media/media_testing.h"
#include "toolkit/audio_device.h"
#include "toolkit/dialogs.h"

#include <QTemporaryDir>

namespace {

// The lines the game itself wrote, each beginning with its name.
QStringList linesOfOurOwn(const QString &errors)
{
    QStringList own;
    for (const QString &line : errors.split('\n', Qt::SkipEmptyParts))
        if (line.startsWith(applicationTitle() + ": "))
            own.append(line);
    return own;
}

} // namespace

TEST(NoSoundDevice, TheGamePlaysOnSilentlyAndSaysWhyOnceARun)
{
    QTemporaryDir folder;
    struct Cause
    {
        const char *name;
        QByteArray driver;
        QString diskFile;
        QString reason;
    };
    // No such driver fails the audio library's start; a device that will not
    // open fails the mixer's open.
    const Cause causes[] = {
        {"no such driver", "nosuchdriver", {}, "nosuchdriver"},
        {"a device that will not open", "disk", folder.filePath("gone/out.raw"), folder.filePath("gone/out.raw")},
    };
    for (const Cause &cause : causes) {
        SCOPED_TRACE(cause.name);
        seam::resetAll();
        qputenv("SDL_AUDIODRIVER", cause.driver);
        qputenv("SDL_DISKAUDIOFILE", cause.diskFile.toLocal8Bit());
        testing::internal::CaptureStderr();

        EXPECT_FALSE(openAudioDevice());
        frmTumblecrag &table = openTable();
        click(table.RainButton1);
        EXPECT_EQ(Module1.RollCount.value(), 1);
        seam::scriptMsgBox(vbYes);
        choose(table, "mnuStartMusic");
        mediaseam::clearCommands();
        tick(table, "TimerMusic", 2);
        const QStringList songCommands = mediaseam::commands();
        click(table.cmdChance);
        // A second try in the same run finds no device either, and adds nothing.
        EXPECT_FALSE(openAudioDevice());

        const QString errors = QString::fromStdString(testing::internal::GetCapturedStderr());
        const QStringList told = linesOfOurOwn(errors);
        ASSERT_EQ(told.size(), 1) << qPrintable(errors);
        EXPECT_TRUE(told[0].contains("plays without sound")) << qPrintable(told[0]);
        EXPECT_TRUE(told[0].contains(cause.reason)) << qPrintable(told[0]);

        // Everything else as with sound: the effects and the song were asked
        // for, the turn counted, no box and no run-time error.
        EXPECT_FALSE(audioDeviceOpen());
        EXPECT_FALSE(table.txtChance->text().isEmpty()) << "the entry scored";
        EXPECT_EQ(Module1.MusicTick.value(), 2);
        EXPECT_EQ(songCommands.size(), 2) << qPrintable(songCommands.join('\n'));
        EXPECT_TRUE(seam::sounds().contains(R"(C:\Windows\media\notify.wav)"));
        EXPECT_TRUE(seam::sounds().contains(R"(C:\Windows\media\Jungle Restore Up.wav)"));
        EXPECT_EQ(seam::dialogs().size(), 1u) << "only the Start Music question";
        EXPECT_TRUE(seam::runtimeErrors().isEmpty()) << qPrintable(seam::runtimeErrors().join('\n'));
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
}
