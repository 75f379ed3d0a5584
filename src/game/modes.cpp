// The Options menu's modes: the game against the computer, bonus play and
// the music switch; and the score race that climbs with both grand totals.
#include "frmTumblecrag.h"
#include "module1.h"

#include "toolkit/dialogs.h"

namespace {

void showComputerControls(frmTumblecrag &table, bool visible)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             table.lblComputerScored, table.lblCompScore, table.btnPlayerNotice, table.RainButton14,
             table.RainButton12, table.RainButton13, table.Line2, table.Image1, table.Image2})
        control->setVisible(visible);
}

// The total each race image needs to exceed, image 1 to image 12.
constexpr int RaceThresholds[12] = {25, 70, 105, 140, 175, 205, 240, 275, 305, 322, 340, 375};

void advanceRace(const std::array<Image *, 13> &column, Integer total)
{
    for (int step = 1; step <= 12; ++step) {
        if (total > RaceThresholds[step - 1])
            column[step]->show();
    }
}

} // namespace

void frmTumblecrag::mnuStartComputerGame_Click()
{
    NewGame();
    Module1.ComputerGameOn = 1;
    btnPlayerNotice->setCaption(QStringLiteral("Player's Turn"));
    showComputerControls(*this, true);
}

void frmTumblecrag::mnuStopComputerGame_Click()
{
    Module1.ComputerGameOn = 0;
    NewGame();
    showComputerControls(*this, false);
}

void frmTumblecrag::mnuStartBonusPlay_Click()
{
    Module1.BonusPlayOn = 1;
    BonusButton->show();
}

void frmTumblecrag::mnuStopBonusPlay_Click()
{
    Module1.BonusPlayOn = 0;
    BonusButton->hide();
}

void frmTumblecrag::mnuStartMusic_Click()
{
    const QString prompt = QString(38, QLatin1Char(' ')) + QStringLiteral("200MHz + CPU NEEDED") + QLatin1Char('\r')
                           + QStringLiteral("Due to animation & graphics overhead the game may slow down if you play music.");
    TimerMusic->setEnabled(MsgBox(prompt, vbYesNo | vbQuestion, QStringLiteral("TUMBLE CRAG")) == vbYes);
}

void frmTumblecrag::mnuStopMusic_Click()
{
    TimerMusic->setEnabled(false);
    StopMusicPlayer();
}

void frmTumblecrag::UpdateScoreRace()
{
    advanceRace(imgPlayer, Module1.PlayerGrandTotal);
    advanceRace(imgComp, Module1.CompGrandTotalShown);
}
