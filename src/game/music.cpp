#include "frmTumblecrag.h"

#include "media/mmedia1.h"
#include "module1.h"

namespace {

struct Song
{
    int second;
    const char16_t *file;
};

// The seconds of the ten-minute cycle at which each song starts.
constexpr Song Schedule[] = {
    {2, u"c:\\program files\\tumblecrag\\midseven.mid"},
    {68, u"c:\\program files\\tumblecrag\\midone.mid"},
    {248, u"c:\\program files\\tumblecrag\\midtwo.mid"},
    {427, u"c:\\program files\\tumblecrag\\midthree.mid"},
    {476, u"c:\\program files\\tumblecrag\\midfour.mid"},
};

constexpr int CycleSeconds = 600;

// The one player of the run, made by whichever code needs it first.
MMedia1 &musicPlayer()
{
    if (!Module1.MusicPlayer)
        Module1.MusicPlayer = std::make_shared<MMedia1>();
    return *Module1.MusicPlayer;
}

} // namespace

void frmTumblecrag::TimerMusic_Timer()
{
    Module1.MusicTick += 1;
    for (const Song &song : Schedule) {
        if (Module1.MusicTick == song.second) {
            musicPlayer().mmOpen(QString::fromUtf16(song.file));
            musicPlayer().mmPlay();
        }
    }
    if (Module1.MusicTick == CycleSeconds)
        Module1.MusicTick = 0;
}

void frmTumblecrag::StopMusicPlayer()
{
    musicPlayer().mmStop();
}
