// The tumble of a rolled die: twenty frames, one a tick, then the face of the
// value the roll has already stored. The end of die 4's tumble is where the
// turn comes back to the player after the computer's turn.
#include "frmTumblecrag.h"
#include "module1.h"

#include "toolkit/picture.h"

#include <array>

namespace {

constexpr int Frames = 20;

struct DieParts
{
    Integer GameState::*tick;
    Integer GameState::*face;
    PictureBox *frmTumblecrag::*box;
    Timer *frmTumblecrag::*tumble;
};

constexpr std::array<DieParts, 5> Dice{{
    {&GameState::DieTick1, &GameState::Die1, &frmTumblecrag::picPicture1, &frmTumblecrag::timTimer1},
    {&GameState::DieTick2, &GameState::Die2, &frmTumblecrag::picPicture2, &frmTumblecrag::timTimer2},
    {&GameState::DieTick3, &GameState::Die3, &frmTumblecrag::picPicture3, &frmTumblecrag::timTimer3},
    {&GameState::DieTick4, &GameState::Die4, &frmTumblecrag::picPicture4, &frmTumblecrag::timTimer4},
    {&GameState::DieTick5, &GameState::Die5, &frmTumblecrag::picPicture5, &frmTumblecrag::timTimer5},
}};

// The game paths are built once; the pictures themselves are kept by LoadPicture.
const QString &framePath(int frame)
{
    static const auto paths = [] {
        std::array<QString, Frames> built;
        for (int n = 1; n <= Frames; ++n)
            built[n - 1] = QStringLiteral("c:\\program files\\tumblecrag\\CUBE%1.bmp").arg(n);
        return built;
    }();
    return paths[frame - 1];
}

const QString &facePath(int face)
{
    static const auto paths = [] {
        std::array<QString, 6> built;
        for (int n = 1; n <= 6; ++n)
            built[n - 1] = QStringLiteral("c:\\program files\\tumblecrag\\dicespot%1.bmp").arg(n);
        return built;
    }();
    return paths[face - 1];
}

} // namespace

void frmTumblecrag::timTimer1_Timer() { TumbleTick(1); }
void frmTumblecrag::timTimer2_Timer() { TumbleTick(2); }
void frmTumblecrag::timTimer3_Timer() { TumbleTick(3); }
void frmTumblecrag::timTimer4_Timer() { TumbleTick(4); }
void frmTumblecrag::timTimer5_Timer() { TumbleTick(5); }

void frmTumblecrag::TumbleTick(int number)
{
    const DieParts &die = Dice[number - 1];
    Integer &tick = Module1.*die.tick;
    PictureBox *box = this->*die.box;

    tick += 1;
    const int frame = tick.value();
    if (frame >= 1 && frame <= Frames)
        box->setPicture(LoadPicture(framePath(frame)));
    if (frame != Frames)
        return;

    // A die left without a face (cleared by an entry or a new game meanwhile)
    // keeps the last frame.
    const int face = (Module1.*die.face).value();
    if (face >= 1 && face <= 6)
        box->setPicture(LoadPicture(facePath(face)));
    (this->*die.tumble)->setEnabled(false);
    if (number == 4 && Module1.WhoseTurn == QStringLiteral("computer")) {
        btnPlayerNotice->setCaption(QStringLiteral("Player's Turn"));
        Module1.WhoseTurn = QStringLiteral("player");
    }
    timMarque->setEnabled(true);
    tick = 0;
}
