// The fourteen dice tests and scores as tables, and their counts over every
// roll of five dice.
#include "game/rules/dice_rules.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Case
{
    Entry entry;
    Dice dice;
    bool passes;
    int score; // when it passes
};

std::string show(const Dice &d)
{
    std::string text;
    for (int die : d)
        text += std::to_string(die);
    return text;
}

// Every roll of five dice with faces 1 to 6.
std::vector<Dice> allRolls()
{
    std::vector<Dice> rolls;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            for (int c = 1; c <= 6; ++c)
                for (int d = 1; d <= 6; ++d)
                    for (int e = 1; e <= 6; ++e)
                        rolls.push_back({a, b, c, d, e});
    return rolls;
}

} // namespace

TEST(DiceRules, UpperEntriesCountTheirFace)
{
    const Case cases[] = {
        {Entry::Aces, {1, 1, 1, 1, 1}, true, 5},    {Entry::Aces, {1, 2, 3, 4, 5}, true, 1},
        {Entry::Aces, {2, 3, 4, 5, 6}, false, 0},   {Entry::Twos, {2, 2, 5, 2, 6}, true, 6},
        {Entry::Twos, {1, 3, 4, 5, 6}, false, 0},   {Entry::Threes, {3, 1, 3, 1, 1}, true, 6},
        {Entry::Fours, {4, 4, 4, 4, 1}, true, 16},  {Entry::Fours, {4, 2, 4, 4, 4}, true, 16},
        {Entry::Fives, {5, 5, 5, 6, 6}, true, 15},  {Entry::Fives, {1, 2, 3, 4, 6}, false, 0},
        {Entry::Sixes, {6, 6, 6, 6, 6}, true, 30},  {Entry::Sixes, {1, 1, 1, 1, 6}, true, 6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(show(c.dice));
        EXPECT_EQ(passesTest(c.entry, c.dice, 0), c.passes);
        if (c.passes) {
            EXPECT_EQ(entryScore(c.entry, c.dice), c.score);
        }
    }
}

TEST(DiceRules, LowerEntriesTestAndScore)
{
    const Case cases[] = {
        {Entry::ThreeKind, {2, 3, 2, 5, 2}, true, 14},   {Entry::ThreeKind, {1, 3, 2, 3, 3}, true, 12},
        {Entry::ThreeKind, {1, 1, 2, 2, 3}, false, 0},   {Entry::ThreeKind, {4, 4, 4, 4, 4}, true, 20},
        {Entry::FourKind, {2, 3, 2, 5, 2}, false, 0},    {Entry::FourKind, {6, 6, 6, 6, 1}, true, 25},
        {Entry::FourKind, {6, 5, 6, 6, 6}, true, 29},    {Entry::FourKind, {2, 2, 2, 6, 6}, false, 0},
        {Entry::FourKind, {4, 4, 4, 4, 4}, true, 20},    {Entry::FullHouse, {2, 2, 2, 6, 6}, true, 25},
        {Entry::FullHouse, {6, 2, 6, 2, 2}, true, 25},   {Entry::FullHouse, {4, 4, 4, 4, 4}, true, 25},
        {Entry::FullHouse, {2, 3, 2, 5, 2}, false, 0},   {Entry::FullHouse, {1, 1, 2, 3, 3}, false, 0},
        {Entry::FullHouse, {3, 3, 3, 3, 5}, false, 0},   {Entry::SmStraight, {1, 2, 4, 6, 6}, true, 30},
        {Entry::SmStraight, {1, 2, 3, 4, 5}, true, 30},  {Entry::SmStraight, {1, 2, 3, 2, 3}, false, 0},
        {Entry::SmStraight, {3, 3, 4, 4, 5}, false, 0},  {Entry::LgStraight, {1, 2, 3, 4, 6}, true, 40},
        {Entry::LgStraight, {6, 5, 4, 3, 2}, true, 40},  {Entry::LgStraight, {1, 2, 2, 3, 4}, false, 0},
        {Entry::LgStraight, {1, 2, 3, 2, 4}, false, 0},  {Entry::Quorvex50, {4, 4, 4, 4, 4}, true, 50},
        {Entry::Quorvex50, {4, 4, 4, 4, 3}, false, 0},   {Entry::Chance, {2, 3, 2, 5, 2}, true, 14},
        {Entry::Chance, {1, 1, 1, 1, 1}, true, 5},       {Entry::Chance, {6, 6, 6, 6, 6}, true, 30},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(show(c.dice) + " entry " + std::to_string(static_cast<int>(c.entry)));
        EXPECT_EQ(passesTest(c.entry, c.dice, 0), c.passes);
        if (c.passes) {
            EXPECT_EQ(entryScore(c.entry, c.dice), c.score);
        }
    }
}

TEST(DiceRules, BonusHundredNeedsTheFiveOfAKindScoredAsFifty)
{
    EXPECT_FALSE(passesTest(Entry::Quorvex100, {3, 3, 3, 3, 3}, 0));
    EXPECT_TRUE(passesTest(Entry::Quorvex100, {3, 3, 3, 3, 3}, 50));
    EXPECT_FALSE(passesTest(Entry::Quorvex100, {3, 3, 3, 3, 2}, 50));
    EXPECT_EQ(entryScore(Entry::Quorvex100, {3, 3, 3, 3, 3}), 100);
}

TEST(DiceRules, CountsOverEveryRollOfFiveDice)
{
    const std::map<Entry, int> expected = {
        {Entry::Aces, 4651},       {Entry::Twos, 4651},       {Entry::Threes, 4651},    {Entry::Fours, 4651},
        {Entry::Fives, 4651},      {Entry::Sixes, 4651},      {Entry::ThreeKind, 1656}, {Entry::FourKind, 156},
        {Entry::FullHouse, 306},   {Entry::SmStraight, 4320}, {Entry::LgStraight, 720}, {Entry::Quorvex50, 6},
        {Entry::Chance, 7776},     {Entry::Quorvex100, 6},
    };
    const std::vector<Dice> rolls = allRolls();
    ASSERT_EQ(rolls.size(), 7776u);
    for (const auto &[entry, count] : expected) {
        int accepted = 0;
        for (const Dice &roll : rolls)
            accepted += acceptsDice(entry, roll, 50) ? 1 : 0;
        EXPECT_EQ(accepted, count) << "entry " << static_cast<int>(entry);
    }
    int bonusWithoutFifty = 0;
    for (const Dice &roll : rolls)
        bonusWithoutFifty += passesTest(Entry::Quorvex100, roll, 0) ? 1 : 0;
    EXPECT_EQ(bonusWithoutFifty, 0);
}

TEST(DiceRules, ScoresStayInTheirRangesOverEveryRoll)
{
    // Lowest and highest score each entry can give a roll it accepts.
    const std::map<Entry, std::pair<int, int>> ranges = {
        {Entry::Aces, {1, 5}},        {Entry::Twos, {2, 10}},       {Entry::Threes, {3, 15}},
        {Entry::Fours, {4, 20}},      {Entry::Fives, {5, 25}},      {Entry::Sixes, {6, 30}},
        {Entry::ThreeKind, {5, 30}},  {Entry::FourKind, {5, 30}},   {Entry::FullHouse, {25, 25}},
        {Entry::SmStraight, {30, 30}}, {Entry::LgStraight, {40, 40}}, {Entry::Quorvex50, {50, 50}},
        {Entry::Chance, {5, 30}},     {Entry::Quorvex100, {100, 100}},
    };
    for (const auto &[entry, range] : ranges) {
        int lowest = 1000, highest = -1;
        for (const Dice &roll : allRolls()) {
            if (!acceptsDice(entry, roll, 50))
                continue;
            lowest = std::min(lowest, entryScore(entry, roll));
            highest = std::max(highest, entryScore(entry, roll));
        }
        EXPECT_EQ(lowest, range.first) << "entry " << static_cast<int>(entry);
        EXPECT_EQ(highest, range.second) << "entry " << static_cast<int>(entry);
    }
}

TEST(DiceRules, DiceWithoutAFaceAreNeverScored)
{
    const Dice cleared{0, 0, 0, 0, 0};
    EXPECT_TRUE(hasUnrolledDie(cleared));
    EXPECT_TRUE(hasUnrolledDie({0, 3, 4, 5, 6}));
    EXPECT_FALSE(hasUnrolledDie({1, 3, 4, 5, 6}));
    // A die held at 0 after a zero entry stays out of the next roll.
    EXPECT_TRUE(passesTest(Entry::LgStraight, {0, 3, 4, 5, 6}, 0));
    EXPECT_FALSE(acceptsDice(Entry::LgStraight, {0, 3, 4, 5, 6}, 0));
    EXPECT_FALSE(acceptsDice(Entry::Chance, {0, 3, 4, 5, 6}, 0));
    // Taken alone, the lower tests would read five zeros as five equal dice.
    EXPECT_TRUE(passesTest(Entry::FullHouse, cleared, 0));
    EXPECT_TRUE(passesTest(Entry::Quorvex50, cleared, 0));
    EXPECT_TRUE(passesTest(Entry::Quorvex100, cleared, 50));
    for (int e = 0; e < EntryCount; ++e)
        EXPECT_FALSE(acceptsDice(static_cast<Entry>(e), cleared, 50)) << "entry " << e;
}

TEST(DiceRules, WhichRefusalsFlash)
{
    // Aces flashes only when every die is above 1; the small straight never.
    EXPECT_TRUE(refusalFlashes(Entry::Aces, {2, 3, 4, 5, 6}));
    EXPECT_FALSE(refusalFlashes(Entry::Aces, {0, 0, 0, 0, 0}));
    EXPECT_FALSE(refusalFlashes(Entry::SmStraight, {1, 2, 3, 2, 3}));
    EXPECT_FALSE(refusalFlashes(Entry::SmStraight, {0, 0, 0, 0, 0}));
    for (Entry entry : {Entry::Twos, Entry::Sixes, Entry::ThreeKind, Entry::FourKind, Entry::FullHouse,
                        Entry::LgStraight, Entry::Quorvex50, Entry::Chance, Entry::Quorvex100})
        EXPECT_TRUE(refusalFlashes(entry, {0, 0, 0, 0, 0})) << "entry " << static_cast<int>(entry);
}
