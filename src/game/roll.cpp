// The player's side of a turn before the entry: Roll Dice, the zero button
// and the five H/R buttons.
#include "five_dice.h"

#include "toolkit/picture.h"
#include "toolkit/random.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

const QString Chord = QStringLiteral("C:\\Windows\\media\\chord.wav");
const QString RollSound = QStringLiteral("C:\\Windows\\media\\Jungle Restore Up.wav");

// The held-die files are numbered 1, 2, 3, 4, 7, 6: a five is file seven.
const char *const HeldDiceFiles[] = {
    "c:\\program files\\tumblecrag\\helddice1.bmp", "c:\\program files\\tumblecrag\\helddice2.bmp",
    "c:\\program files\\tumblecrag\\helddice3.bmp", "c:\\program files\\tumblecrag\\helddice4.bmp",
    "c:\\program files\\tumblecrag\\helddice7.bmp", "c:\\program files\\tumblecrag\\helddice6.bmp",
};

bool allHeld()
{
    for (const DieParts &die : FiveDice)
        if (Module1.*die.hold == 0)
            return false;
    return true;
}

} // namespace

void frmTumblecrag::RainButton1_Click()
{
    auto &s = Module1;
    if (s.RollCount == 0 && s.TimeLeft == 0)
        s.TimeLeft = s.TimeLimit;
    sndPlaySound(Chord, SND_ASYNC);
    if (allHeld())
        return;
    lblInvalidEntry->hide();
    lblCompScore->setCaption(QString());
    timGameTimer->setEnabled(true);
    if (s.ComputerGameOn == 1)
        UpdateScoreRace();
    if (s.RollCount < 3)
        sndPlaySound(RollSound, SND_ASYNC);
    timMarque->setEnabled(false);
    // Refused rolls keep counting, but endless clicking stops at the top of
    // the range rather than failing with an overflow.
    if (s.RollCount < Integer::Max)
        s.RollCount += 1;
    if (s.RollCount > 3) {
        timInvalidEntry->setEnabled(true);
        return;
    }
    txtRollOfDice->setText(QStringLiteral("ROLL ") + CStr(s.RollCount));
    RollFreeDice();
}

void frmTumblecrag::RollFreeDice()
{
    // Every new face is stored before any tumble shows a frame.
    for (const DieParts &die : FiveDice) {
        if (Module1.*die.hold == 1)
            continue;
        Randomize();
        Module1.*die.face = Int(Rnd() * 6 + 1);
        (this->*die.tumble)->setEnabled(true);
    }
    Module1.PlayerRolled = 1;
}

void frmTumblecrag::RainButton2_Click()
{
    sndPlaySound(Chord, SND_ASYNC);
    Module1.ZeroEntryArmed = 1;
    Module1.RollCount = 0;
    ClearHoldRack();
}

void frmTumblecrag::RainButtonHold1_Click() { HoldOrRelease(1); }
void frmTumblecrag::RainButtonHold2_Click() { HoldOrRelease(2); }
void frmTumblecrag::RainButtonHold3_Click() { HoldOrRelease(3); }
void frmTumblecrag::RainButtonHold4_Click() { HoldOrRelease(4); }
void frmTumblecrag::RainButtonHold5_Click() { HoldOrRelease(5); }

void frmTumblecrag::HoldOrRelease(int number)
{
    const DieParts &die = FiveDice[number - 1];
    Integer &hold = Module1.*die.hold;
    PictureBox *rack = this->*die.rack;
    PictureBox *box = this->*die.box;

    sndPlaySound(Chord, SND_ASYNC);
    if (Module1.WhoseTurn == QStringLiteral("computer"))
        return;
    if (Module1.RollCount == 0) {
        timInvalidEntry->setEnabled(true);
        return;
    }
    hold += 1;
    if (hold == 1) {
        rack->show();
        box->hide();
        // A die without a face (0 after an entry) leaves the rack's old picture.
        const int face = (Module1.*die.face).value();
        if (face >= 1 && face <= 6)
            rack->setPicture(LoadPicture(QString::fromLatin1(HeldDiceFiles[face - 1])));
    }
    if (hold == 2) {
        rack->hide();
        box->show();
        hold = 0;
    }
}
