#include "paths.h"

#include <QCoreApplication>
#include <QDir>

QString dataDirectory()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/tumblecrag");
}

QString mapPath(const QString &gamePath)
{
    static const QString installFolder = QStringLiteral("c:\\program files\\tumblecrag\\");
    static const QString mediaFolder = QStringLiteral("c:\\windows\\media\\");
    QString rest;
    QString base;
    if (gamePath.startsWith(installFolder, Qt::CaseInsensitive)) {
        base = dataDirectory() + "/";
        rest = gamePath.mid(installFolder.size());
    } else if (gamePath.startsWith(mediaFolder, Qt::CaseInsensitive)) {
        base = dataDirectory() + "/media/";
        rest = gamePath.mid(mediaFolder.size());
    } else {
        return QString(gamePath).replace('\\', '/');
    }
    return base + rest.replace('\\', '/');
}
