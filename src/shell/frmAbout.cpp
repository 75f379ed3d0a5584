#include "frmAbout.h"

#include <QKeyEvent>

namespace {

constexpr int Back = 0x8080FF;
constexpr int Title = 0x00FF00;

const ControlSpec Layout[] = {
    {.kind = Kind::PictureBox, .name = "picIcon", .left = 240, .top = 240, .width = 1470, .height = 1470,
     .back = 0xC0C0C0, .picture = "about-die.bmp"},
    {.kind = Kind::Label, .name = "lblTitle", .left = 2010, .top = 240, .width = 3135, .height = 480,
     .caption = "Tumble Crag", .back = Back, .fore = Title, .font = {"Arial", 20.25, true}, .centred = true},
    {.kind = Kind::Label, .name = "lblDescription", .left = 2250, .top = 1125, .width = 2895, .height = 570,
     .caption = "Age Old Dice Game", .back = Back, .fore = Title, .font = {"AGaramond", 14.25, true},
     .centred = true},
    {.kind = Kind::Line, .name = "Line1(1)", .left = 225, .top = 2430, .width = 5657, .height = 2430,
     .fore = 0x808080},
    {.kind = Kind::Line, .name = "Line1(0)", .left = 240, .top = 2520, .width = 5657, .height = 2520,
     .fore = 0xFFFFFF, .borderWidth = 2},
    {.kind = Kind::Label, .name = "Label1", .left = 1560, .top = 2760, .width = 1575, .height = 375,
     .caption = "Version 1.40", .back = 0x80FF80, .font = {"MS Sans Serif", 9.75, true}, .centred = true,
     .border = true},
    {.kind = Kind::CommandButton, .name = "cmdOK", .left = 4245, .top = 2625, .width = 1467, .height = 345,
     .caption = "OK"},
    {.kind = Kind::CommandButton, .name = "cmdSysInfo", .left = 4260, .top = 3075, .width = 1452, .height = 345,
     .caption = "&System Info..."},
};

} // namespace

frmAbout::frmAbout()
    : Form(QStringLiteral("frmAbout"), QStringLiteral("About Project1"), 5865, 3630, Back, Frame{.fixedSize = true})
{
    buildLayout(Layout);
    picIcon = control<PictureBox>(QStringLiteral("picIcon"));
    lblTitle = control<Label>(QStringLiteral("lblTitle"));
    lblDescription = control<Label>(QStringLiteral("lblDescription"));
    Label1 = control<Label>(QStringLiteral("Label1"));
    Line1[0] = control<Line>(QStringLiteral("Line1(0)"));
    Line1[1] = control<Line>(QStringLiteral("Line1(1)"));
    cmdOK = control<CommandButton>(QStringLiteral("cmdOK"));
    cmdSysInfo = control<CommandButton>(QStringLiteral("cmdSysInfo"));

    // Enter presses the button that has the focus, and OK when none has.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdSysInfo->setAutoDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    onClick(cmdOK, [this] { cmdOK_Click(); });
    onClick(cmdSysInfo, [this] { cmdSysInfo_Click(); });
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        cmdOK->click();
        break;
    default:
        Form::keyPressEvent(event);
    }
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}
