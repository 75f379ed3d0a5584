#include "dice_rules.h"

#include <algorithm>
#include <numeric>

namespace {

int countOf(const Dice &dice, int face)
{
    return static_cast<int>(std::count(dice.begin(), dice.end(), face));
}

int sumOf(const Dice &dice)
{
    return std::accumulate(dice.begin(), dice.end(), 0);
}

// How many dice show the most common value.
int largestGroup(const Dice &dice)
{
    int largest = 0;
    for (int die : dice)
        largest = std::max(largest, countOf(dice, die));
    return largest;
}

int distinctValues(const Dice &dice)
{
    Dice sorted = dice;
    std::sort(sorted.begin(), sorted.end());
    return static_cast<int>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
}

// Three dice of one value and two of one value, the two values possibly equal.
bool isFullHouse(const Dice &dice)
{
    const int largest = largestGroup(dice);
    return largest == 5 || (largest == 3 && distinctValues(dice) == 2);
}

} // namespace

bool hasUnrolledDie(const Dice &dice)
{
    return countOf(dice, 0) > 0;
}

int upperFace(Entry entry)
{
    return entry <= Entry::Sixes ? static_cast<int>(entry) + 1 : 0;
}

bool passesTest(Entry entry, const Dice &dice, int quorvex50Score)
{
    switch (entry) {
    case Entry::Aces:
    case Entry::Twos:
    case Entry::Threes:
    case Entry::Fours:
    case Entry::Fives:
    case Entry::Sixes:
        return countOf(dice, upperFace(entry)) > 0;
    case Entry::ThreeKind:
        return largestGroup(dice) >= 3;
    case Entry::FourKind:
        return largestGroup(dice) >= 4;
    case Entry::FullHouse:
        return isFullHouse(dice);
    case Entry::SmStraight:
        return distinctValues(dice) >= 4;
    case Entry::LgStraight:
        return distinctValues(dice) == 5;
    case Entry::Quorvex50:
        return largestGroup(dice) == 5;
    case Entry::Chance:
        return true;
    case Entry::Quorvex100:
        return largestGroup(dice) == 5 && quorvex50Score == 50;
    }
    return false;
}

bool acceptsDice(Entry entry, const Dice &dice, int quorvex50Score)
{
    return !hasUnrolledDie(dice) && passesTest(entry, dice, quorvex50Score);
}

bool refusalFlashes(Entry entry, const Dice &dice)
{
    switch (entry) {
    case Entry::Aces:
        return std::all_of(dice.begin(), dice.end(), [](int die) { return die > 1; });
    case Entry::SmStraight:
        return false;
    default:
        return true;
    }
}

int entryScore(Entry entry, const Dice &dice)
{
    switch (entry) {
    case Entry::Aces:
    case Entry::Twos:
    case Entry::Threes:
    case Entry::Fours:
    case Entry::Fives:
    case Entry::Sixes:
        return upperFace(entry) * countOf(dice, upperFace(entry));
    case Entry::ThreeKind:
    case Entry::FourKind:
    case Entry::Chance:
        return sumOf(dice);
    case Entry::FullHouse:
        return 25;
    case Entry::SmStraight:
        return 30;
    case Entry::LgStraight:
        return 40;
    case Entry::Quorvex50:
        return 50;
    case Entry::Quorvex100:
        return 100;
    }
    return 0;
}
