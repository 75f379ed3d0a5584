// The totals of both sheets, recomputed from the stored scores after every
// scoring, and the bonus-play draw that may open the slot round first.
#include "frmTumblecrag.h"
#include "module1.h"
#include "rules/totals.h"

#include "toolkit/random.h"
#include "toolkit/text.h"

namespace {

SheetScores playerScores(const GameState &s)
{
    return {s.PlayerAcesScore,      s.PlayerTwosScore,      s.PlayerThreesScore,     s.PlayerFoursScore,
            s.PlayerFivesScore,     s.PlayerSixesScore,     s.PlayerThreeKindScore,  s.PlayerFourKindScore,
            s.PlayerFullHouseScore, s.PlayerSmStraightScore, s.PlayerLgStraightScore, s.PlayerQuorvex50Score,
            s.PlayerChanceScore,    s.PlayerQuorvex100Score};
}

SheetScores computerScores(const GameState &s)
{
    return {s.CompAcesScore,      s.CompTwosScore,       s.CompThreesScore,     s.CompFoursScore,
            s.CompFivesScore,     s.CompSixesScore,      s.CompThreeKindScore,  s.CompFourKindScore,
            s.CompFullHouseScore, s.CompSmStraightScore, s.CompLgStraightScore, s.CompQuorvex50Score,
            s.CompChanceScore,    s.CompQuorvex100Score};
}

} // namespace

void frmTumblecrag::addscore()
{
    auto &s = Module1;

    // The round a draw of 3 opens counts in the totals below.
    if (s.BonusPlayOn != 0) {
        Randomize();
        s.SlotDraw = Int(Rnd() * 7 + 1);
        if (s.SlotDraw == 3)
            OpenSlotWindow();
    }

    if (s.ComputerGameOn != 0) {
        const SheetTotals comp = sheetTotals(computerScores(s), 0);
        s.CompUpperSubTotal = comp.upperSubTotal;
        s.CompUpperTotal = comp.upperTotal;
        s.CompUpperSubTotalText = Str(s.CompUpperSubTotal);
        txtSubTotalScorec->setText(s.CompUpperSubTotalText);
        s.CompUpperTotalText = Str(s.CompUpperTotal);
        txtGrandTotalTopc->setText(s.CompUpperTotalText);
        txtTUSc->setText(s.CompUpperTotalText);
        s.CompLowerTotalText = CStr(comp.lowerTotal);
        s.CompLowerTotalShown = Str(comp.lowerTotal);
        txtTLSc->setText(s.CompLowerTotalShown);
        s.CompGrandTotal = comp.grandTotal;
        s.CompGrandTotalShown = s.CompGrandTotal;
        txtGrandTotalc->setText(CStr(s.CompGrandTotalShown));
    }

    // The time-outs of this game stay lost: they count against every recomputation.
    const SheetTotals player = sheetTotals(playerScores(s), s.SlotWinnings - s.TimeOutPenalty);
    s.PlayerUpperSubTotal = player.upperSubTotal;
    s.PlayerUpperTotal = player.upperTotal;
    s.PlayerUpperSubTotalText = Str(s.PlayerUpperSubTotal);
    txtSubTotalScore->setText(s.PlayerUpperSubTotalText);
    s.PlayerUpperTotalText = Str(s.PlayerUpperTotal);
    txtGrandTotalTop->setText(s.PlayerUpperTotalText);
    txtTUS->setText(s.PlayerUpperTotalText);
    s.PlayerLowerTotalText = CStr(player.lowerTotal);
    s.PlayerLowerTotalShown = Str(player.lowerTotal);
    txtTLS->setText(s.PlayerLowerTotalShown);
    s.PlayerGrandTotal = player.grandTotal;
    s.PlayerGrandTotalShown = s.PlayerGrandTotal;
    txtGrandTotal->setText(CStr(s.PlayerGrandTotalShown));

    BonusButton->setCaption(CStr(s.SlotWinnings));
}
