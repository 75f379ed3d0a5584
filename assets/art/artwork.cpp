#include "generate.h"

#include "parts.h"

void writeArtwork(const QString &dataDir)
{
    writeDiceFaces(dataDir);
    writeTumbleFrames(dataDir);
    writeHeldDice(dataDir);
    writeLed(dataDir);
    writeBackgrounds(dataDir);
    writeStoredDice(dataDir);
    writeSectionStrips(dataDir);
    writeFootprints(dataDir);
    writeSplashTexture(dataDir);
}
