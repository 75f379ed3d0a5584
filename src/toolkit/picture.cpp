#include "picture.h"

#include "bitmap_size.h"
#include "errors.h"
#include "paths.h"

#include <QFileInfo>
#include <QHash>

Picture LoadPicture(const QString &gamePath)
{
    static QHash<QString, QPixmap> cache;
    const QString file = mapPath(gamePath);
    auto found = cache.constFind(file);
    if (found != cache.constEnd())
        return {gamePath, found.value()};
    QPixmap pixmap;
    if (!pixmap.load(file) || isCutBitmap(file)) {
        if (!QFileInfo::exists(file))
            throw RuntimeError(53, QStringLiteral("File not found: %1 (looked for %2)").arg(gamePath, file));
        throw RuntimeError(481,
                           QStringLiteral("Invalid picture: %1 (%2 cannot be read as a picture)").arg(gamePath, file));
    }
    cache.insert(file, pixmap);
    return {gamePath, pixmap};
}
