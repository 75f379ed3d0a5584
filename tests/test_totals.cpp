// The totals of both sheets: the pure sums, and what addscore writes into
// the state and the boxes after the player's entries.
#include "game/rules/totals.h"
#include "table_fixture.h"

#include "toolkit/text.h"

namespace {

// Rolls the five free dice to the given faces through Roll Dice.
void rollTo(frmTumblecrag &table, std::array<int, 5> faces)
{
    for (int face : faces)
        seam::queueRnd({seam::rndFor(face, 6)});
    click(&table, QStringLiteral("RainButton1"));
    ASSERT_EQ(dice(), faces);
}

void enter(frmTumblecrag &table, std::array<int, 5> faces, const char *button)
{
    rollTo(table, faces);
    click(&table, QString::fromLatin1(button));
    ASSERT_EQ(dice(), (std::array<int, 5>{0, 0, 0, 0, 0})) << button << " refused";
}

struct PlayerBoxes
{
    QString sub, top, tus, tls, grand;
};

PlayerBoxes playerBoxes(const frmTumblecrag &t)
{
    return {t.txtSubTotalScore->text(), t.txtGrandTotalTop->text(), t.txtTUS->text(), t.txtTLS->text(),
            t.txtGrandTotal->text()};
}

void expectPlayerBoxes(const frmTumblecrag &t, const char *sub, const char *top, const char *tls, const char *grand)
{
    const PlayerBoxes boxes = playerBoxes(t);
    EXPECT_EQ(boxes.sub, QString::fromLatin1(sub));
    EXPECT_EQ(boxes.top, QString::fromLatin1(top));
    EXPECT_EQ(boxes.tus, QString::fromLatin1(top));
    EXPECT_EQ(boxes.tls, QString::fromLatin1(tls));
    EXPECT_EQ(boxes.grand, QString::fromLatin1(grand));
}

} // namespace

TEST(TotalsRule, UpperBonusGoesToSixtyThreeAndUp)
{
    EXPECT_EQ(upperTotalOf(0), 0);
    EXPECT_EQ(upperTotalOf(62), 62);
    EXPECT_EQ(upperTotalOf(63), 98);
    EXPECT_EQ(upperTotalOf(105), 140);
}

TEST(TotalsRule, SheetSums)
{
    SheetScores scores;
    scores.aces = 3;
    scores.sixes = 30;
    scores.fives = 25;
    scores.fours = 4;
    scores.threeKind = 14;
    scores.chance = 22;
    scores.quorvex100 = 100;
    const SheetTotals totals = sheetTotals(scores, 7);
    EXPECT_EQ(totals.upperSubTotal, 62);
    EXPECT_EQ(totals.upperTotal, 62);
    EXPECT_EQ(totals.lowerTotal, 136);
    EXPECT_EQ(totals.grandTotal, 62 + 136 + 7);

    // The highest sheet play can reach, with the largest slot round.
    const SheetScores best{5, 10, 15, 20, 25, 30, 30, 30, 25, 30, 40, 50, 30, 100};
    const SheetTotals top = sheetTotals(best, 18);
    EXPECT_EQ(top.upperTotal, 140);
    EXPECT_EQ(top.lowerTotal, 335);
    EXPECT_EQ(top.grandTotal, 493);
}

TEST(TotalsRule, OverflowFailsInsteadOfWrapping)
{
    SheetScores scores;
    scores.chance = Integer::Max;
    EXPECT_THROW(sheetTotals(scores, 1), OverflowError);
}

TEST(Totals, FirstEntryFillsEveryPlayerBoxInItsTextForm)
{
    frmTumblecrag &table = openTable();
    EXPECT_EQ(table.txtGrandTotal->text(), QString());
    enter(table, {1, 1, 1, 4, 5}, "cmdAces");
    expectPlayerBoxes(table, " 3", " 3", " 0", "3");
    EXPECT_EQ(table.BonusButton->text(), QStringLiteral("0"));
    EXPECT_EQ(Module1.PlayerUpperSubTotalText, QStringLiteral(" 3"));
    EXPECT_EQ(Module1.PlayerLowerTotalText, QStringLiteral("0"));
    EXPECT_EQ(Module1.PlayerLowerTotalShown, QStringLiteral(" 0"));
    EXPECT_EQ(Module1.PlayerGrandTotal, 3);
    EXPECT_EQ(Module1.PlayerGrandTotalShown, 3);
    // A game alone leaves the computer's boxes as the new game left them.
    EXPECT_EQ(table.txtGrandTotalc->text(), QString());
    EXPECT_EQ(table.txtTUSc->text(), QString());
}

TEST(Totals, ZeroEntryStillRefreshesEveryBox)
{
    frmTumblecrag &table = openTable();
    click(&table, QStringLiteral("RainButton2"));
    click(&table, QStringLiteral("cmdChance"));
    expectPlayerBoxes(table, " 0", " 0", " 0", "0");
}

TEST(Totals, SixtyTwoAgainstSixtyThree)
{
    frmTumblecrag &table = openTable();
    enter(table, {6, 6, 6, 6, 6}, "cmdSixes");
    enter(table, {5, 5, 5, 5, 5}, "cmdFives");
    enter(table, {4, 1, 2, 3, 6}, "cmdFours");
    enter(table, {3, 2, 2, 6, 6}, "cmdThrees");
    expectPlayerBoxes(table, " 62", " 62", " 0", "62");
    EXPECT_EQ(Module1.PlayerUpperTotal, 62);

    enter(table, {1, 2, 3, 4, 5}, "cmdAces");
    expectPlayerBoxes(table, " 63", " 98", " 0", "98");
    EXPECT_EQ(Module1.PlayerUpperSubTotal, 63);
    EXPECT_EQ(Module1.PlayerUpperTotal, 98);

    enter(table, {2, 3, 2, 5, 2}, "cmd3Kind");
    enter(table, {6, 5, 4, 3, 1}, "cmdChance");
    expectPlayerBoxes(table, " 63", " 98", " 33", "131");
    EXPECT_EQ(Module1.PlayerLowerTotalText, QStringLiteral("33"));
}

TEST(Totals, SlotWinningsCountInTheGrandTotalAndTheIndicator)
{
    frmTumblecrag &table = openTable();
    Module1.SlotWinnings = 15;
    enter(table, {6, 6, 1, 2, 3}, "cmdSixes");
    EXPECT_EQ(Module1.PlayerGrandTotal, 27);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("27"));
    EXPECT_EQ(table.txtGrandTotalTop->text(), QStringLiteral(" 12"));
    EXPECT_EQ(table.BonusButton->text(), QStringLiteral("15"));
}

TEST(Totals, BonusPlayDrawsOnlyWhileOn)
{
    frmTumblecrag &table = openTable();
    Module1.SlotDraw = 5;
    enter(table, {2, 2, 1, 4, 5}, "cmdTwos");
    EXPECT_EQ(Module1.SlotDraw, 5);

    Module1.BonusPlayOn = 1;
    rollTo(table, {3, 3, 1, 4, 5});
    seam::queueRnd({seam::rndFor(6, 7)});
    click(&table, QStringLiteral("cmdThrees"));
    EXPECT_EQ(Module1.SlotDraw, 6);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("10"));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(Totals, ComputerSheetOnlyInAGameAgainstTheComputer)
{
    frmTumblecrag &table = openTable();
    auto &s = Module1;
    s.CompSixesScore = 30;
    s.CompFivesScore = 25;
    s.CompFoursScore = 8;
    s.CompFullHouseScore = 25;
    s.CompChanceScore = 17;
    table.addscore();
    EXPECT_EQ(table.txtGrandTotalc->text(), QString());
    EXPECT_EQ(s.CompGrandTotal, 0);

    s.ComputerGameOn = 1;
    table.addscore();
    EXPECT_EQ(s.CompUpperSubTotal, 63);
    EXPECT_EQ(s.CompUpperTotal, 98);
    EXPECT_EQ(table.txtSubTotalScorec->text(), QStringLiteral(" 63"));
    EXPECT_EQ(table.txtGrandTotalTopc->text(), QStringLiteral(" 98"));
    EXPECT_EQ(table.txtTUSc->text(), QStringLiteral(" 98"));
    EXPECT_EQ(s.CompLowerTotalText, QStringLiteral("42"));
    EXPECT_EQ(table.txtTLSc->text(), QStringLiteral(" 42"));
    EXPECT_EQ(s.CompGrandTotal, 140);
    EXPECT_EQ(s.CompGrandTotalShown, 140);
    EXPECT_EQ(table.txtGrandTotalc->text(), QStringLiteral("140"));
    // The slot round belongs to the player's sheet alone.
    s.SlotWinnings = 9;
    table.addscore();
    EXPECT_EQ(s.CompGrandTotal, 140);
    EXPECT_EQ(s.PlayerGrandTotal, 9);
}
