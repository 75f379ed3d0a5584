// Creates the application, opens the audio and shows the splash window; the
// last window to close ends the program.
#include "media/mci.h"
#include "shell/frnTumblecragSplash.h"
#include "shell/registry.h"
#include "toolkit/audio_device.h"
#include "toolkit/dialogs.h"
#include "toolkit/program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationTitle());
    openAudioDevice();
    loadSystemRegistry();
    runHandler([] { form<frnTumblecragSplash>().Show(); });
    const int status = endWasRequested() ? requestedExitCode() : app.exec();
    // Release the songs before the mixer goes away.
    mciSendString("Close all", nullptr, 0, 0);
    closeAudioDevice();
    return status;
}
