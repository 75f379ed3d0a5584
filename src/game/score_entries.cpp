#include "score_entries.h"

#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

using F = frmTumblecrag;
using G = GameState;
constexpr std::monostate None{};

const ScoreEntry Entries[EntryCount] = {
    {Entry::Aces, &F::cmdAces, &G::PlayerAcesUsed, &G::PlayerAcesScore, &F::lblPlayer1ace, None, TextForm::CStr,
     RackClear::AfterCountdown},
    {Entry::Twos, &F::cmdTwos, &G::PlayerTwosUsed, &G::PlayerTwosScore, &F::txtPlayer1Two, None, TextForm::CStr,
     RackClear::AfterCountdown},
    {Entry::Threes, &F::cmdThrees, &G::PlayerThreesUsed, &G::PlayerThreesScore, &F::txtPlayer1Three, None,
     TextForm::CStr, RackClear::AfterCountdown},
    {Entry::Fours, &F::cmdFours, &G::PlayerFoursUsed, &G::PlayerFoursScore, &F::txtPlayer1Four, None,
     TextForm::CStr, RackClear::AfterCountdown},
    {Entry::Fives, &F::cmdFives, &G::PlayerFivesUsed, &G::PlayerFivesScore, &F::txtPlayer1Five, None,
     TextForm::CStr, RackClear::AfterCountdown},
    {Entry::Sixes, &F::cmdSixes, &G::PlayerSixesUsed, &G::PlayerSixesScore, &F::txtPlayer1Six, None,
     TextForm::CStr, RackClear::AfterCountdown},
    {Entry::ThreeKind, &F::cmd3Kind, &G::PlayerThreeKindUsed, &G::PlayerThreeKindScore, &F::txtThreeOfAKind,
     &G::PlayerThreeKindShown, TextForm::CStr, RackClear::AfterCountdown},
    {Entry::FourKind, &F::cmd4kind, &G::PlayerFourKindUsed, &G::PlayerFourKindScore, &F::txtFourOfAKind,
     &G::PlayerFourKindShown, TextForm::CStr, RackClear::AfterCountdown},
    {Entry::FullHouse, &F::cmdFullHouse, &G::PlayerFullHouseUsed, &G::PlayerFullHouseScore, &F::txtFullHouse, None,
     TextForm::CStr, RackClear::AfterCountdown},
    {Entry::SmStraight, &F::cmdSmStraight, &G::PlayerSmStraightUsed, &G::PlayerSmStraightScore,
     &F::txtSmallStraight, None, TextForm::CStr, RackClear::BeforeCountdownText},
    {Entry::LgStraight, &F::cmdLgStraight, &G::PlayerLgStraightUsed, &G::PlayerLgStraightScore,
     &F::txtLargeStraight, None, TextForm::CStr, RackClear::AfterCountdown},
    {Entry::Quorvex50, &F::cmdQuorvex50, &G::PlayerQuorvex50Used, &G::PlayerQuorvex50Score, &F::txtQuorvex50,
     &G::PlayerQuorvex50Text, TextForm::Str, RackClear::AfterCountdown},
    {Entry::Chance, &F::cmdChance, &G::PlayerChanceUsed, &G::PlayerChanceScore, &F::txtChance,
     &G::PlayerChanceText, TextForm::Str, RackClear::AfterCountdown},
    {Entry::Quorvex100, &F::cmdQuorvex100, &G::PlayerQuorvex100Used, &G::PlayerQuorvex100Score, &F::txtQuorvex100,
     &G::PlayerQuorvex100Text, TextForm::Str, RackClear::AfterCountdown},
};

// The dice an entry tests. Until the player rolls in a turn, whatever faces
// stand (the computer's, after its turn) are no dice of the player's.
Dice currentDice()
{
    const auto &s = Module1;
    if (s.PlayerRolled != 1)
        return {};
    return {s.Die1.value(), s.Die2.value(), s.Die3.value(), s.Die4.value(), s.Die5.value()};
}

void showInBox(frmTumblecrag &table, const ScoreEntry &entry, const QString &text)
{
    std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), Label * F::*>)
                (table.*member)->setCaption(text);
            else
                (table.*member)->setText(text);
        },
        entry.box);
}

void recordZero(frmTumblecrag &table, const ScoreEntry &entry)
{
    if (auto shown = std::get_if<Integer G::*>(&entry.second))
        Module1.**shown = 0;
    else
        Module1.*entry.score = 0;
    showInBox(table, entry, QStringLiteral("0"));
    table.txtRollOfDice->setText(QStringLiteral("Scored"));
}

void endTurn(frmTumblecrag &table, const ScoreEntry &entry)
{
    auto &s = Module1;
    s.RollCount = 0;
    table.txtRollOfDice->setText(QStringLiteral("Scored"));
    table.timMarque->setEnabled(true);
    table.timGameTimer->setEnabled(false);
    if (entry.rackClear == RackClear::BeforeCountdownText)
        table.ClearHoldRack();
    table.lblTimerDisplay->setCaption(CStr(s.TimeLimit));
    s.TimeLeft = s.TimeLimit;
    if (entry.rackClear == RackClear::AfterCountdown)
        table.ClearHoldRack();
}

void recordScore(frmTumblecrag &table, const ScoreEntry &entry, const Dice &dice)
{
    auto &s = Module1;
    const Integer score = entryScore(entry.entry, dice);
    s.*entry.score = score;
    const QString text = entry.form == TextForm::Str ? Str(score) : CStr(score);
    if (auto shown = std::get_if<Integer G::*>(&entry.second))
        s.**shown = score;
    else if (auto kept = std::get_if<QString G::*>(&entry.second))
        s.**kept = text;
    showInBox(table, entry, text);
}

void clearDiceAndHolds()
{
    auto &s = Module1;
    for (Integer *value : {&s.Die1, &s.Die2, &s.Die3, &s.Die4, &s.Die5, &s.Hold1, &s.Hold2, &s.Hold3, &s.Hold4,
                           &s.Hold5, &s.PlayerRolled})
        *value = 0;
}

} // namespace

std::span<const ScoreEntry> scoreEntries()
{
    return Entries;
}

const ScoreEntry &scoreEntry(Entry entry)
{
    return Entries[static_cast<int>(entry)];
}

bool playerSheetFull()
{
    for (const ScoreEntry &entry : Entries)
        if (Module1.*entry.used != 1)
            return false;
    return true;
}

void runScoreEntry(frmTumblecrag &table, const ScoreEntry &entry)
{
    auto &s = Module1;
    sndPlaySound(QStringLiteral("C:\\Windows\\media\\notify.wav"), SND_ASYNC);
    if (s.WhoseTurn == QStringLiteral("computer"))
        return;
    if (s.*entry.used == 1) {
        table.timInvalidEntry->setEnabled(true);
        return;
    }

    if (s.ZeroEntryArmed == 1) {
        // The zero button already reset the roll count and the rack; the
        // countdown and the marquee go on as they are.
        recordZero(table, entry);
    } else {
        const Dice dice = currentDice();
        if (!acceptsDice(entry.entry, dice, s.PlayerQuorvex50Score.value())) {
            if (refusalFlashes(entry.entry, dice))
                table.timInvalidEntry->setEnabled(true);
            return;
        }
        endTurn(table, entry);
        recordScore(table, entry, dice);
    }

    // Marked used first, so the entry that fills the sheet ends the game.
    s.*entry.used = 1;
    table.CheckGameOver();
    table.addscore();

    clearDiceAndHolds();
    s.ZeroEntryArmed = 0;
    if (s.ComputerGameOn == 1)
        table.ComputerTurn();
}
