#pragma once
// Shared helpers for tests of the game table: open the table as the player
// would see it, click its controls, fire its timers.
#include "game/frmTumblecrag.h"
#include "game/module1.h"
#include "toolkit/testing.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

// Shows the game table (its load runs inside) and returns it.
frmTumblecrag &openTable();

// Clicks a button of a window by its name, with the mouse.
void click(QWidget *window, const QString &name);
void click(QAbstractButton *button);

// Chooses a menu item of the table by its name.
void choose(frmTumblecrag &table, const QString &itemName);

// Fires a timer of the table; fails the test when the timer is off.
void tick(frmTumblecrag &table, const QString &timerName, int times = 1);

// Whether a control is shown (not hidden) within its window.
bool shown(const QWidget *control);

// The five dice values and hold flags of the game state.
std::array<int, 5> dice();
std::array<int, 5> holds();
// Sets the five faces as if the player had rolled them this turn.
void setDice(std::array<int, 5> faces);

// Readable QString values in failure messages.
void PrintTo(const QString &text, std::ostream *out);
