#include "silence_warning.h"

#include "dialogs.h"
#include "seam_state.h"

#include <QSet>
#include <cstdio>

namespace {

QSet<QString> &warned()
{
    static QSet<QString> causes;
    return causes;
}

const bool resetRegistered = [] {
    seam::resetHooks().push_back([] { warned().clear(); });
    return true;
}();

void warnOnce(const QString &cause, const QString &message)
{
    if (warned().contains(cause))
        return;
    warned().insert(cause);
    const QString line = QStringLiteral("%1: %2").arg(applicationTitle(), message);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

void warnCannotLoad(const QString &gamePath, const QString &file)
{
    warnOnce(file, QStringLiteral("cannot load %1 (%2); it plays as silence").arg(gamePath, file));
}

void warnNoSoundDevice(const QString &reason)
{
    // No file is named by an empty path, so this cause never meets a file's.
    warnOnce(QString(),
             QStringLiteral("no sound device could be opened (%1); the game plays without sound")
                 .arg(reason.isEmpty() ? QStringLiteral("no reason given") : reason));
}
