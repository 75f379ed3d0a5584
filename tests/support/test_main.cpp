// One QApplication per test process, on the offscreen platform, with the
// toolkit in test mode and a fresh game state for every test.
#include "toolkit/testing.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class FreshState : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override { seam::resetAll(); }
    void OnTestEnd(const ::testing::TestInfo &) override { seam::resetAll(); }
};

// The offscreen platform cannot raise a window or pass on size hints, and
// says so on every Show.
void quietRaise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    qInstallMessageHandler(quietRaise);
    QApplication app(argc, argv);
    seam::enableTestMode();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
    return RUN_ALL_TESTS();
}
