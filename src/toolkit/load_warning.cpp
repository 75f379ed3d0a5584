#include "load_warning.h"

#include "dialogs.h"
#include "seam_state.h"

#include <QSet>
#include <cstdio>

namespace {

QSet<QString> &warned()
{
    static QSet<QString> files;
    return files;
}

const bool resetRegistered = [] {
    seam::resetHooks().push_back([] { warned().clear(); });
    return true;
}();

} // namespace

void warnCannotLoad(const QString &gamePath, const QString &file)
{
    if (warned().contains(file))
        return;
    warned().insert(file);
    const QString line = QStringLiteral("%1: cannot load %2 (%3); it plays as silence")
                             .arg(applicationTitle(), gamePath, file);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}
