#include "program.h"

#include "dialogs.h"
#include "errors.h"
#include "seam_state.h"

#include <QApplication>
#include <QWidget>
#include <exception>

namespace {

void requestEnd(int exitCode)
{
    auto &seams = seam::state();
    seams.endRequested = true;
    seams.exitCode = exitCode;
    if (seams.testMode)
        return;
    QApplication::closeAllWindows();
    QCoreApplication::exit(exitCode);
}

void reportRuntimeError(const QString &text)
{
    auto &seams = seam::state();
    seams.runtimeErrors.append(text);
    seams.failed = true;
    if (!seams.testMode)
        MsgBox(text, vbCritical, applicationTitle());
    requestEnd(1);
}

} // namespace

void End(int exitCode)
{
    requestEnd(exitCode);
    throw EndRequested{};
}

void runHandler(const std::function<void()> &handler)
{
    const auto &seams = seam::state();
    if (seams.failed || (seams.endRequested && !seams.testMode))
        return;
    try {
        handler();
    } catch (const EndRequested &) {
    } catch (const RuntimeError &e) {
        reportRuntimeError(QStringLiteral("Run-time error '%1':\n\n%2").arg(e.number()).arg(e.message()));
    } catch (const std::exception &e) {
        reportRuntimeError(QStringLiteral("Run-time error:\n\n%1").arg(QString::fromLocal8Bit(e.what())));
    }
}

bool endWasRequested()
{
    return seam::state().endRequested;
}

int requestedExitCode()
{
    return seam::state().exitCode;
}
