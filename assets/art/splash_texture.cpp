#include "parts.h"

#include "bmp_file.h"
#include "ripples.h"

void writeSplashTexture(const QString &dataDir)
{
    saveBmp(violetRipples(QSize(500, 300), QPoint(0, 0)), dataDir + "/stored/splash-texture.bmp");
}
