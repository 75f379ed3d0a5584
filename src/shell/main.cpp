// Creates the application, opens the audio and shows the first window.
#include "game/frmTumblecrag.h"
#include "toolkit/audio_device.h"
#include "toolkit/dialogs.h"
#include "toolkit/program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationTitle());
    openAudioDevice();
    runHandler([] { form<frmTumblecrag>().Show(); });
    const int status = endWasRequested() ? requestedExitCode() : app.exec();
    closeAudioDevice();
    return status;
}
