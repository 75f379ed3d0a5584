#pragma once
// What belongs to each of the five dice of the table, die 1 at [0]: its face
// and hold flag, its tumble's frame counter, its dice box, rack box and
// tumble timer.
#include "frmTumblecrag.h"
#include "module1.h"

#include <array>

struct DieParts
{
    Integer GameState::*face;
    Integer GameState::*hold;
    Integer GameState::*tick;
    PictureBox *frmTumblecrag::*box;
    PictureBox *frmTumblecrag::*rack;
    Timer *frmTumblecrag::*tumble;
};

inline constexpr std::array<DieParts, 5> FiveDice{{
    {&GameState::Die1, &GameState::Hold1, &GameState::DieTick1, &frmTumblecrag::picPicture1,
     &frmTumblecrag::picDiceRack1, &frmTumblecrag::timTimer1},
    {&GameState::Die2, &GameState::Hold2, &GameState::DieTick2, &frmTumblecrag::picPicture2,
     &frmTumblecrag::picDiceRack2, &frmTumblecrag::timTimer2},
    {&GameState::Die3, &GameState::Hold3, &GameState::DieTick3, &frmTumblecrag::picPicture3,
     &frmTumblecrag::picDiceRack3, &frmTumblecrag::timTimer3},
    {&GameState::Die4, &GameState::Hold4, &GameState::DieTick4, &frmTumblecrag::picPicture4,
     &frmTumblecrag::picDiceRack4, &frmTumblecrag::timTimer4},
    {&GameState::Die5, &GameState::Hold5, &GameState::DieTick5, &frmTumblecrag::picPicture5,
     &frmTumblecrag::picDiceRack5, &frmTumblecrag::timTimer5},
}};
