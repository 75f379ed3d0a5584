#pragma once
#include <QString>

// Each writer draws one family of pictures into the data folder.
void writeDiceFaces(const QString &dataDir);      // dicespot1..6
void writeTumbleFrames(const QString &dataDir);   // CUBE1..20
void writeHeldDice(const QString &dataDir);       // helddice1..4, 6, 7
void writeLed(const QString &dataDir);            // LED
void writeBackgrounds(const QString &dataDir);    // the nine scenes
void writeStoredDice(const QString &dataDir);     // stored/ die pictures and icon
void writeSectionStrips(const QString &dataDir);  // stored/strip-*
void writeFootprints(const QString &dataDir);     // stored/footprint-*
void writeSplashTexture(const QString &dataDir);  // stored/splash-texture
