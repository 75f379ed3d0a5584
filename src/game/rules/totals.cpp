#include "totals.h"

Integer upperTotalOf(Integer upperSubTotal)
{
    return upperSubTotal > UpperBonusThreshold ? upperSubTotal + UpperBonus : upperSubTotal;
}

SheetTotals sheetTotals(const SheetScores &s, Integer extra)
{
    SheetTotals totals;
    totals.upperSubTotal = s.aces + s.twos + s.threes + s.fours + s.fives + s.sixes;
    totals.upperTotal = upperTotalOf(totals.upperSubTotal);
    totals.lowerTotal =
        s.fourKind + s.threeKind + s.fullHouse + s.smStraight + s.lgStraight + s.quorvex50 + s.chance + s.quorvex100;
    totals.grandTotal = totals.upperTotal + s.threeKind + s.fourKind + s.fullHouse + s.smStraight + s.lgStraight +
                        s.quorvex50 + s.quorvex100 + s.chance + extra;
    return totals;
}
