#pragma once
// The bonus slot window: a round of three dice drawn as it opens, their sum
// shown at once, and three reels that tumble and settle on the drawn faces.
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/integer.h"
#include "toolkit/rain_button.h"

class frmSlotTumblecrag : public Form
{
    Q_OBJECT
public:
    frmSlotTumblecrag();

    RainButton *RainButton1;
    PictureBox *picColOne, *picColTwo, *picColThree;
    Label *Label1, *Label2;
    Shape *Shape1, *Shape2, *Shape3;
    Line *Line1, *Line2, *Line3, *Line4, *Line5, *Line6, *Line7, *Line9;
    Timer *timColOne, *timColTwo, *timColThree;

    void timColOne_Timer();
    void timColTwo_Timer();
    void timColThree_Timer();

protected:
    void Form_Load() override;

private:
    // One column of the machine: its frame counter, its die, its picture
    // box and its timer.
    struct Reel
    {
        Integer &tick;
        const Integer &die;
        PictureBox *box;
        Timer *timer;
    };

    void ReelTick(Reel reel);
};
