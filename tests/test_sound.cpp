// The sound effects on a real mixer, through SDL's dummy driver: each test
// opens the sound device and closes it again.
#include "toolkit/audio_device.h"
#include "toolkit/sound.h"
#include "toolkit/testing.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QString Ding = QStringLiteral("C:\\Windows\\media\\ding.wav");
const QString Chord = QStringLiteral("C:\\Windows\\media\\chord.wav");
const QString Missing = QStringLiteral("C:\\Windows\\media\\nosuch.wav");

class SoundDevice : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(openAudioDevice()); }
    void TearDown() override { closeAudioDevice(); }
};

} // namespace

TEST_F(SoundDevice, DecodedSoundsAreFreedWhenTheDeviceClosesAndDecodedAnewAfter)
{
    EXPECT_EQ(sndPlaySound(Ding, SND_ASYNC), 1);
    EXPECT_EQ(sndPlaySound(Chord, SND_ASYNC), 1);
    EXPECT_EQ(sndPlaySound(Ding, SND_ASYNC), 1);
    EXPECT_EQ(sndPlaySound(Missing, SND_ASYNC), 0);
    EXPECT_EQ(seam::decodedSounds(), 2);

    closeAudioDevice();
    EXPECT_EQ(seam::decodedSounds(), 0);
    EXPECT_EQ(sndPlaySound(Ding, SND_ASYNC), 0);
    EXPECT_EQ(seam::decodedSounds(), 0);

    // Opened again, a sound plays from a fresh decoding, and a file that
    // could not be loaded is not reported a second time.
    ASSERT_TRUE(openAudioDevice());
    testing::internal::CaptureStderr();
    EXPECT_EQ(sndPlaySound(Ding, SND_ASYNC), 1);
    EXPECT_EQ(sndPlaySound(Missing, SND_ASYNC), 0);
    const QString warnings = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(seam::decodedSounds(), 1);
    EXPECT_FALSE(warnings.contains("nosuch.wav")) << qPrintable(warnings);
}
