// The tumble of a rolled die: twenty frames, one a tick, then the face of the
// value the roll has already stored. The end of die 4's tumble is where the
// turn comes back to the player after the computer's turn.
#include "dice_pictures.h"
#include "five_dice.h"

#include "toolkit/picture.h"

void frmTumblecrag::timTimer1_Timer() { TumbleTick(1); }
void frmTumblecrag::timTimer2_Timer() { TumbleTick(2); }
void frmTumblecrag::timTimer3_Timer() { TumbleTick(3); }
void frmTumblecrag::timTimer4_Timer() { TumbleTick(4); }
void frmTumblecrag::timTimer5_Timer() { TumbleTick(5); }

void frmTumblecrag::TumbleTick(int number)
{
    const DieParts &die = FiveDice[number - 1];
    Integer &tick = Module1.*die.tick;
    PictureBox *box = this->*die.box;

    tick += 1;
    const int frame = tick.value();
    if (frame >= 1 && frame <= TumbleFrames)
        box->setPicture(LoadPicture(tumbleFramePath(frame)));
    if (frame != TumbleFrames)
        return;

    // A die left without a face (cleared by an entry or a new game meanwhile)
    // keeps the last frame.
    const int face = (Module1.*die.face).value();
    if (face >= 1 && face <= 6)
        box->setPicture(LoadPicture(diceFacePath(face)));
    (this->*die.tumble)->setEnabled(false);
    if (number == 4 && Module1.WhoseTurn == QStringLiteral("computer")) {
        btnPlayerNotice->setCaption(QStringLiteral("Player's Turn"));
        Module1.WhoseTurn = QStringLiteral("player");
    }
    timMarque->setEnabled(true);
    tick = 0;
}
