#pragma once
#include <QPixmap>
#include <QString>

// A picture as LoadPicture returns it: the bitmap and the game path it came
// from (controls remember the path; tests read it back).
struct Picture
{
    QString path;
    QPixmap pixmap;
};

// Loads a bitmap by the game's path, mapped onto the data folder. Pictures
// are kept after their first load. A missing file, or one that cannot be
// read as a picture (a bitmap shorter than its headers say among them),
// raises a RuntimeError that says which and names both the game's path and
// the file looked for.
Picture LoadPicture(const QString &gamePath);
