#pragma once
// The totals of one score sheet, recomputed from its fourteen scores.
#include "toolkit/integer.h"

struct SheetScores
{
    Integer aces, twos, threes, fours, fives, sixes;
    Integer threeKind, fourKind, fullHouse, smStraight, lgStraight, quorvex50, chance, quorvex100;
};

struct SheetTotals
{
    Integer upperSubTotal;
    Integer upperTotal; // the subtotal with the upper bonus
    Integer lowerTotal;
    Integer grandTotal;
};

constexpr int UpperBonus = 35;
// The bonus goes to a subtotal above this, 63 and up.
constexpr int UpperBonusThreshold = 62;

Integer upperTotalOf(Integer upperSubTotal);

// Every sum is checked; extra is added last to the grand total (on the
// player's sheet the slot winnings less the time-outs, 0 on the computer's).
SheetTotals sheetTotals(const SheetScores &scores, Integer extra);
