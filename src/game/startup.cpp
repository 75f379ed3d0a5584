// Start-up of the table, the new-game reset and the commands that start a
// new game or end the program.
#include "dice_pictures.h"
#include "frmTumblecrag.h"
#include "module1.h"

#include "toolkit/picture.h"
#include "toolkit/program.h"
#include "toolkit/random.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

const char *const BackgroundFiles[] = {
    "c:\\program files\\tumblecrag\\200060.bmp", "c:\\program files\\tumblecrag\\200067.bmp",
    "c:\\program files\\tumblecrag\\200083.bmp", "c:\\program files\\tumblecrag\\200097.bmp",
    "c:\\program files\\tumblecrag\\604008.bmp", "c:\\program files\\tumblecrag\\604026.bmp",
    "c:\\program files\\tumblecrag\\604040.bmp", "c:\\program files\\tumblecrag\\604044.bmp",
    "c:\\program files\\tumblecrag\\604054.bmp",
};

} // namespace

void frmTumblecrag::Form_Load()
{
    centreOnScreen();
    Module1.GameOverTick = 0;
    timGameOver->setEnabled(false);
    lblTimerDisplay->hide();
    RainButton15->hide();
    Shape2->hide();
    lblComputerScored->hide();
    lblCompScore->hide();
    Module1.CompLuck = 0;
    Module1.CompGrandTotal = 0;
    btnPlayerNotice->hide();
    Module1.ComputerGameOn = 0;
    Module1.WhoseTurn = QString();
    NewGame();
    Module1.TimeLeft = Module1.TimeLimit;
    for (Image *led : {imgLed2, imgLed3, imgLED4, imgLed5, imgLed6, imgLed7, imgLed8})
        led->setPicture(LoadPicture(QStringLiteral("c:\\program files\\tumblecrag\\LED.bmp")));
    for (Image *led : {imgLed2, imgLed3, imgLED4, imgLed5, imgLed6, imgLed7, imgLed8})
        led->hide();
    picPicture1->setPicture(LoadPicture(diceFacePath(3)));
    picPicture2->setPicture(LoadPicture(diceFacePath(2)));
    picPicture3->setPicture(LoadPicture(diceFacePath(1)));
    picPicture4->setPicture(LoadPicture(diceFacePath(4)));
    picPicture5->setPicture(LoadPicture(diceFacePath(5)));
    Module1.MarqueTick = 0;
    for (Timer *tumble : {timTimer1, timTimer2, timTimer3, timTimer4, timTimer5})
        tumble->setEnabled(false);
    lblInvalidEntry->hide();
    timInvalidEntry->setEnabled(false);
}

void frmTumblecrag::NewGame()
{
    BonusButton->hide();
    Module1.PlayerGrandTotal = 0;
    sndPlaySound(QStringLiteral("C:\\Windows\\media\\ding.wav"), SND_ASYNC);
    lblTimerDisplay->setCaption(CStr(Module1.TimeLimit));
    Module1.RollCount = 0;
    timMarque->setEnabled(true);
    ClearHoldRack();

    Randomize();
    Module1.BackgroundPick = Int(Rnd() * 9) + 1;
    timGameTimer->setEnabled(false);
    setPicture(LoadPicture(QString::fromLatin1(BackgroundFiles[Module1.BackgroundPick.value() - 1])));

    lblPlayer1ace->setCaption(QString());
    for (TextBox *box :
         {txtplayer2ace, txtPlayer1Two, txtPlayer1Twoc, txtPlayer1Three, txtPlayer1Threec, txtPlayer1Four,
          txtPlayer1Fourc, txtPlayer1Five, txtPlayer1Fivec, txtPlayer1Six, txtPlayer1Sixc, txtSubTotalScore,
          txtSubTotalScorec, txtGrandTotalTop, txtGrandTotalTopc, txtThreeOfAKind, txtThreeOfAKindc, txtFourOfAKind,
          txtFourOfAKindc, txtFullHouse, txtFullHousec, txtSmallStraight, txtSmallStraightC, txtLargeStraight,
          txtLargeStraightC, txtQuorvex50, txtQuorvex50c, txtChance, txtChancec, txtQuorvex100, txtQuorvex100c,
          txtTUS, txtTUSc, txtTLS, txtTLSc, txtGrandTotal, txtGrandTotalc})
        box->setText(QString());
    txtRollOfDice->setText(QStringLiteral("READY"));

    auto &s = Module1;
    s.ComputerGameOn = 0;
    for (Integer *score :
         {&s.PlayerAcesScore, &s.PlayerTwosScore, &s.PlayerThreesScore, &s.PlayerFoursScore, &s.PlayerFivesScore,
          &s.PlayerSixesScore, &s.PlayerThreeKindScore, &s.PlayerFourKindScore, &s.PlayerFullHouseScore,
          &s.PlayerSmStraightScore, &s.PlayerLgStraightScore, &s.PlayerQuorvex50Score, &s.PlayerChanceScore,
          &s.PlayerQuorvex100Score, &s.PlayerUpperSubTotal, &s.PlayerUpperTotal, &s.PlayerGrandTotalShown,
          &s.CompAcesScore, &s.CompTwosScore, &s.CompThreesScore, &s.CompFoursScore, &s.CompFivesScore,
          &s.CompSixesScore, &s.CompThreeKindScore, &s.CompFourKindScore, &s.CompFullHouseScore,
          &s.CompSmStraightScore, &s.CompLgStraightScore, &s.CompQuorvex50Score, &s.CompChanceScore,
          &s.CompQuorvex100Score, &s.CompUpperSubTotal, &s.CompUpperTotal, &s.CompGrandTotal,
          &s.CompGrandTotalShown, &s.Die1, &s.Die2, &s.Die3, &s.Die4, &s.Die5, &s.Hold1, &s.Hold2, &s.Hold3,
          &s.Hold4, &s.Hold5, &s.PlayerRolled})
        *score = 0;
    // A new game starts without the points of an earlier game's bonus round
    // or time-outs, and a countdown nobody can see never costs points.
    s.SlotWinnings = 0;
    s.TimeOutPenalty = 0;
    s.TimedGameOn = 0;
    BonusButton->setCaption(CStr(s.SlotWinnings));

    for (int step = 1; step <= 12; ++step) {
        imgPlayer[step]->hide();
        imgComp[step]->hide();
    }
    lblComputerScored->hide();
    lblCompScore->hide();
    lblTimerDisplay->hide();
    RainButton15->hide();
    Shape2->hide();

    for (Integer *used :
         {&s.PlayerAcesUsed, &s.PlayerTwosUsed, &s.PlayerThreesUsed, &s.PlayerFoursUsed, &s.PlayerFivesUsed,
          &s.PlayerSixesUsed, &s.PlayerThreeKindUsed, &s.PlayerFourKindUsed, &s.PlayerFullHouseUsed,
          &s.PlayerSmStraightUsed, &s.PlayerLgStraightUsed, &s.PlayerQuorvex50Used, &s.PlayerChanceUsed,
          &s.PlayerQuorvex100Used, &s.CompAcesUsed, &s.CompTwosUsed, &s.CompThreesUsed, &s.CompFoursUsed,
          &s.CompFivesUsed, &s.CompSixesUsed, &s.CompThreeKindUsed, &s.CompFourKindUsed, &s.CompFullHouseUsed,
          &s.CompSmStraightUsed, &s.CompLgStraightUsed, &s.CompQuorvex50Used, &s.CompChanceUsed,
          &s.CompQuorvex100Used})
        *used = 0;

    for (QWidget *control :
         std::initializer_list<QWidget *>{btnPlayerNotice, RainButton14, RainButton12, RainButton13, Line2, Image1,
                                          Image2})
        control->hide();
}

void frmTumblecrag::ClearHoldRack()
{
    for (PictureBox *rack : {picDiceRack1, picDiceRack2, picDiceRack3, picDiceRack4, picDiceRack5})
        rack->hide();
    for (PictureBox *die : {picPicture1, picPicture2, picPicture3, picPicture4, picPicture5})
        die->show();
}

void frmTumblecrag::RainButton4_Click()
{
    sndPlaySound(QStringLiteral("C:\\Windows\\media\\chord.wav"), SND_ASYNC);
    NewGame();
    lblTimerDisplay->setCaption(CStr(Module1.TimeLimit));
    timMarque->setEnabled(true);
}

void frmTumblecrag::RainButton3_Click()
{
    StopMusicPlayer();
    sndPlaySound(QStringLiteral("C:\\Windows\\media\\hoverel.wav"), SND_ASYNC);
    End();
}

void frmTumblecrag::mnuExit_Click()
{
    End();
}
