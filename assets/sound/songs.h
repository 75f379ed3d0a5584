#pragma once
#include "song.h"

// The five songs of the music schedule.
music::Song shuffleSong();  // bright pop shuffle in G
music::Song waltzSong();    // calm waltz in F
music::Song bossaSong();    // bossa nova in D minor
music::Song reelSong();     // brisk reel in A
music::Song balladSong();   // jazz ballad in E flat
