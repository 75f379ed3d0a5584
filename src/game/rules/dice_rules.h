#pragma once
// The dice tests and scores of the fourteen entries of a score sheet.
#include <array>

// Faces of the five dice; 0 is a die with no face since the last entry.
using Dice = std::array<int, 5>;

// The fourteen entries in sheet order.
enum class Entry {
    Aces,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    ThreeKind,
    FourKind,
    FullHouse,
    SmStraight,
    LgStraight,
    Quorvex50,
    Chance,
    Quorvex100,
};

constexpr int EntryCount = 14;

// A die at 0 has no face: nothing was rolled since the last entry or new
// game, or the die was held after a zero entry and so stayed out of the
// roll that followed.
bool hasUnrolledDie(const Dice &dice);

// The entry's own test on the dice as they stand; the bonus 100 also needs
// the five of a kind scored as 50.
bool passesTest(Entry entry, const Dice &dice, int quorvex50Score);

// Whether a click may score the dice: never while a die has no face, where
// the tests would otherwise take zeros for equal or different faces.
bool acceptsDice(Entry entry, const Dice &dice, int quorvex50Score);

// Whether a refusal by the dice shows the OOPS flash. The small straight
// refuses silently, and Aces flashes only when every die is above 1.
bool refusalFlashes(Entry entry, const Dice &dice);

// The score of dice that passed the entry's test.
int entryScore(Entry entry, const Dice &dice);

// The face an upper entry counts (1 for Aces to 6 for Sixes), 0 for the lower ones.
int upperFace(Entry entry);
