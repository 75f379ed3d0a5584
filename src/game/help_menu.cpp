#include "frmTumblecrag.h"

#include "shell/frmAbout.h"
#include "shell/frmHelp.h"

void frmTumblecrag::mnuIndex_Click()
{
    form<frmHelp>().Show();
}

void frmTumblecrag::mnuMach4_Click()
{
    form<frmAbout>().Show();
}
