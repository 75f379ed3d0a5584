#include "picture.h"

#include "errors.h"
#include "paths.h"

#include <QHash>

Picture LoadPicture(const QString &gamePath)
{
    static QHash<QString, QPixmap> cache;
    const QString file = mapPath(gamePath);
    auto found = cache.constFind(file);
    if (found != cache.constEnd())
        return {gamePath, found.value()};
    QPixmap pixmap;
    if (!pixmap.load(file))
        throw RuntimeError(53, QStringLiteral("File not found: %1 (looked for %2)").arg(gamePath, file));
    cache.insert(file, pixmap);
    return {gamePath, pixmap};
}
