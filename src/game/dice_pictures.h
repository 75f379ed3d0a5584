#pragma once
// The bitmaps a die shows: its six faces and the twenty frames of its
// tumble, shared by the table's dice and the slot window's reels.
#include <QString>

constexpr int TumbleFrames = 20;

// "c:\program files\tumblecrag\dicespot<face>.bmp", face 1 to 6.
const QString &diceFacePath(int face);

// "c:\program files\tumblecrag\CUBE<frame>.bmp", frame 1 to 20.
const QString &tumbleFramePath(int frame);
