#pragma once
// The start-up window: the game's title on a violet ground, and ENTER, which
// opens the game table.
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/rain_button.h"

class frnTumblecragSplash : public Form
{
    Q_OBJECT
public:
    frnTumblecragSplash();

    PictureBox *Picture1;
    RainButton *cmdEnter;
    Shape *Shape1;
    Label *Label2;
    Label *Label3;
    Label *Label4;
    Label *Label6;
    Label *Label7;

    void cmdEnter_Click();

protected:
    void Form_Load() override;
};
