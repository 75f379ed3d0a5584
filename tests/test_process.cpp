// The real program as a process: it starts and ends on the signals a
// desktop sends (a logout, kill, Ctrl+C), with its sound device open.
#include <QCoreApplication>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>

namespace {

void expectEndsOn(int signal)
{
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    game.setProcessEnvironment(environment);
    game.start(QCoreApplication::applicationDirPath() + "/tumblecrag", {});
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
