#include "../generate.h"
#include "songs.h"

// Each song fills its slot in the music schedule, ending a second early so
// its last chord is not cut off when the next song is opened.
void writeSongs(const QString &dataDir)
{
    const QString dir = dataDir + "/";
    shuffleSong().write(dir + "midseven.mid", 65.0);
    waltzSong().write(dir + "midone.mid", 179.0);
    bossaSong().write(dir + "midtwo.mid", 178.0);
    reelSong().write(dir + "midthree.mid", 48.0);
    balladSong().write(dir + "midfour.mid", 125.0);
}
