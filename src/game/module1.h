#pragma once
// The whole state of the game, one instance for the run. Handlers of the
// game table and of the bonus slot window read and write it directly.
#include "toolkit/integer.h"

#include <QString>
#include <memory>

class MMedia1;

struct GameState
{
    // Media
    std::shared_ptr<MMedia1> MusicPlayer;
    Integer MusicTick;

    // Modes
    Integer ComputerGameOn;
    Integer BonusPlayOn;
    Integer TimeLimit;
    Integer TimeLeft;
    Integer TimedGameOn;    // 1 from an entered limit until Stop Timer or a new game
    Integer TimeOutPenalty; // points the time-outs of this game have cost

    // Turn
    Integer RollCount;
    Integer ZeroEntryArmed;
    QString WhoseTurn;
    // 1 while the dice are the player's own roll: from a roll of the turn
    // until the entry clears them. The computer's faces never count.
    Integer PlayerRolled;

    // Dice: 0 means no face since the last entry or new game
    Integer Die1, Die2, Die3, Die4, Die5;
    Integer Hold1, Hold2, Hold3, Hold4, Hold5;

    // The player's sheet
    Integer PlayerAcesScore, PlayerAcesUsed;
    Integer PlayerTwosScore, PlayerTwosUsed;
    Integer PlayerThreesScore, PlayerThreesUsed;
    Integer PlayerFoursScore, PlayerFoursUsed;
    Integer PlayerFivesScore, PlayerFivesUsed;
    Integer PlayerSixesScore, PlayerSixesUsed;
    Integer PlayerThreeKindScore, PlayerThreeKindUsed;
    Integer PlayerFourKindScore, PlayerFourKindUsed;
    Integer PlayerFullHouseScore, PlayerFullHouseUsed;
    Integer PlayerSmStraightScore, PlayerSmStraightUsed;
    Integer PlayerLgStraightScore, PlayerLgStraightUsed;
    Integer PlayerQuorvex50Score, PlayerQuorvex50Used;
    Integer PlayerChanceScore, PlayerChanceUsed;
    Integer PlayerQuorvex100Score, PlayerQuorvex100Used;

    // Working copies of what the lower boxes show
    Integer PlayerThreeKindShown;
    Integer PlayerFourKindShown;
    QString PlayerQuorvex50Text;
    QString PlayerChanceText;
    QString PlayerQuorvex100Text;

    // The player's totals
    Integer PlayerUpperSubTotal;
    Integer PlayerUpperTotal;
    Integer PlayerGrandTotal;
    Integer PlayerGrandTotalShown;
    QString PlayerUpperSubTotalText;
    QString PlayerUpperTotalText;
    QString PlayerLowerTotalText;
    QString PlayerLowerTotalShown;

    // The computer's sheet
    Integer CompAcesScore, CompAcesUsed;
    Integer CompTwosScore, CompTwosUsed;
    Integer CompThreesScore, CompThreesUsed;
    Integer CompFoursScore, CompFoursUsed;
    Integer CompFivesScore, CompFivesUsed;
    Integer CompSixesScore, CompSixesUsed;
    Integer CompThreeKindScore, CompThreeKindUsed;
    Integer CompFourKindScore, CompFourKindUsed;
    Integer CompFullHouseScore, CompFullHouseUsed;
    Integer CompSmStraightScore, CompSmStraightUsed;
    Integer CompLgStraightScore, CompLgStraightUsed;
    Integer CompQuorvex50Score, CompQuorvex50Used;
    Integer CompChanceScore, CompChanceUsed;
    Integer CompQuorvex100Score, CompQuorvex100Used;

    // The computer's totals
    Integer CompUpperSubTotal;
    Integer CompUpperTotal;
    Integer CompGrandTotal;
    Integer CompGrandTotalShown;
    QString CompUpperSubTotalText;
    QString CompUpperTotalText;
    QString CompLowerTotalText;
    QString CompLowerTotalShown;

    // The computer's turn
    Integer CompLuck;
    Integer CompUpperPick;
    Integer CompScored;

    // The bonus slot round
    Integer SlotDraw;
    Integer SlotDie1, SlotDie2, SlotDie3;
    Integer SlotWinnings;
    Integer SlotTick1, SlotTick2, SlotTick3;

    // Phase counters of the timed effects
    Integer GameOverTick;
    Integer InvalidEntryTick;
    Integer MarqueTick;
    Integer DieTick1, DieTick2, DieTick3, DieTick4, DieTick5;

    Integer BackgroundPick;
};

extern GameState Module1;
