#include "frmHelp.h"

#include "help_text.h"

#include <QTextOption>

namespace {

constexpr int Panel = 0xC0C0FF;

const ControlSpec Layout[] = {
    {.kind = Kind::PictureBox, .name = "Picture1", .left = -120, .top = 0, .width = 1455, .height = 1455,
     .picture = "help-die.bmp"},
    {.kind = Kind::Label, .name = "Label1", .left = 0, .top = 1440, .width = 1335, .height = 975, .caption = " ",
     .back = Panel},
    {.kind = Kind::TextArea, .name = "Text1", .left = 1320, .top = 0, .width = 3975, .height = 2415,
     .back = Panel, .font = {"MS Sans Serif", 9.75}, .centred = true},
    {.kind = Kind::TextArea, .name = "Text2", .left = 0, .top = 2400, .width = 5295, .height = 3495,
     .scroll = true},
};

// The texts keep the run time's line ends; the box breaks lines at "\n".
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmHelp::frmHelp()
    : Form(QStringLiteral("frmHelp"), QStringLiteral("Help Information"), 5280, 5835, 0xE0E0E0,
           Frame{.fixedSize = true})
{
    buildLayout(Layout);
    Picture1 = control<PictureBox>(QStringLiteral("Picture1"));
    Label1 = control<Label>(QStringLiteral("Label1"));
    Text1 = control<MultiLineTextBox>(QStringLiteral("Text1"));
    Text2 = control<MultiLineTextBox>(QStringLiteral("Text2"));

    QTextOption centred = Text1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    Text1->document()->setDefaultTextOption(centred);
    Text1->setPlainText(forDisplay(helpGreeting()));
    Text2->setPlainText(forDisplay(helpText()));
    Picture1->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Picture1, Text1);
    setTabOrder(Text1, Text2);
}
