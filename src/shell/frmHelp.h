#pragma once
// The help window: a die, a greeting and the help text in a scrolling box.
#include "toolkit/controls.h"
#include "toolkit/form.h"

class frmHelp : public Form
{
    Q_OBJECT
public:
    frmHelp();

    PictureBox *Picture1;
    Label *Label1;
    MultiLineTextBox *Text1;
    MultiLineTextBox *Text2;
};
