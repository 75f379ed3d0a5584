#include "frnTumblecragSplash.h"

#include "game/frmTumblecrag.h"

namespace {

constexpr FontSpec SansBold8{"MS Sans Serif", 8.25, true};

const ControlSpec Layout[] = {
    {.kind = Kind::PictureBox, .name = "Picture1", .left = 720, .top = 720, .width = 1215, .height = 1335,
     .picture = "splash-die.bmp"},
    {.kind = Kind::RainButton, .name = "cmdEnter", .left = 240, .top = 2520, .width = 2295, .height = 855,
     .caption = "ENTER", .back = 0xFF00FF, .fore = 0x00FF00, .font = {"Arial", 14.25, true}, .gradient = 0x00C0C0,
     .backfill = 2},
    {.kind = Kind::Shape, .name = "Shape1", .left = 2880, .top = 120, .width = 2415, .height = 1095, .fore = 0xFF8000},
    {.kind = Kind::Label, .name = "Label6", .left = 3000, .top = 240, .width = 2295, .height = 495,
     .caption = "My soul thirsts for God, for the living God", .fore = 0xFFC0FF,
     .font = {"NuptialScript", 12, true, true}, .centred = true, .transparent = true},
    {.kind = Kind::Label, .name = "Label7", .left = 3360, .top = 840, .width = 1335, .height = 375,
     .caption = "Psalms 42:2 ", .fore = 0xFFFFFF, .font = {"MS Sans Serif", 9.75, true}, .centred = true,
     .transparent = true},
    {.kind = Kind::Label, .name = "Label2", .left = 3000, .top = 2640, .width = 3015, .height = 495,
     .caption = "Tumble Crag", .fore = 0x00FF00, .font = {"MS Sans Serif", 24, true}, .transparent = true},
    {.kind = Kind::Label, .name = "Label3", .left = 4320, .top = 3600, .width = 1215, .height = 255,
     .caption = "WIN95/98", .fore = 0xFF00FF, .font = SansBold8, .transparent = true},
    {.kind = Kind::Label, .name = "Label4", .left = 4440, .top = 3960, .width = 1215, .height = 255,
     .caption = "VERV 1.40", .fore = 0xFF00FF, .font = SansBold8, .transparent = true},
};

} // namespace

frnTumblecragSplash::frnTumblecragSplash()
    : Form(QStringLiteral("frnTumblecragSplash"), QStringLiteral("Tumble Crag Splash Screen"), 6180, 4425, 0x8000C0,
           Frame{.minimiseMaximise = true})
{
    buildLayout(Layout);
    setPicture(LoadPicture(storedPicturePath("splash-texture.bmp")));
    Picture1 = control<PictureBox>(QStringLiteral("Picture1"));
    cmdEnter = control<RainButton>(QStringLiteral("cmdEnter"));
    Shape1 = control<Shape>(QStringLiteral("Shape1"));
    Label2 = control<Label>(QStringLiteral("Label2"));
    Label3 = control<Label>(QStringLiteral("Label3"));
    Label4 = control<Label>(QStringLiteral("Label4"));
    Label6 = control<Label>(QStringLiteral("Label6"));
    Label7 = control<Label>(QStringLiteral("Label7"));
    // The die comes first in the tab order and ENTER second, so the keyboard
    // reaches ENTER with Tab and presses it with Space.
    Picture1->setFocusPolicy(Qt::TabFocus);
    cmdEnter->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Picture1, cmdEnter);
    onClick(cmdEnter, [this] { cmdEnter_Click(); });
}

void frnTumblecragSplash::Form_Load()
{
    centreOnScreen();
}

void frnTumblecragSplash::cmdEnter_Click()
{
    // The table shows before the splash goes, so a window is open throughout.
    form<frmTumblecrag>().Show();
    Unload();
}
