#pragma once
#include <QString>

// Whether a file is a bitmap holding fewer bytes than its headers say its
// pixels take: a cut copy, which the image reader would still load, with the
// missing rows black.
bool isCutBitmap(const QString &file);
