#pragma once
// What the computer enters on its turn. It throws no dice of its own: a
// luck value, an upper pick and the order of the sheet decide the entry,
// and each entry comes with a fixed set of faces to show.
#include "dice_rules.h"

#include <QString>
#include <optional>

namespace computer {

// One entry of the computer's sheet per flag, in sheet order; true while open.
using OpenEntries = std::array<bool, EntryCount>;

struct Scoring
{
    Entry entry;
    Dice dice;
    int score;
};

// The luck value that scores five of a kind, the highest one drawn.
constexpr int FiveOfAKindLuck = 50;
constexpr int FiveOfAKindScore = 50;
constexpr int BonusScore = 100;

// The name the table shows for a computer entry ("Dbl Quovrex" for the bonus).
QString entryName(Entry entry);

// The main chain: the first open entry, from the large straight down to
// chance, whose threshold the luck value reaches.
std::optional<Scoring> mainChain(int luck, const OpenEntries &open);

// The upper entry of a pick 1 to 6, scored as three of its face.
Scoring upperFallback(int pick);

// The first open entry in sheet order, the one a turn without a score fills
// with zero.
std::optional<Entry> firstOpen(const OpenEntries &open);

// The faces shown with a zero fill of the entry.
Dice zeroFillDice(Entry entry);

// The step that runs once five of a kind and the bonus are both used,
// driven by a die the computer throws for it: at most one scoring, which
// ends the turn; nothing when none of its entries fits.
std::optional<Scoring> dieDrivenStep(int die, const OpenEntries &open);

} // namespace computer
