// The real program as a process: it starts and ends on the signals a
// desktop sends (a logout, kill, Ctrl+C), with its sound device open, and
// starts without one.
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>

namespace {

void start(QProcess &game, const QString &audioDriver)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", audioDriver);
    game.setProcessEnvironment(environment);
    game.start(QCoreApplication::applicationDirPath() + "/tumblecrag", {});
}

void expectEndsOn(int signal)
{
    QProcess game;
    start(game, "dummy");
    ASSERT_TRUE(game.waitForStarted(5000));
    // Still running after start-up: the first window is up and waiting.
    EXPECT_FALSE(game.waitForFinished(1500));
    ASSERT_EQ(game.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(game.processId()), signal);
    EXPECT_TRUE(game.waitForFinished(5000)) << "the program ignored signal " << signal;
    if (game.state() != QProcess::NotRunning) {
        game.kill();
        game.waitForFinished(2000);
    }
}

} // namespace

TEST(Process, EndsOnSigtermAndSigint)
{
    expectEndsOn(SIGTERM);
    expectEndsOn(SIGINT);
}

TEST(Process, WithoutASoundDeviceItRunsOnAndSaysSoInOneLine)
{
    QProcess game;
    start(game, "nosuchdriver");
    ASSERT_TRUE(game.waitForStarted(5000));
    EXPECT_FALSE(game.waitForFinished(1500)) << "the program did not stay up";
    ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    EXPECT_TRUE(game.waitForFinished(5000));
    if (game.state() != QProcess::NotRunning) {
        game.kill();
        game.waitForFinished(2000);
    }
    const QStringList said = QString::fromLocal8Bit(game.readAllStandardError()).split('\n');
    EXPECT_EQ(said.filter("Tumble Crag: ").size(), 1) << qPrintable(said.join('\n'));
    EXPECT_EQ(said.filter(QRegularExpression("^Tumble Crag: no sound device could be opened \\(.*nosuchdriver.*\\); "
                                             "the game plays without sound$"))
                  .size(),
              1)
        << qPrintable(said.join('\n'));
}
