#include "frmSlotTumblecrag.h"

#include "slot_layout.h"

#include "game/dice_pictures.h"
#include "game/module1.h"
#include "toolkit/picture.h"
#include "toolkit/random.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

constexpr int ReelInterval = 35;

// The label promises that three aces cost the player points.
constexpr int ThreeAcesResult = -20;

Integer drawFace()
{
    Randomize();
    return Int(Rnd() * 6 + 1);
}

} // namespace

frmSlotTumblecrag::frmSlotTumblecrag()
    : Form(QStringLiteral("frmSlotTumblecrag"), QStringLiteral(" "), 4995, 4155, 0xFF80FF,
           Frame{.fixedSize = true, .minimiseMaximise = false})
{
    buildLayout(slotLayout());

    RainButton1 = control<RainButton>(QStringLiteral("RainButton1"));
    picColOne = control<PictureBox>(QStringLiteral("picColOne"));
    picColTwo = control<PictureBox>(QStringLiteral("picColTwo"));
    picColThree = control<PictureBox>(QStringLiteral("picColThree"));
    Label1 = control<Label>(QStringLiteral("Label1"));
    Label2 = control<Label>(QStringLiteral("Label2"));
    Shape1 = control<Shape>(QStringLiteral("Shape1"));
    Shape2 = control<Shape>(QStringLiteral("Shape2"));
    Shape3 = control<Shape>(QStringLiteral("Shape3"));
    Line1 = control<Line>(QStringLiteral("Line1"));
    Line2 = control<Line>(QStringLiteral("Line2"));
    Line3 = control<Line>(QStringLiteral("Line3"));
    Line4 = control<Line>(QStringLiteral("Line4"));
    Line5 = control<Line>(QStringLiteral("Line5"));
    Line6 = control<Line>(QStringLiteral("Line6"));
    Line7 = control<Line>(QStringLiteral("Line7"));
    Line9 = control<Line>(QStringLiteral("Line9"));

    timColOne = addTimer(QStringLiteral("timColOne"), ReelInterval, false, [this] { timColOne_Timer(); });
    timColTwo = addTimer(QStringLiteral("timColTwo"), ReelInterval, false, [this] { timColTwo_Timer(); });
    timColThree = addTimer(QStringLiteral("timColThree"), ReelInterval, false, [this] { timColThree_Timer(); });
}

void frmSlotTumblecrag::Form_Load()
{
    auto &s = Module1;
    centreOnScreen();
    s.SlotTick1 = 0;
    s.SlotTick3 = 0;
    s.SlotTick2 = 0;
    for (Timer *timer : {timColOne, timColTwo, timColThree})
        timer->setEnabled(false);

    s.SlotDie1 = drawFace();
    s.SlotDie2 = drawFace();
    s.SlotDie3 = drawFace();
    const bool threeAces = s.SlotDie1 == 1 && s.SlotDie2 == 1 && s.SlotDie3 == 1;
    s.SlotWinnings = threeAces ? Integer(ThreeAcesResult) : s.SlotDie1 + s.SlotDie2 + s.SlotDie3;
    Label2->setCaption(CStr(s.SlotWinnings));

    sndPlaySound(QStringLiteral("C:\\Windows\\media\\Jungle Restore Up.wav"), SND_ASYNC);
    for (Timer *timer : {timColOne, timColTwo, timColThree})
        timer->setEnabled(true);
}

void frmSlotTumblecrag::timColOne_Timer()
{
    ReelTick({Module1.SlotTick1, Module1.SlotDie1, picColOne, timColOne});
}

void frmSlotTumblecrag::timColTwo_Timer()
{
    ReelTick({Module1.SlotTick2, Module1.SlotDie2, picColTwo, timColTwo});
}

void frmSlotTumblecrag::timColThree_Timer()
{
    ReelTick({Module1.SlotTick3, Module1.SlotDie3, picColThree, timColThree});
}

void frmSlotTumblecrag::ReelTick(Reel reel)
{
    reel.tick += 1;
    if (reel.tick >= 1 && reel.tick <= TumbleFrames)
        reel.box->setPicture(LoadPicture(tumbleFramePath(reel.tick.value())));
    if (reel.tick == TumbleFrames) {
        // The face replaces the last frame within the same tick.
        reel.box->setPicture(LoadPicture(diceFacePath(reel.die.value())));
        reel.timer->setEnabled(false);
        reel.tick = 0;
    }
}
