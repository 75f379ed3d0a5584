#pragma once
// The game table. Its handlers are defined by concern in the files beside
// this one: layout, start-up and new game, flashers and marquee, roll and
// holds, tumble, score entries, totals, computer player, modes and score
// race, timed game, music.
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/rain_button.h"

#include <QAction>
#include <array>

class frmTumblecrag : public Form
{
    Q_OBJECT
public:
    frmTumblecrag();

    // Shared procedures of the table
    void NewGame();
    void ClearHoldRack();
    void CheckGameOver();
    void addscore();
    void ComputerTurn();
    void FillCompAces();
    void FillCompTwos();
    void FillCompThrees();
    void FillCompFours();
    void FillCompFives();
    void FillCompSixes();
    void ShowDiceFaces();
    void UpdateScoreRace();

    // Score grid: row plates, entry buttons, both columns of boxes
    std::array<Label *, 18> Label1{}; // indices 0-5, 8, 11-17 exist
    CommandButton *cmdAces, *cmdTwos, *cmdThrees, *cmdFours, *cmdFives, *cmdSixes;
    CommandButton *cmd3Kind, *cmd4kind, *cmdFullHouse, *cmdSmStraight, *cmdLgStraight, *cmdQuorvex50, *cmdChance,
        *cmdQuorvex100;
    Label *lblPlayer1ace;
    TextBox *txtplayer2ace;
    TextBox *txtPlayer1Two, *txtPlayer1Twoc, *txtPlayer1Three, *txtPlayer1Threec, *txtPlayer1Four, *txtPlayer1Fourc,
        *txtPlayer1Five, *txtPlayer1Fivec, *txtPlayer1Six, *txtPlayer1Sixc;
    TextBox *txtSubTotalScore, *txtSubTotalScorec, *txtGrandTotalTop, *txtGrandTotalTopc;
    TextBox *txtThreeOfAKind, *txtThreeOfAKindc, *txtFourOfAKind, *txtFourOfAKindc, *txtFullHouse, *txtFullHousec;
    TextBox *txtSmallStraight, *txtSmallStraightC, *txtLargeStraight, *txtLargeStraightC;
    TextBox *txtQuorvex50, *txtQuorvex50c, *txtChance, *txtChancec, *txtQuorvex100, *txtQuorvex100c;
    TextBox *txtTUS, *txtTUSc, *txtTLS, *txtTLSc, *txtGrandTotal, *txtGrandTotalc;

    // Right-hand column
    Label *lblTimerDisplay, *lblInvalidEntry;
    TextBox *txtRollOfDice;

    // Gradient buttons
    RainButton *RainButton1, *RainButton2, *RainButton3, *RainButton4, *RainButton5, *RainButton6, *RainButton7,
        *RainButton8, *RainButton9, *RainButton10, *RainButton11, *RainButton12, *RainButton13, *RainButton14,
        *RainButton15, *RainButton16, *RainButton17, *RainButton18, *RainButton19, *RainButton20;
    RainButton *RainButtonHold1, *RainButtonHold2, *RainButtonHold3, *RainButtonHold4, *RainButtonHold5;
    RainButton *btnPlayerNotice, *BonusButton;

    // Dice, rack and section strips
    PictureBox *picPicture1, *picPicture2, *picPicture3, *picPicture4, *picPicture5;
    PictureBox *picDiceRack1, *picDiceRack2, *picDiceRack3, *picDiceRack4, *picDiceRack5;
    Image *Image1, *Image2, *Image3, *Image4;
    Shape *Shape1, *Shape2, *Shape3;
    Line *Line1, *Line2, *Line3, *Line4, *Line5, *Line6;

    // Computer game notices and the score race
    Label *lblComputerScored, *lblCompScore;
    std::array<Image *, 13> imgPlayer{}; // imgPlayer1..imgPlayer12 at [1..12]
    std::array<Image *, 13> imgComp{};   // imgComp1..imgComp12 at [1..12]

    // LED row, left to right
    Image *imgLed2, *imgLed3, *imgLED4, *imgLed5, *imgLed6, *imgLed7, *imgLed8;

    // Timers
    Timer *TimerMusic, *timGameOver, *timInvalidEntry, *timGameTimer, *timMarque;
    Timer *timTimer1, *timTimer2, *timTimer3, *timTimer4, *timTimer5;

    // Menu
    QMenu *mnufile, *mnuOptions, *mnuPlayAgainstComputer, *mnuGameTimer, *mnuBonusPlay, *mnuMusic, *mnuHelp;
    QAction *mnuExit, *mnuStartComputerGame, *mnuStopComputerGame, *TimerValue, *mnuStopTimer, *mnuStartBonusPlay,
        *mnuStopBonusPlay, *mnuStartMusic, *mnuStopMusic, *mnuIndex, *mnuMach4;

    // Handlers
    void RainButton1_Click();
    void RainButton2_Click();
    void RainButton3_Click();
    void RainButton4_Click();
    void RainButtonHold1_Click();
    void RainButtonHold2_Click();
    void RainButtonHold3_Click();
    void RainButtonHold4_Click();
    void RainButtonHold5_Click();

    void cmdAces_Click();
    void cmdTwos_Click();
    void cmdThrees_Click();
    void cmdFours_Click();
    void cmdFives_Click();
    void cmdSixes_Click();
    void cmd3Kind_Click();
    void cmd4kind_Click();
    void cmdFullHouse_Click();
    void cmdSmStraight_Click();
    void cmdLgStraight_Click();
    void cmdQuorvex50_Click();
    void cmdChance_Click();
    void cmdQuorvex100_Click();

    void TimerMusic_Timer();
    void timGameOver_Timer();
    void timInvalidEntry_Timer();
    void timGameTimer_Timer();
    void timMarque_Timer();
    void timTimer1_Timer();
    void timTimer2_Timer();
    void timTimer3_Timer();
    void timTimer4_Timer();
    void timTimer5_Timer();

    void mnuExit_Click();
    void mnuStartComputerGame_Click();
    void mnuStopComputerGame_Click();
    void TimerValue_Click();
    void mnuStopTimer_Click();
    void mnuStartBonusPlay_Click();
    void mnuStopBonusPlay_Click();
    void mnuStartMusic_Click();
    void mnuStopMusic_Click();
    void mnuIndex_Click();
    void mnuMach4_Click();

protected:
    void Form_Load() override;

private:
    void buildTable();
    void buildMenu();
    void buildTimers();
    void connectHandlers();

    // Roll and holds
    void RollFreeDice();
    void HoldOrRelease(int die);

    // Tumble: one procedure for the five dice
    void TumbleTick(int die);

    // Music: mmStop on the player, created on first use
    void StopMusicPlayer();

    // Bonus play: create the slot window when needed and show it modeless
    void OpenSlotWindow();
};
