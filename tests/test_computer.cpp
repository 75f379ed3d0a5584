// The computer's turn: the luck draw, its choice of entry, the faces it
// shows, and its place after the player's entry.
#include "table_fixture.h"

#include "game/rules/dice_rules.h"

#include <set>

namespace {

using Faces = std::array<int, 5>;

struct CompEntry
{
    Integer GameState::*score;
    Integer GameState::*used;
    TextBox *frmTumblecrag::*box;
    const char *name;
};

const CompEntry CompSheet[EntryCount] = {
    {&GameState::CompAcesScore, &GameState::CompAcesUsed, &frmTumblecrag::txtplayer2ace, "Aces"},
    {&GameState::CompTwosScore, &GameState::CompTwosUsed, &frmTumblecrag::txtPlayer1Twoc, "Twos"},
    {&GameState::CompThreesScore, &GameState::CompThreesUsed, &frmTumblecrag::txtPlayer1Threec, "Threes"},
    {&GameState::CompFoursScore, &GameState::CompFoursUsed, &frmTumblecrag::txtPlayer1Fourc, "Fours"},
    {&GameState::CompFivesScore, &GameState::CompFivesUsed, &frmTumblecrag::txtPlayer1Fivec, "Fives"},
    {&GameState::CompSixesScore, &GameState::CompSixesUsed, &frmTumblecrag::txtPlayer1Sixc, "Sixes"},
    {&GameState::CompThreeKindScore, &GameState::CompThreeKindUsed, &frmTumblecrag::txtThreeOfAKindc, "3 Kind"},
    {&GameState::CompFourKindScore, &GameState::CompFourKindUsed, &frmTumblecrag::txtFourOfAKindc, "4 Kind"},
    {&GameState::CompFullHouseScore, &GameState::CompFullHouseUsed, &frmTumblecrag::txtFullHousec, "Full House"},
    {&GameState::CompSmStraightScore, &GameState::CompSmStraightUsed, &frmTumblecrag::txtSmallStraightC,
     "Small Straight"},
    {&GameState::CompLgStraightScore, &GameState::CompLgStraightUsed, &frmTumblecrag::txtLargeStraightC,
     "Large Straight"},
    {&GameState::CompQuorvex50Score, &GameState::CompQuorvex50Used, &frmTumblecrag::txtQuorvex50c, "5 of a kind"},
    {&GameState::CompChanceScore, &GameState::CompChanceUsed, &frmTumblecrag::txtChancec, "Chance"},
    {&GameState::CompQuorvex100Score, &GameState::CompQuorvex100Used, &frmTumblecrag::txtQuorvex100c,
     "Dbl Quovrex"},
};

const CompEntry &comp(Entry entry)
{
    return CompSheet[static_cast<int>(entry)];
}

int usedCount()
{
    int count = 0;
    for (const CompEntry &entry : CompSheet)
        count += (Module1.*entry.used).value();
    return count;
}

void markUsed(std::initializer_list<Entry> entries)
{
    for (Entry entry : entries)
        Module1.*comp(entry).used = 1;
}

void markUsedBefore(Entry last)
{
    for (int index = 0; index < static_cast<int>(last); ++index)
        Module1.*CompSheet[index].used = 1;
}

Faces shownFaces(frmTumblecrag &table)
{
    Faces faces{};
    const std::array<PictureBox *, 5> boxes = {table.picPicture1, table.picPicture2, table.picPicture3,
                                               table.picPicture4, table.picPicture5};
    for (int die = 0; die < 5; ++die) {
        const QString file = seam::picturePath(boxes[die]).section('\\', -1);
        faces[die] = file.startsWith("dicespot") ? file.mid(8, 1).toInt() : 0;
    }
    return faces;
}

// A game against the computer, right after the player's entry cleared the dice.
frmTumblecrag &computerGame()
{
    frmTumblecrag &table = openTable();
    choose(table, "mnuStartComputerGame");
    setDice({0, 0, 0, 0, 0});
    return table;
}

// Runs a turn with the given draws: luck first, then whatever else it asks for.
void turn(frmTumblecrag &table, int luck, std::initializer_list<int> sixSidedDraws = {})
{
    seam::queueRnd({seam::rndFor(luck, 50)});
    for (int face : sixSidedDraws)
        seam::queueRnd({seam::rndFor(face, 6)});
    table.ComputerTurn();
    EXPECT_TRUE(seam::state().rndQueue.empty()) << "the turn drew fewer values than queued";
}

// The one entry this turn scored, with its dice, text and name.
void expectScored(frmTumblecrag &table, Entry entry, Faces faces, int score, int usedBefore, Faces pictures)
{
    const CompEntry &target = comp(entry);
    EXPECT_EQ((Module1.*target.score).value(), score) << target.name;
    EXPECT_EQ((Module1.*target.used).value(), 1) << target.name;
    EXPECT_EQ((table.*target.box)->text(), QString::number(score)) << target.name;
    EXPECT_EQ(table.lblCompScore->text(), target.name);
    EXPECT_EQ(dice(), faces) << target.name;
    EXPECT_EQ(shownFaces(table), pictures) << target.name;
    EXPECT_EQ(usedCount(), usedBefore + 1) << target.name << ": one entry a turn";
    EXPECT_EQ(Module1.CompScored.value(), 1);
    EXPECT_EQ(Module1.WhoseTurn, "computer");
    EXPECT_EQ(table.btnPlayerNotice->Caption(), "Computer's Turn");
}

void expectScored(frmTumblecrag &table, Entry entry, Faces faces, int score, int usedBefore)
{
    expectScored(table, entry, faces, score, usedBefore, faces);
}

struct ChainCase
{
    int luck;
    std::vector<Entry> used;
    Entry entry;
    Faces faces;
    int score;
};

} // namespace

TEST(ComputerTurn, MainChainByLuckWithItsDiceAndScores)
{
    using E = Entry;
    const std::vector<ChainCase> cases = {
        {49, {}, E::LgStraight, {2, 3, 4, 5, 6}, 40},
        {47, {}, E::LgStraight, {1, 2, 3, 4, 5}, 40},
        {48, {}, E::LgStraight, {1, 2, 3, 4, 5}, 40},
        {47, {E::LgStraight}, E::SmStraight, {2, 3, 4, 5, 2}, 30},
        {43, {}, E::SmStraight, {3, 4, 5, 6, 1}, 30},
        {45, {}, E::SmStraight, {3, 4, 5, 6, 1}, 30},
        {44, {}, E::SmStraight, {2, 3, 4, 5, 2}, 30},
        {42, {}, E::SmStraight, {2, 3, 4, 5, 2}, 30},
        {40, {}, E::FullHouse, {1, 1, 1, 3, 3}, 25},
        {38, {}, E::FullHouse, {2, 2, 4, 4, 4}, 25},
        {39, {}, E::FullHouse, {4, 4, 4, 5, 5}, 25},
        {46, {E::LgStraight, E::SmStraight}, E::FullHouse, {4, 4, 4, 5, 5}, 25},
        {33, {}, E::FourKind, {6, 5, 6, 6, 6}, 18},
        {32, {}, E::FourKind, {2, 2, 2, 2, 6}, 18},
        {34, {}, E::FourKind, {2, 2, 2, 2, 6}, 18},
        {37, {}, E::FourKind, {3, 3, 3, 3, 6}, 18},
        {36, {E::FourKind}, E::ThreeKind, {1, 1, 5, 1, 6}, 14},
        {33, {E::FourKind}, E::ThreeKind, {5, 4, 4, 1, 4}, 18},
        {34, {E::FourKind}, E::ThreeKind, {5, 4, 4, 1, 4}, 18},
        {31, {}, E::ThreeKind, {6, 6, 5, 1, 6}, 24},
        {32, {E::FourKind}, E::ThreeKind, {6, 6, 5, 1, 6}, 24},
        {30, {}, E::ThreeKind, {5, 5, 5, 1, 6}, 22},
        {35, {E::FourKind}, E::ThreeKind, {5, 5, 5, 1, 6}, 22},
        {29, {}, E::Chance, {2, 3, 5, 3, 6}, 19},
        {28, {}, E::Chance, {1, 5, 4, 4, 6}, 19},
        {49, {E::LgStraight, E::SmStraight, E::FullHouse, E::FourKind, E::ThreeKind}, E::Chance, {2, 3, 5, 3, 6}, 19},
    };
    for (const ChainCase &row : cases) {
        SCOPED_TRACE(testing::Message() << "luck " << row.luck);
        seam::resetAll();
        frmTumblecrag &table = computerGame();
        for (Entry entry : row.used)
            markUsed({entry});
        turn(table, row.luck);
        EXPECT_EQ(Module1.CompLuck.value(), row.luck);
        expectScored(table, row.entry, row.faces, row.score, static_cast<int>(row.used.size()));
        EXPECT_EQ(table.txtGrandTotalc->text(), QString::number(row.score)) << "counted in the computer's totals";
        EXPECT_EQ(table.txtTLSc->text(), " " + QString::number(row.score));
    }
}

TEST(ComputerTurn, FiveOfAKindAtFiftyThenTheBonusWhateverTheLuck)
{
    frmTumblecrag &table = computerGame();
    turn(table, 50, {4});
    expectScored(table, Entry::Quorvex50, {4, 4, 4, 4, 4}, 50, 0);
    EXPECT_EQ(table.txtGrandTotalc->text(), "50");
    EXPECT_EQ(Module1.CompGrandTotal.value(), 50);

    // The player's entry clears the dice; the bonus shows none of its own.
    setDice({0, 0, 0, 0, 0});
    turn(table, 3);
    expectScored(table, Entry::Quorvex100, {0, 0, 0, 0, 0}, 100, 1, {4, 4, 4, 4, 4});
    EXPECT_EQ(table.txtGrandTotalc->text(), "150");

    seam::resetAll();
    frmTumblecrag &zeroed = computerGame();
    turn(zeroed, 49); // large straight first, so the later fills skip it
    markUsedBefore(Entry::Quorvex50);
    setDice({0, 0, 0, 0, 0});
    turn(zeroed, 10, {1});
    EXPECT_EQ(zeroed.txtQuorvex50c->text(), "0") << "five of a kind filled with zero";
    setDice({0, 0, 0, 0, 0});
    turn(zeroed, 12);
    expectScored(zeroed, Entry::Quorvex100, {0, 0, 0, 0, 0}, 100, 12, {4, 4, 3, 5, 1});
}

TEST(ComputerTurn, UpperPickAndItsMissIntoTheZeroFill)
{
    const Faces fallbackDice[6] = {{1, 1, 5, 1, 6}, {2, 2, 5, 2, 6}, {3, 6, 3, 3, 6},
                                   {4, 4, 5, 4, 6}, {5, 6, 5, 1, 5}, {6, 6, 5, 1, 6}};
    for (int pick = 1; pick <= 6; ++pick) {
        SCOPED_TRACE(testing::Message() << "pick " << pick);
        seam::resetAll();
        frmTumblecrag &table = computerGame();
        turn(table, 27, {pick});
        EXPECT_EQ(Module1.CompUpperPick.value(), pick);
        expectScored(table, static_cast<Entry>(pick - 1), fallbackDice[pick - 1], 3 * pick, 0);
    }

    // No second pick: a used Threes sends the turn to the first open entry.
    seam::resetAll();
    frmTumblecrag &table = computerGame();
    turn(table, 1, {3});
    setDice({0, 0, 0, 0, 0});
    const QString totalBefore = table.txtGrandTotalc->text();
    turn(table, 27, {3});
    EXPECT_EQ(table.txtplayer2ace->text(), "0");
    EXPECT_EQ(Module1.CompAcesUsed.value(), 1);
    EXPECT_EQ(Module1.CompAcesScore.value(), 0);
    EXPECT_EQ(table.lblCompScore->text(), "ZERO");
    EXPECT_EQ(dice(), (Faces{1, 2, 3, 3, 5}));
    EXPECT_EQ(shownFaces(table), (Faces{1, 2, 3, 3, 5}));
    EXPECT_EQ(Module1.CompScored.value(), 0);
    EXPECT_EQ(table.txtGrandTotalc->text(), totalBefore) << "a zero fill leaves the totals";
    EXPECT_EQ(usedCount(), 2);
}

TEST(ComputerTurn, ZeroFillTakesTheFirstOpenEntryWithItsDice)
{
    const Faces zeroDice[EntryCount - 1] = {
        {1, 2, 3, 3, 5}, {1, 2, 3, 3, 5}, {1, 4, 4, 3, 5}, {2, 5, 3, 3, 5}, {1, 4, 3, 3, 6},
        {4, 4, 3, 3, 5}, {6, 2, 6, 3, 5}, {6, 2, 3, 3, 2}, {4, 2, 5, 4, 5}, {2, 6, 3, 3, 4},
        {1, 4, 3, 2, 1}, {4, 4, 3, 5, 1}, {6, 6, 3, 2, 1}};
    for (int index = 0; index < EntryCount - 1; ++index) {
        const Entry entry = static_cast<Entry>(index);
        SCOPED_TRACE(CompSheet[index].name);
        seam::resetAll();
        frmTumblecrag &table = computerGame();
        markUsedBefore(entry);
        // The pick lands on a used upper entry.
        int pick = 1;
        if (entry == Entry::Aces) {
            markUsed({Entry::Sixes});
            pick = 6;
        }
        const int usedBefore = usedCount();
        if (entry == Entry::Chance) {
            markUsed({Entry::Quorvex100});
            turn(table, 1, {2, pick}); // the die-driven step throws first
        } else {
            turn(table, 1, {pick});
        }
        EXPECT_EQ((table.*CompSheet[index].box)->text(), "0");
        EXPECT_EQ((Module1.*CompSheet[index].used).value(), 1);
        EXPECT_EQ(table.lblCompScore->text(), "ZERO");
        EXPECT_EQ(dice(), zeroDice[index]);
        EXPECT_EQ(shownFaces(table), zeroDice[index]);
        EXPECT_EQ(usedCount(), usedBefore + (entry == Entry::Chance ? 2 : 1));
        EXPECT_TRUE(table.txtLargeStraight->text().isEmpty()) << "the player's sheet is untouched";
    }
}

TEST(ComputerTurn, AFullSheetTakesNothing)
{
    frmTumblecrag &table = computerGame();
    turn(table, 49);
    markUsedBefore(Entry::Quorvex100);
    markUsed({Entry::Quorvex100});
    Module1.WhoseTurn = "player";
    table.btnPlayerNotice->setCaption("Player's Turn");
    table.picDiceRack2->show();
    setDice({0, 0, 0, 0, 0});

    turn(table, 50, {5, 2}); // the die-driven step still throws, the pick still draws
    EXPECT_EQ(Module1.WhoseTurn, "computer");
    EXPECT_EQ(table.btnPlayerNotice->Caption(), "Computer's Turn");
    EXPECT_FALSE(shown(table.picDiceRack2));
    EXPECT_EQ(table.lblCompScore->text(), "Large Straight");
    EXPECT_EQ(dice(), (Faces{0, 0, 0, 0, 0})) << "no face left for the player's four of a kind";
    EXPECT_EQ(shownFaces(table), (Faces{2, 3, 4, 5, 6}));
    EXPECT_EQ(Module1.CompScored.value(), 0);
    EXPECT_EQ(usedCount(), EntryCount);
}

TEST(ComputerTurn, DieDrivenStepScoresOneOpenEntryByItsThrow)
{
    using E = Entry;
    struct DieCase
    {
        int die;
        std::vector<Entry> used;
        Entry entry;
        Faces faces;
        int score;
    };
    const std::vector<DieCase> cases = {
        {6, {}, E::Sixes, {6, 6, 6, 6, 6}, 30},
        {5, {}, E::Fives, {5, 5, 5, 5, 5}, 25},
        {4, {}, E::Fours, {4, 4, 4, 4, 4}, 24},
        {4, {E::Fours}, E::FourKind, {4, 4, 4, 4, 4}, 20},
        {6, {E::Sixes}, E::FourKind, {6, 6, 6, 6, 6}, 30},
        {3, {}, E::FourKind, {3, 3, 3, 3, 3}, 15},
        {2, {E::FourKind}, E::ThreeKind, {2, 2, 2, 2, 2}, 10},
        {1, {E::FourKind, E::ThreeKind}, E::Threes, {3, 3, 3, 3, 3}, 15},
        {1, {E::FourKind, E::ThreeKind, E::Threes}, E::Twos, {2, 2, 2, 2, 2}, 10},
        {6, {E::Sixes, E::FourKind, E::ThreeKind, E::Threes, E::Twos}, E::Aces, {1, 1, 1, 1, 1}, 5},
    };
    for (const DieCase &row : cases) {
        SCOPED_TRACE(testing::Message() << "die " << row.die);
        seam::resetAll();
        frmTumblecrag &table = computerGame();
        markUsed({E::Quorvex50, E::Quorvex100});
        for (Entry entry : row.used)
            markUsed({entry});
        const int usedBefore = usedCount();
        turn(table, 49, {row.die});
        expectScored(table, row.entry, row.faces, row.score, usedBefore);
        EXPECT_EQ(Module1.CompLgStraightUsed.value(), 0) << "the main chain waits for the next turn";
    }

    // None of its entries fits: the main chain, then the upper pick, follow.
    seam::resetAll();
    frmTumblecrag &table = computerGame();
    markUsed({E::Quorvex50, E::Quorvex100, E::FourKind, E::ThreeKind, E::Threes, E::Twos, E::Aces});
    turn(table, 49, {3});
    expectScored(table, E::LgStraight, {2, 3, 4, 5, 6}, 40, 7);
    setDice({0, 0, 0, 0, 0});
    turn(table, 10, {1, 4});
    expectScored(table, E::Fours, {4, 4, 5, 4, 6}, 12, 8);
    setDice({0, 0, 0, 0, 0});
    turn(table, 10, {4, 4});
    EXPECT_EQ(Module1.CompFoursScore.value(), 12) << "a used Fours is never scored again";
    EXPECT_EQ(table.lblCompScore->text(), "ZERO");
    EXPECT_EQ(Module1.CompFivesUsed.value(), 1);
}

TEST(ComputerTurn, FollowsThePlayersEntryAndWaitsForTheNextRoll)
{
    frmTumblecrag &table = computerGame();
    seam::queueRnd({seam::rndFor(6, 6), seam::rndFor(6, 6), seam::rndFor(2, 6), seam::rndFor(6, 6),
                    seam::rndFor(1, 6)});
    click(&table, "RainButton1");
    seam::queueRnd({seam::rndFor(33, 50)});
    click(&table, "cmdSixes");

    EXPECT_EQ(table.txtPlayer1Six->text(), "18");
    EXPECT_EQ(table.txtGrandTotal->text(), "18");
    EXPECT_EQ(Module1.CompFourKindScore.value(), 18);
    EXPECT_EQ(table.txtFourOfAKindc->text(), "18");
    EXPECT_EQ(table.txtGrandTotalc->text(), "18");
    EXPECT_EQ(table.txtTLSc->text(), " 18");
    EXPECT_EQ(table.txtSubTotalScorec->text(), " 0");
    EXPECT_EQ(dice(), (Faces{6, 5, 6, 6, 6}));
    EXPECT_EQ(table.btnPlayerNotice->Caption(), "Computer's Turn");

    // The entries wait for the player's turn, and the computer plays no more.
    for (const char *button : {"cmdChance", "cmd4kind"})
        click(&table, button);
    EXPECT_EQ(Module1.PlayerChanceUsed.value(), 0);
    EXPECT_EQ(Module1.PlayerFourKindUsed.value(), 0);
    EXPECT_EQ(usedCount(), 1);

    // The next roll hands the turn back when die 4 settles.
    seam::queueRnd({seam::rndFor(1, 6), seam::rndFor(2, 6), seam::rndFor(3, 6), seam::rndFor(4, 6),
                    seam::rndFor(5, 6)});
    click(&table, "RainButton1");
    EXPECT_TRUE(table.lblCompScore->text().isEmpty());
    tick(table, "timTimer4", 19);
    EXPECT_EQ(Module1.WhoseTurn, "computer");
    click(&table, "cmdLgStraight");
    EXPECT_EQ(Module1.PlayerLgStraightUsed.value(), 0) << "entries wait for die 4";
    tick(table, "timTimer4");
    EXPECT_EQ(Module1.WhoseTurn, "player");
    EXPECT_EQ(table.btnPlayerNotice->Caption(), "Player's Turn");
    seam::queueRnd({seam::rndFor(29, 50)});
    click(&table, "cmdLgStraight");
    EXPECT_EQ(table.txtLargeStraight->text(), "40");
    EXPECT_EQ(table.txtChancec->text(), "19");
    EXPECT_EQ(table.txtGrandTotalc->text(), "37");
}

TEST(ComputerTurn, ThePlayerNeverScoresTheComputersDice)
{
    frmTumblecrag &table = computerGame();
    for (int face : {1, 1, 1, 2, 3})
        seam::queueRnd({seam::rndFor(face, 6)});
    click(&table, "RainButton1");
    tick(table, "timTimer4", 5);

    // Aces while the dice still tumble; the computer takes the large straight.
    seam::queueRnd({seam::rndFor(49, 50)});
    click(&table, "cmdAces");
    ASSERT_EQ(table.lblPlayer1ace->text(), "3");
    ASSERT_EQ(dice(), (Faces{2, 3, 4, 5, 6}));
    ASSERT_EQ(usedCount(), 1);

    // The running tumbles end on the computer's faces and hand the turn back.
    for (int die = 1; die <= 5; ++die)
        tick(table, QStringLiteral("timTimer%1").arg(die), die == 4 ? 15 : 20);
    ASSERT_EQ(Module1.WhoseTurn, "player");
    ASSERT_EQ(Module1.RollCount.value(), 0);
    ASSERT_EQ(dice(), (Faces{2, 3, 4, 5, 6}));

    // Every entry the computer's dice would fit is refused, and the computer
    // does not play again.
    for (const char *button : {"cmdLgStraight", "cmdSmStraight", "cmdChance", "cmd3Kind", "cmdTwos", "cmdSixes"}) {
        click(&table, button);
        EXPECT_EQ(table.txtGrandTotal->text(), "3") << button;
    }
    EXPECT_EQ(Module1.PlayerLgStraightUsed.value(), 0);
    EXPECT_EQ(table.txtLargeStraight->text(), "");
    EXPECT_EQ(usedCount(), 1);
    EXPECT_TRUE(seam::timerEnabled(&table, "timInvalidEntry")) << "the refusal shows OOPS";

    // The zero entry is the player's own and still records 0.
    click(&table, "RainButton2");
    seam::queueRnd({seam::rndFor(1, 50), seam::rndFor(1, 6)});
    click(&table, "cmdFullHouse");
    EXPECT_EQ(Module1.PlayerFullHouseUsed.value(), 1);
    EXPECT_EQ(table.txtFullHouse->text(), "0");
    EXPECT_EQ(usedCount(), 2);

    // The player's own roll scores again once the turn is handed back.
    for (int face : {2, 3, 4, 5, 6})
        seam::queueRnd({seam::rndFor(face, 6)});
    click(&table, "RainButton1");
    tick(table, "timTimer4", 20);
    seam::queueRnd({seam::rndFor(29, 50)});
    click(&table, "cmdLgStraight");
    EXPECT_EQ(table.txtLargeStraight->text(), "40");
    EXPECT_EQ(table.txtGrandTotal->text(), "43");
    EXPECT_EQ(usedCount(), 3);
}

TEST(ComputerTurn, AWholeGameFillsBothSheets)
{
    frmTumblecrag &table = computerGame();
    const char *const buttons[EntryCount] = {"cmdAces",      "cmdTwos",       "cmdThrees",     "cmdFours",
                                             "cmdFives",     "cmdSixes",      "cmd3Kind",      "cmd4kind",
                                             "cmdFullHouse", "cmdSmStraight", "cmdLgStraight", "cmdQuorvex50",
                                             "cmdChance",    "cmdQuorvex100"};
    const int lucks[EntryCount] = {50, 10, 49, 47, 42, 38, 33, 30, 28, 27, 5, 1, 49, 1};
    const std::set<int> possible = {0, 3, 5, 6, 9, 10, 12, 14, 15, 18, 19, 20, 22, 24, 25, 30, 40, 50, 100};
    const auto &s = Module1;
    for (int entry = 0; entry < EntryCount; ++entry) {
        SCOPED_TRACE(buttons[entry]);
        const int usedBefore = usedCount();
        click(&table, "RainButton1");
        tick(table, "timTimer4", 20);
        click(&table, "RainButton2");
        seam::queueRnd({seam::rndFor(lucks[entry], 50)});
        click(&table, buttons[entry]);
        EXPECT_EQ(usedCount(), usedBefore + 1);
        for (const CompEntry &sheetEntry : CompSheet) {
            const int used = (s.*sheetEntry.used).value();
            EXPECT_TRUE(used == 0 || used == 1) << sheetEntry.name;
            EXPECT_TRUE(possible.count((s.*sheetEntry.score).value())) << sheetEntry.name;
            EXPECT_EQ((table.*sheetEntry.box)->text().isEmpty(), used == 0) << sheetEntry.name;
        }
        if (s.CompScored == 1) {
            const int upper = (s.CompAcesScore + s.CompTwosScore + s.CompThreesScore + s.CompFoursScore
                               + s.CompFivesScore + s.CompSixesScore)
                                  .value();
            const int lower = (s.CompThreeKindScore + s.CompFourKindScore + s.CompFullHouseScore
                               + s.CompSmStraightScore + s.CompLgStraightScore + s.CompQuorvex50Score
                               + s.CompChanceScore + s.CompQuorvex100Score)
                                  .value();
            EXPECT_EQ(table.txtGrandTotalc->text(), QString::number(upper + (upper > 62 ? 35 : 0) + lower));
        }
    }
    EXPECT_TRUE(seam::timerEnabled(&table, "timGameOver"));
    EXPECT_EQ(usedCount(), EntryCount);
}
