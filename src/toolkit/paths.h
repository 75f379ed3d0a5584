#pragma once
#include <QString>

// The data folder share/tumblecrag/ beside the executable's bin/ folder.
QString dataDirectory();

// Maps the game's Windows paths onto the data folder: the install folder
// "c:\program files\tumblecrag\" (any case) to share/tumblecrag/ and the
// media folder "C:\Windows\media\" to share/tumblecrag/media/. Other paths
// only get their separators turned.
QString mapPath(const QString &gamePath);
