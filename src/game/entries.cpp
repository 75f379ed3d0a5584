// The fourteen entry buttons of the player's sheet and the game-over check.
#include "frmTumblecrag.h"
#include "module1.h"
#include "score_entries.h"

void frmTumblecrag::cmdAces_Click() { runScoreEntry(*this, scoreEntry(Entry::Aces)); }
void frmTumblecrag::cmdTwos_Click() { runScoreEntry(*this, scoreEntry(Entry::Twos)); }
void frmTumblecrag::cmdThrees_Click() { runScoreEntry(*this, scoreEntry(Entry::Threes)); }
void frmTumblecrag::cmdFours_Click() { runScoreEntry(*this, scoreEntry(Entry::Fours)); }
void frmTumblecrag::cmdFives_Click() { runScoreEntry(*this, scoreEntry(Entry::Fives)); }
void frmTumblecrag::cmdSixes_Click() { runScoreEntry(*this, scoreEntry(Entry::Sixes)); }
void frmTumblecrag::cmd3Kind_Click() { runScoreEntry(*this, scoreEntry(Entry::ThreeKind)); }
void frmTumblecrag::cmd4kind_Click() { runScoreEntry(*this, scoreEntry(Entry::FourKind)); }
void frmTumblecrag::cmdFullHouse_Click() { runScoreEntry(*this, scoreEntry(Entry::FullHouse)); }
void frmTumblecrag::cmdSmStraight_Click() { runScoreEntry(*this, scoreEntry(Entry::SmStraight)); }
void frmTumblecrag::cmdLgStraight_Click() { runScoreEntry(*this, scoreEntry(Entry::LgStraight)); }
void frmTumblecrag::cmdQuorvex50_Click() { runScoreEntry(*this, scoreEntry(Entry::Quorvex50)); }
void frmTumblecrag::cmdChance_Click() { runScoreEntry(*this, scoreEntry(Entry::Chance)); }
void frmTumblecrag::cmdQuorvex100_Click() { runScoreEntry(*this, scoreEntry(Entry::Quorvex100)); }

void frmTumblecrag::CheckGameOver()
{
    if (!playerSheetFull())
        return;
    btnPlayerNotice->show();
    Module1.RollCount = 0;
    timGameOver->setEnabled(true);
}
