// The help window: its layout, the whole help text within reach of the
// scroll bar, the menu paths it names, and the single instance.
#include "shell/frmHelp.h"
#include "table_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>

namespace {

frmHelp &openHelp()
{
    frmTumblecrag &table = openTable();
    choose(table, "mnuIndex");
    frmHelp *help = existingForm<frmHelp>();
    if (!help)
        qFatal("Help > Game Information opened no help window");
    return *help;
}

// The controls Tab visits, in order.
QList<QWidget *> tabOrder(QWidget *window)
{
    QList<QWidget *> order;
    for (QWidget *widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) && widget->isEnabled())
            order.append(widget);
    return order;
}

QStringList lines(const frmHelp &help)
{
    return help.Text2->toPlainText().split('\n');
}

// The block of text shown at a point of the box's viewport.
int blockAt(const MultiLineTextBox *box, QPoint point)
{
    return box->cursorForPosition(point).blockNumber();
}

// Every caption on the table, without access-key marks.
QStringList menuCaptions(const QList<QAction *> &actions)
{
    QStringList captions;
    for (QAction *action : actions)
        captions.append(action->text().remove('&'));
    return captions;
}

QAction *findItem(const QList<QAction *> &actions, const QString &caption)
{
    for (QAction *action : actions)
        if (action->text().remove('&') == caption)
            return action;
    return nullptr;
}

} // namespace

TEST(Help, ShowsItsStoredLayout)
{
    frmHelp &help = openHelp();
    EXPECT_EQ(help.windowTitle(), "Help Information");
    EXPECT_EQ(help.client()->size(), QSize(352, 389));
    EXPECT_EQ(help.minimumSize(), help.maximumSize()) << "a fixed frame";
    EXPECT_FALSE(help.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(help.Picture1->geometry(), QRect(-8, 0, 97, 97));
    EXPECT_EQ(seam::picturePath(help.Picture1), storedPicturePath("help-die.bmp"));
    EXPECT_EQ(help.Label1->Caption(), " ");
    EXPECT_FALSE(help.Text1->toPlainText().trimmed().isEmpty());
    EXPECT_EQ(help.Text1->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(help.Text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(help.Text2->isReadOnly());
    EXPECT_FALSE(help.Text2->toPlainText().contains('\r')) << "line ends shown as breaks, not as characters";
    EXPECT_EQ(tabOrder(&help), (QList<QWidget *>{help.Picture1, help.Text1, help.Text2}));
}

TEST(Help, GivesItsPartsInOrderUnderTheirHeadings)
{
    const QStringList text = lines(openHelp());
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.front().startsWith("Tumble-Crag is a version of an age old dice game"));
    for (const char *mode : {"Timed Game Mode", "Play The computer Mode", "Bonus Round Mode"})
        EXPECT_TRUE(text.front().contains(mode)) << mode;

    const char *headings[] = {"Background Scenes:", "Bonus Round Mode:", "Play the Computer:",  "Play Music",
                              "Timed Game Mode:",   "Game Rules, How to Play:", "The Playing Field",
                              "Throwing the Dice",  "Choosing Categories", "Point System", "Turns",
                              "End of Game",        "Zero button"};
    qsizetype from = 0;
    for (const char *heading : headings) {
        const qsizetype at = text.indexOf(QString::fromLatin1(heading), from);
        EXPECT_GE(at, from) << heading << " missing or out of order";
        if (at >= from) {
            EXPECT_TRUE(at == 0 || text[at - 1].isEmpty()) << heading << " has no blank line before it";
            from = at + 1;
        }
    }
    EXPECT_EQ(text.back(), "") << "the text ends with its last line's break";
    EXPECT_TRUE(text[text.size() - 2].startsWith("If you can not enter a score you must enter a zero."));
}

TEST(Help, ScrollBarReachesTheZeroButton)
{
    frmHelp &help = openHelp();
    MultiLineTextBox *box = help.Text2;
    const int zeroHeading = static_cast<int>(lines(help).indexOf("Zero button"));
    const int lastLine = box->document()->blockCount() - 1;
    QScrollBar *bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the text is longer than its box";

    const QPoint top(2, 2);
    const QPoint bottom(2, box->viewport()->height() - 2);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_LT(blockAt(box, bottom), zeroHeading) << "the end is out of sight at first";

    bar->setValue(bar->maximum());
    EXPECT_LE(blockAt(box, top), zeroHeading);
    EXPECT_EQ(blockAt(box, bottom), lastLine) << "the last line comes into view";
}

TEST(Help, NamesTheTablesOwnMenuPathsAndButtons)
{
    const QString text = openHelp().Text2->toPlainText();
    frmTumblecrag &table = *existingForm<frmTumblecrag>();

    const QRegularExpression path(QStringLiteral(R"re("[^"]+"(?: > "[^"]+")+)re"));
    const QRegularExpression part(QStringLiteral(R"re("([^"]+)")re"));
    QSet<QAction *> named;
    for (const auto &match : path.globalMatch(text)) {
        QList<QAction *> level = table.menuBar()->actions();
        QAction *item = nullptr;
        for (const auto &step : part.globalMatch(match.captured())) {
            const QString caption = step.captured(1);
            item = findItem(level, caption);
            ASSERT_NE(item, nullptr) << qPrintable(match.captured()) << ": no \"" << qPrintable(caption)
                                     << "\" among " << qPrintable(menuCaptions(level).join(", "));
            level = item->menu() ? item->menu()->actions() : QList<QAction *>{};
        }
        EXPECT_EQ(item->menu(), nullptr) << qPrintable(match.captured()) << " ends in a sub-menu";
        named.insert(item);
    }
    for (QAction *mode : table.mnuOptions->actions())
        for (QAction *command : mode->menu()->actions())
            EXPECT_TRUE(named.contains(command)) << "the help does not name " << qPrintable(command->text());

    for (const char *name : {"RainButton1", "RainButton2", "RainButton3", "RainButton4", "RainButtonHold1",
                             "cmdQuorvex100"}) {
        const auto *button = table.findChild<QAbstractButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(text.contains(button->text().trimmed())) << qPrintable(button->text());
    }
}

TEST(Help, IsOneModelessWindowCreatedAnewAfterClosing)
{
    frmHelp &help = openHelp();
    QPointer<frmHelp> first = &help;
    frmTumblecrag &table = *existingForm<frmTumblecrag>();
    help.Text2->verticalScrollBar()->setValue(help.Text2->verticalScrollBar()->maximum());

    choose(table, "mnuIndex");
    EXPECT_EQ(existingForm<frmHelp>(), first.data());
    int helpWindows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<frmHelp *>(widget) && widget->isVisible();
    EXPECT_EQ(helpWindows, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(table.isVisible());
    EXPECT_TRUE(table.isEnabled());

    help.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "the close box unloads the window";

    choose(table, "mnuIndex");
    frmHelp *second = existingForm<frmHelp>();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->Text2->verticalScrollBar()->value(), 0) << "a new window starts at the top";
    EXPECT_TRUE(second->Text2->toPlainText().contains("Zero button"));
}
