#include "launcher.h"

#include "shell_seam_state.h"
#include "toolkit/errors.h"
#include "toolkit/paths.h"
#include "toolkit/seam_state.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace seam {

ShellState &shellState()
{
    static ShellState state;
    return state;
}

namespace {
const bool registered = [] {
    resetHooks().push_back([] { shellState() = ShellState{}; });
    return true;
}();
} // namespace

} // namespace seam

namespace {

QStringList matches(const QString &pathName)
{
    const QFileInfo mapped(mapPath(pathName));
    return QDir(mapped.path()).entryList({mapped.fileName()}, QDir::Files | QDir::Hidden, QDir::Name);
}

// The file a Windows path names here: the mapped path, or the one file of its
// folder whose name differs only in case.
QString resolvedFile(const QString &pathName)
{
    const QString mapped = mapPath(pathName);
    if (QFileInfo(mapped).isFile())
        return mapped;
    const QFileInfo info(mapped);
    for (const QString &name : QDir(info.path()).entryList(QDir::Files | QDir::Hidden))
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return info.dir().filePath(name);
    return mapped;
}

} // namespace

QString Dir(const QString &pathName)
{
    seam::shellState().fileTests.append(pathName);
    if (pathName.isEmpty())
        return QString();
    const QStringList found = matches(pathName);
    return found.isEmpty() ? QString() : found.first();
}

qint64 Shell(const QString &pathName, int)
{
    seam::shellState().launches.append(pathName);
    if (pathName.trimmed().isEmpty())
        throw RuntimeError(5, QStringLiteral("Invalid procedure call or argument"));
    const QString program = resolvedFile(pathName);
    if (seam::state().testMode && !seam::shellState().launchForReal) {
        const QFileInfo info(program);
        if (!info.isFile() || !info.isExecutable())
            throw RuntimeError(53, QStringLiteral("File not found: %1").arg(pathName));
        return 1;
    }
    qint64 pid = 0;
    if (!QProcess::startDetached(program, {}, QString(), &pid))
        throw RuntimeError(53, QStringLiteral("File not found: %1").arg(pathName));
    return pid;
}
