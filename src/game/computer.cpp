// The computer player: one entry of its own sheet after each entry of the
// player, chosen by luck rather than by dice, with faces to show for it.
#include "dice_pictures.h"
#include "five_dice.h"
#include "rules/computer_choices.h"

#include "toolkit/picture.h"
#include "toolkit/random.h"
#include "toolkit/text.h"

using computer::Scoring;

namespace {

struct SheetEntry
{
    Integer GameState::*score;
    Integer GameState::*used;
    TextBox *frmTumblecrag::*box;
};

// The computer's sheet in sheet order.
const SheetEntry Sheet[EntryCount] = {
    {&GameState::CompAcesScore, &GameState::CompAcesUsed, &frmTumblecrag::txtplayer2ace},
    {&GameState::CompTwosScore, &GameState::CompTwosUsed, &frmTumblecrag::txtPlayer1Twoc},
    {&GameState::CompThreesScore, &GameState::CompThreesUsed, &frmTumblecrag::txtPlayer1Threec},
    {&GameState::CompFoursScore, &GameState::CompFoursUsed, &frmTumblecrag::txtPlayer1Fourc},
    {&GameState::CompFivesScore, &GameState::CompFivesUsed, &frmTumblecrag::txtPlayer1Fivec},
    {&GameState::CompSixesScore, &GameState::CompSixesUsed, &frmTumblecrag::txtPlayer1Sixc},
    {&GameState::CompThreeKindScore, &GameState::CompThreeKindUsed, &frmTumblecrag::txtThreeOfAKindc},
    {&GameState::CompFourKindScore, &GameState::CompFourKindUsed, &frmTumblecrag::txtFourOfAKindc},
    {&GameState::CompFullHouseScore, &GameState::CompFullHouseUsed, &frmTumblecrag::txtFullHousec},
    {&GameState::CompSmStraightScore, &GameState::CompSmStraightUsed, &frmTumblecrag::txtSmallStraightC},
    {&GameState::CompLgStraightScore, &GameState::CompLgStraightUsed, &frmTumblecrag::txtLargeStraightC},
    {&GameState::CompQuorvex50Score, &GameState::CompQuorvex50Used, &frmTumblecrag::txtQuorvex50c},
    {&GameState::CompChanceScore, &GameState::CompChanceUsed, &frmTumblecrag::txtChancec},
    {&GameState::CompQuorvex100Score, &GameState::CompQuorvex100Used, &frmTumblecrag::txtQuorvex100c},
};

const SheetEntry &sheetEntry(Entry entry)
{
    return Sheet[static_cast<size_t>(entry)];
}

bool isOpen(Entry entry)
{
    return Module1.*sheetEntry(entry).used != 1;
}

computer::OpenEntries openEntries()
{
    computer::OpenEntries open{};
    for (int index = 0; index < EntryCount; ++index)
        open[index] = isOpen(static_cast<Entry>(index));
    return open;
}

void setDice(const Dice &faces)
{
    auto &s = Module1;
    s.Die1 = faces[0];
    s.Die2 = faces[1];
    s.Die3 = faces[2];
    s.Die4 = faces[3];
    s.Die5 = faces[4];
}

Integer drawFace()
{
    return Int(Rnd() * 6 + 1);
}

// A computer scoring counts like a player's: it runs the game-over check
// and the totals, which may open the bonus slot round.
void score(frmTumblecrag &table, Entry entry, Integer points)
{
    const SheetEntry &target = sheetEntry(entry);
    Module1.*target.score = points;
    (table.*target.box)->setText(CStr(points));
    table.CheckGameOver();
    table.addscore();
    table.lblCompScore->setCaption(computer::entryName(entry));
    table.ShowDiceFaces();
    Module1.*target.used = 1;
    Module1.CompScored = 1;
}

void score(frmTumblecrag &table, const Scoring &scoring)
{
    setDice(scoring.dice);
    score(table, scoring.entry, scoring.score);
}

// The zero fill writes no score and leaves the totals as they stand.
void fillWithZero(frmTumblecrag &table, Entry entry)
{
    const SheetEntry &target = sheetEntry(entry);
    (table.*target.box)->setText(QStringLiteral("0"));
    Module1.*target.used = 1;
    setDice(computer::zeroFillDice(entry));
    table.ShowDiceFaces();
    table.lblCompScore->setCaption(QStringLiteral("ZERO"));
}

void fillUpper(frmTumblecrag &table, int pick)
{
    const Scoring scoring = computer::upperFallback(pick);
    if (isOpen(scoring.entry))
        score(table, scoring);
}

} // namespace

void frmTumblecrag::ComputerTurn()
{
    auto &s = Module1;
    s.WhoseTurn = QStringLiteral("computer");
    s.CompScored = 0;
    btnPlayerNotice->setCaption(QStringLiteral("Computer's Turn"));
    ClearHoldRack();
    Randomize();
    s.CompLuck = Int(Rnd() * 50 + 1);

    if (isOpen(Entry::Quorvex50)) {
        if (s.CompLuck == computer::FiveOfAKindLuck) {
            const int face = drawFace().value();
            score(*this, {Entry::Quorvex50, {face, face, face, face, face}, computer::FiveOfAKindScore});
            return;
        }
    } else if (isOpen(Entry::Quorvex100)) {
        // Whatever dice stand: the bonus shows no faces of its own.
        score(*this, Entry::Quorvex100, computer::BonusScore);
        return;
    } else {
        Randomize();
        s.Die1 = drawFace();
        if (const auto scoring = computer::dieDrivenStep(s.Die1.value(), openEntries())) {
            score(*this, *scoring);
            return;
        }
    }

    if (const auto scoring = computer::mainChain(s.CompLuck.value(), openEntries())) {
        score(*this, *scoring);
        return;
    }

    Randomize();
    s.CompUpperPick = Int(Rnd() * 6 + 1);
    const int pick = s.CompUpperPick.value();
    if (isOpen(computer::upperFallback(pick).entry)) {
        static constexpr void (frmTumblecrag::*fallbacks[6])() = {
            &frmTumblecrag::FillCompAces,  &frmTumblecrag::FillCompTwos,  &frmTumblecrag::FillCompThrees,
            &frmTumblecrag::FillCompFours, &frmTumblecrag::FillCompFives, &frmTumblecrag::FillCompSixes,
        };
        (this->*fallbacks[pick - 1])();
        return;
    }

    const auto entry = computer::firstOpen(openEntries());
    if (!entry) {
        // A full sheet takes nothing; the die-driven step's throw must not
        // stand as a face the player's four of a kind could score.
        s.Die1 = 0;
        return;
    }
    fillWithZero(*this, *entry);
}

void frmTumblecrag::FillCompAces() { fillUpper(*this, 1); }
void frmTumblecrag::FillCompTwos() { fillUpper(*this, 2); }
void frmTumblecrag::FillCompThrees() { fillUpper(*this, 3); }
void frmTumblecrag::FillCompFours() { fillUpper(*this, 4); }
void frmTumblecrag::FillCompFives() { fillUpper(*this, 5); }
void frmTumblecrag::FillCompSixes() { fillUpper(*this, 6); }

void frmTumblecrag::ShowDiceFaces()
{
    for (const DieParts &die : FiveDice) {
        const int face = (Module1.*die.face).value();
        if (face >= 1 && face <= 6)
            (this->*die.box)->setPicture(LoadPicture(diceFacePath(face)));
    }
}
