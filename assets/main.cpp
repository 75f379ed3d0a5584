// Asset generator: draws every picture, synthesises every wave sound and
// composes every song the game reads. Run by the build; deterministic.
#include "generate.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
        return 2;
    }
    const QString dataDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dataDir + "/media") || !QDir().mkpath(dataDir + "/stored")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        writeArtwork(dataDir);
        writeSounds(dataDir);
        writeSongs(dataDir);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "asset generation failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
