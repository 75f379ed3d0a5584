// The run-time services the game is written against.
#include "toolkit/errors.h"
#include "toolkit/form.h"
#include "toolkit/integer.h"
#include "toolkit/paths.h"
#include "toolkit/picture.h"
#include "toolkit/program.h"
#include "toolkit/random.h"
#include "toolkit/testing.h"
#include "toolkit/text.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

TEST(Integer, EveryStepOutsideSixteenBitsThrowsAndStoresNothing)
{
    Integer top = 32767;
    EXPECT_THROW(top += 1, OverflowError);
    EXPECT_EQ(top.value(), 32767);
    Integer bottom = -32768;
    EXPECT_THROW(bottom -= 1, OverflowError);
    EXPECT_EQ(bottom.value(), -32768);
    EXPECT_THROW(-bottom, OverflowError);
    EXPECT_THROW(Integer(40000), OverflowError);
    EXPECT_THROW(Integer(200) * Integer(200), OverflowError);
    EXPECT_EQ((Integer(32766) + 1).value(), 32767);
    EXPECT_TRUE(Integer(3) < 4);
    EXPECT_TRUE(Integer(3) == 3);
}

TEST(TextForms, StrCStrValAndConversions)
{
    EXPECT_EQ(Str(50), " 50");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-10), "-10");
    EXPECT_EQ(CStr(50), "50");
    EXPECT_EQ(CStr(-10), "-10");

    EXPECT_EQ(Val("45 seconds"), 45.0);
    EXPECT_EQ(Val("   12.5"), 12.5);
    EXPECT_EQ(Val("-5"), -5.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("7abc"), 7.0);

    EXPECT_EQ(CInt(12.5).value(), 12);
    EXPECT_EQ(CInt(13.5).value(), 14);
    EXPECT_EQ(CInt(-2.5).value(), -2);
    EXPECT_EQ(CInt(2.6).value(), 3);
    EXPECT_EQ(CInt(32767.4).value(), 32767);
    EXPECT_THROW(CInt(32767.5), OverflowError);
    EXPECT_THROW(CInt(-40000), OverflowError);

    EXPECT_EQ(Int(5.99).value(), 5);
    EXPECT_EQ(Int(-0.5).value(), -1);
    EXPECT_EQ(Int(0.9999999 * 6 + 1).value(), 6);
}

TEST(Centring, DifferenceHalvedTowardZero)
{
    EXPECT_EQ(centredTwips(19200, 11265), 3967);
    EXPECT_EQ(centredTwips(100, 201), -50);
    EXPECT_EQ(centredTwips(11265, 11265), 0);
}

TEST(Paths, GameFoldersMapOntoTheDataFolderInAnyCase)
{
    const QString data = dataDirectory();
    EXPECT_EQ(mapPath("c:\\program files\\tumblecrag\\CUBE1.bmp"), data + "/CUBE1.bmp");
    EXPECT_EQ(mapPath("C:\\Program Files\\TumbleCrag\\stored\\led.bmp"), data + "/stored/led.bmp");
    EXPECT_EQ(mapPath("C:\\Windows\\media\\Jungle Restore Up.wav"), data + "/media/Jungle Restore Up.wav");
    EXPECT_EQ(mapPath("c:\\WINDOWS\\MEDIA\\ding.wav"), data + "/media/ding.wav");
    EXPECT_EQ(mapPath("d:\\elsewhere\\x.bmp"), "d:/elsewhere/x.bmp");
}

TEST(Random, ReseedingBeforeEveryDrawNeverRepeatsTheDraws)
{
    std::set<double> seen;
    std::array<int, 6> faces{};
    for (int i = 0; i < 6000; ++i) {
        Randomize();
        const double value = Rnd();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        seen.insert(value);
        ++faces[Int(value * 6 + 1).value() - 1];
    }
    EXPECT_EQ(seen.size(), 6000u);
    for (int count : faces) {
        EXPECT_GT(count, 800);
        EXPECT_LT(count, 1200);
    }
    seam::queueRnd({0.25, seam::rndFor(4, 6)});
    EXPECT_EQ(Rnd(), 0.25);
    EXPECT_EQ(Int(Rnd() * 6 + 1).value(), 4);
}

TEST(RuntimeErrors, AMissingOrBrokenPictureNamesBothPathsAndEndsTheProgram)
{
    try {
        LoadPicture("c:\\program files\\tumblecrag\\nothere.bmp");
        FAIL() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_TRUE(e.message().contains("c:\\program files\\tumblecrag\\nothere.bmp"));
        EXPECT_TRUE(e.message().contains(dataDirectory() + "/nothere.bmp"));
    }
    // A file that is there but no picture is not reported as missing.
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a bitmap");
    broken.close();
    const QString gamePath = dir.path() + "\\broken.bmp";
    try {
        LoadPicture(gamePath);
        FAIL() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), 481);
        EXPECT_TRUE(e.message().startsWith("Invalid picture")) << qPrintable(e.message());
        EXPECT_TRUE(e.message().contains(gamePath));
        EXPECT_TRUE(e.message().contains(broken.fileName()));
    }

    bool after = false;
    runHandler([&] {
        LoadPicture("c:\\program files\\tumblecrag\\nothere.bmp");
        after = true;
    });
    EXPECT_FALSE(after);
    ASSERT_EQ(seam::runtimeErrors().size(), 1);
    EXPECT_TRUE(seam::runtimeErrors().front().contains("nothere.bmp"));
    EXPECT_TRUE(seam::endRequested());
    EXPECT_EQ(seam::exitCode(), 1);
}

TEST(RuntimeErrors, ABitmapShorterThanItsHeaderSaysIsAnInvalidPicture)
{
    QFile generated(dataDirectory() + "/dicespot5.bmp");
    ASSERT_TRUE(generated.open(QIODevice::ReadOnly));
    const QByteArray whole = generated.readAll();
    QTemporaryDir dir;
    auto copy = [&dir](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir.path() + "\\" + name;
    };

    const Picture intact = LoadPicture(copy("whole.bmp", whole));
    EXPECT_FALSE(intact.pixmap.isNull());

    for (const qsizetype size : {whole.size() / 2, whole.size() - 1, qsizetype(60)}) {
        const QString name = QStringLiteral("cut%1.bmp").arg(size);
        const QString gamePath = copy(name, whole.left(size));
        try {
            LoadPicture(gamePath);
            ADD_FAILURE() << "no error raised for " << size << " of " << whole.size() << " bytes";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), 481);
            EXPECT_TRUE(e.message().startsWith("Invalid picture")) << qPrintable(e.message());
            EXPECT_TRUE(e.message().contains(gamePath)) << qPrintable(e.message());
            EXPECT_TRUE(e.message().contains(dir.filePath(name))) << qPrintable(e.message());
        }
    }
}

TEST(RuntimeErrors, AnOverflowInAHandlerIsReportedNotWrappedAndNothingRunsAfterIt)
{
    Integer value = 32767;
    runHandler([&] { value += 1; });
    EXPECT_EQ(value.value(), 32767);
    ASSERT_EQ(seam::runtimeErrors().size(), 1);
    EXPECT_TRUE(seam::runtimeErrors().front().contains("Overflow"));
    EXPECT_EQ(seam::exitCode(), 1);

    // The program is ending: a tick that comes while the error box is open
    // must not fail again and stack a second box on the first.
    runHandler([&] { value += 1; });
    EXPECT_EQ(seam::runtimeErrors().size(), 1);
}
