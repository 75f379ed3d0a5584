#include "computer_choices.h"

#include <numeric>
#include <vector>

namespace computer {

namespace {

bool isOpen(const OpenEntries &open, Entry entry)
{
    return open[static_cast<size_t>(entry)];
}

Dice fiveOf(int face)
{
    return {face, face, face, face, face};
}

// Faces a row shows for one or two named luck values.
struct Pattern
{
    int luck;
    int orLuck;
    Dice dice;
};

struct ChainRow
{
    Entry entry;
    int threshold;
    std::vector<Pattern> patterns;
    Dice otherwise;
    std::optional<int> score; // none: the sum of the faces shown
};

const std::vector<ChainRow> &chainRows()
{
    static const std::vector<ChainRow> rows = {
        {Entry::LgStraight, 47, {{49, 49, {2, 3, 4, 5, 6}}}, {1, 2, 3, 4, 5}, 40},
        {Entry::SmStraight, 42, {{43, 45, {3, 4, 5, 6, 1}}}, {2, 3, 4, 5, 2}, 30},
        {Entry::FullHouse, 38, {{40, 40, {1, 1, 1, 3, 3}}, {38, 38, {2, 2, 4, 4, 4}}}, {4, 4, 4, 5, 5}, 25},
        {Entry::FourKind, 32, {{33, 33, {6, 5, 6, 6, 6}}, {32, 34, {2, 2, 2, 2, 6}}}, {3, 3, 3, 3, 6}, 18},
        {Entry::ThreeKind,
         30,
         {{36, 36, {1, 1, 5, 1, 6}}, {33, 34, {5, 4, 4, 1, 4}}, {31, 32, {6, 6, 5, 1, 6}}},
         {5, 5, 5, 1, 6},
         std::nullopt},
        {Entry::Chance, 28, {{28, 28, {1, 5, 4, 4, 6}}}, {2, 3, 5, 3, 6}, 19},
    };
    return rows;
}

Dice rowDice(const ChainRow &row, int luck)
{
    for (const Pattern &pattern : row.patterns) {
        if (luck == pattern.luck || luck == pattern.orLuck)
            return pattern.dice;
    }
    return row.otherwise;
}

} // namespace

QString entryName(Entry entry)
{
    static const char *const names[EntryCount] = {
        "Aces",       "Twos",           "Threes",         "Fours",       "Fives",  "Sixes",      "3 Kind", "4 Kind",
        "Full House", "Small Straight", "Large Straight", "5 of a kind", "Chance", "Dbl Quovrex",
    };
    return QString::fromLatin1(names[static_cast<size_t>(entry)]);
}

std::optional<Scoring> mainChain(int luck, const OpenEntries &open)
{
    for (const ChainRow &row : chainRows()) {
        if (!isOpen(open, row.entry) || luck < row.threshold)
            continue;
        const Dice dice = rowDice(row, luck);
        const int score = row.score ? *row.score : std::accumulate(dice.begin(), dice.end(), 0);
        return Scoring{row.entry, dice, score};
    }
    return std::nullopt;
}

Scoring upperFallback(int pick)
{
    static const Dice dice[6] = {
        {1, 1, 5, 1, 6}, {2, 2, 5, 2, 6}, {3, 6, 3, 3, 6}, {4, 4, 5, 4, 6}, {5, 6, 5, 1, 5}, {6, 6, 5, 1, 6},
    };
    return {static_cast<Entry>(pick - 1), dice[pick - 1], 3 * pick};
}

std::optional<Entry> firstOpen(const OpenEntries &open)
{
    for (int index = 0; index < EntryCount; ++index) {
        if (open[index])
            return static_cast<Entry>(index);
    }
    return std::nullopt;
}

Dice zeroFillDice(Entry entry)
{
    static const Dice dice[EntryCount] = {
        {1, 2, 3, 3, 5}, {1, 2, 3, 3, 5}, {1, 4, 4, 3, 5}, {2, 5, 3, 3, 5}, {1, 4, 3, 3, 6},
        {4, 4, 3, 3, 5}, {6, 2, 6, 3, 5}, {6, 2, 3, 3, 2}, {4, 2, 5, 4, 5}, {2, 6, 3, 3, 4},
        {1, 4, 3, 2, 1}, {4, 4, 3, 5, 1}, {6, 6, 3, 2, 1}, {5, 5, 3, 2, 6},
    };
    return dice[static_cast<size_t>(entry)];
}

std::optional<Scoring> dieDrivenStep(int die, const OpenEntries &open)
{
    // A throw of 4 to 6 scores its own open upper entry at the step's fixed
    // rates; the fours' 24 is more than five fours can show.
    struct FaceRule
    {
        Entry entry;
        int score;
    };
    for (const FaceRule rule : {FaceRule{Entry::Sixes, 30}, FaceRule{Entry::Fives, 25}, FaceRule{Entry::Fours, 24}}) {
        const int face = upperFace(rule.entry);
        if (isOpen(open, rule.entry) && die == face)
            return Scoring{rule.entry, fiveOf(face), rule.score};
    }

    if (isOpen(open, Entry::FourKind))
        return Scoring{Entry::FourKind, fiveOf(die), 5 * die};
    if (isOpen(open, Entry::ThreeKind))
        return Scoring{Entry::ThreeKind, fiveOf(die), 5 * die};
    for (const Entry entry : {Entry::Threes, Entry::Twos, Entry::Aces}) {
        if (isOpen(open, entry)) {
            const int face = upperFace(entry);
            return Scoring{entry, fiveOf(face), 5 * face};
        }
    }
    return std::nullopt;
}

} // namespace computer
