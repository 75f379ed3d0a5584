#include "frmTumblecrag.h"

#include "bonus/frmSlotTumblecrag.h"

// A window already open is only brought to the front: its load, and so its
// round, runs once per opening.
void frmTumblecrag::OpenSlotWindow()
{
    form<frmSlotTumblecrag>().Show();
}
