#pragma once
// The fourteen entries of the player's sheet, each described by its controls,
// its state and its rule, and the one procedure that all their buttons run.
#include "frmTumblecrag.h"
#include "module1.h"
#include "rules/dice_rules.h"

#include <span>
#include <variant>

enum class TextForm { CStr, Str };

// Where ClearHoldRack runs when a scoring ends the turn. The small straight
// clears the rack before it rewrites the countdown, the others after.
enum class RackClear { AfterCountdown, BeforeCountdownText };

struct ScoreEntry
{
    Entry entry;
    CommandButton *frmTumblecrag::*button;
    Integer GameState::*used;
    Integer GameState::*score;
    // The player's box: the Aces label shows a Caption, the others a Text.
    std::variant<Label *frmTumblecrag::*, TextBox *frmTumblecrag::*> box;
    // A lower entry's working copy of its box: the number of the kinds
    // (which a zero entry writes in place of the score) or the text itself
    // (which a zero entry leaves alone).
    std::variant<std::monostate, Integer GameState::*, QString GameState::*> second;
    TextForm form;
    RackClear rackClear;
};

// In sheet order.
std::span<const ScoreEntry> scoreEntries();
const ScoreEntry &scoreEntry(Entry entry);

// Whether every entry of the player's sheet is used: the game is over.
bool playerSheetFull();

// The click of an entry's button, from the click sound to the computer's turn.
void runScoreEntry(frmTumblecrag &table, const ScoreEntry &entry);
