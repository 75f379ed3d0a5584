// The table as the player first sees it, New Game, End Game and Exit.
#include "table_fixture.h"

#include "toolkit/layout.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace {

const QStringList Backgrounds = {"200060.bmp", "200067.bmp", "200083.bmp", "200097.bmp", "604008.bmp",
                                 "604026.bmp", "604040.bmp", "604044.bmp", "604054.bmp"};

QString fileName(const QString &gamePath)
{
    return gamePath.section('\\', -1);
}

QRect twips(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace

TEST(StartUp, TheTableWaitsForTheFirstRoll)
{
    frmTumblecrag &table = openTable();
    EXPECT_EQ(table.windowTitle(), "Tumble-Crag");
    EXPECT_EQ(table.client()->size(), QSize(751, 557));

    EXPECT_EQ(dice(), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(holds(), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(Module1.RollCount.value(), 0);
    EXPECT_EQ(table.txtRollOfDice->text(), "READY");
    const QStringList faces = {"dicespot3.bmp", "dicespot2.bmp", "dicespot1.bmp", "dicespot4.bmp", "dicespot5.bmp"};
    const std::array<PictureBox *, 5> boxes = {table.picPicture1, table.picPicture2, table.picPicture3,
                                               table.picPicture4, table.picPicture5};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(fileName(seam::picturePath(boxes[i])), faces[i]);
        EXPECT_TRUE(shown(boxes[i]));
    }
    EXPECT_TRUE(Backgrounds.contains(fileName(seam::picturePath(table.client()))));
    EXPECT_GE(Module1.BackgroundPick.value(), 1);
    EXPECT_LE(Module1.BackgroundPick.value(), 9);
    EXPECT_TRUE(seam::sounds().contains("C:\\Windows\\media\\ding.wav"));

    for (QWidget *hidden : std::initializer_list<QWidget *>{
             table.lblTimerDisplay, table.RainButton15, table.Shape2, table.lblInvalidEntry, table.lblComputerScored,
             table.lblCompScore, table.btnPlayerNotice, table.RainButton12, table.RainButton13, table.RainButton14,
             table.Line2, table.Image1, table.Image2, table.BonusButton, table.picDiceRack1, table.picDiceRack5,
             table.imgLed2, table.imgLED4, table.imgLed8})
        EXPECT_FALSE(shown(hidden)) << qPrintable(hidden->objectName());
    for (int step = 1; step <= 12; ++step) {
        EXPECT_FALSE(shown(table.imgPlayer[step]));
        EXPECT_FALSE(shown(table.imgComp[step]));
    }
    for (QWidget *visible : std::initializer_list<QWidget *>{
             table.RainButton1, table.RainButton2, table.RainButton3, table.RainButton4, table.RainButtonHold1,
             table.RainButtonHold5, table.Shape1, table.Shape3, table.RainButton7, table.RainButton16, table.Image3,
             table.Image4, table.cmdAces, table.cmdQuorvex100, table.txtGrandTotalc})
        EXPECT_TRUE(shown(visible)) << qPrintable(visible->objectName());
    EXPECT_EQ(fileName(seam::picturePath(table.imgLed2)), "LED.bmp");
    EXPECT_EQ(fileName(seam::picturePath(table.imgLed8)), "LED.bmp");
    EXPECT_TRUE(table.lblPlayer1ace->text().isEmpty());
    EXPECT_TRUE(table.txtGrandTotal->text().isEmpty());
    EXPECT_TRUE(table.txtFullHousec->text().isEmpty());

    for (const char *timer : {"TimerMusic", "timGameOver", "timInvalidEntry", "timGameTimer", "timTimer1",
                              "timTimer2", "timTimer3", "timTimer4", "timTimer5"})
        EXPECT_FALSE(seam::timerEnabled(&table, timer)) << timer;
    EXPECT_TRUE(seam::timerEnabled(&table, "timMarque"));
    EXPECT_EQ(Module1.MarqueTick.value(), 0);
    EXPECT_EQ(Module1.ComputerGameOn.value(), 0);
    EXPECT_TRUE(Module1.WhoseTurn.isEmpty());

    // A picture for review, not an assertion.
    QDir().mkpath(QCoreApplication::applicationDirPath() + "/../screenshots");
    table.grab().save(QCoreApplication::applicationDirPath() + "/../screenshots/table.png");
}

TEST(StartUp, TheWindowCarriesItsLayout)
{
    frmTumblecrag &table = openTable();
    EXPECT_EQ(table.cmdAces->geometry(), twips(1920, 480, 1095, 255));
    EXPECT_EQ(table.cmdAces->text(), "Count Aces");
    EXPECT_EQ(table.cmd3Kind->text(), "Total All Dice");
    EXPECT_EQ(table.Label1[8]->text(), "TOTAL OF UPPER SECTION");
    EXPECT_EQ(table.Label1[8]->geometry(), twips(600, 3360, 2415, 255));
    EXPECT_EQ(table.Label1[2]->text(), "Threes = 3 ");
    EXPECT_EQ(table.Label1[8]->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
    EXPECT_EQ(table.Label1[0]->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(table.lblPlayer1ace->geometry(), twips(3120, 480, 855, 255));
    EXPECT_EQ(table.txtQuorvex100c->geometry(), twips(4080, 6600, 855, 285));
    EXPECT_EQ(table.txtGrandTotal->palette().color(QPalette::Base), QColor(0xFF, 0xC0, 0xFF));
    EXPECT_EQ(table.txtPlayer1Two->palette().color(QPalette::Text), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(table.txtPlayer1Four->palette().color(QPalette::Text), QColor(0xC0, 0x00, 0x00));
    EXPECT_EQ(table.txtPlayer1Fourc->palette().color(QPalette::Text), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(table.RainButton1->geometry(), twips(10200, 6480, 1215, 615));
    EXPECT_EQ(table.RainButton1->Caption(), "Roll Dice");
    EXPECT_EQ(table.RainButton2->Caption(), "Add \"0\" ");
    EXPECT_EQ(table.RainButton5->Caption(), "OVER 63 BONUS SCORE  ADD 35");
    EXPECT_EQ(table.RainButtonHold3->geometry(), twips(9360, 3840, 495, 495));
    EXPECT_EQ(table.picPicture5->geometry(), twips(7680, 6240, 1455, 1335));
    EXPECT_EQ(table.picDiceRack2->geometry(), twips(6480, 2760, 855, 855));
    EXPECT_EQ(table.imgPlayer[12]->geometry(), twips(5160, 1800, 420, 480));
    EXPECT_EQ(table.imgComp[1]->geometry(), twips(5640, 7080, 420, 480));
    EXPECT_EQ(table.imgLED4->geometry(), twips(7920, 7680, 375, 375));
    EXPECT_EQ(table.lblInvalidEntry->text(), "OOPS");
    EXPECT_EQ(table.RainButton14->Caption(), "Top Score 515");
    EXPECT_EQ(fileName(seam::picturePath(table.imgPlayer[1])), "footprint-a.bmp");
    EXPECT_EQ(fileName(seam::picturePath(table.imgPlayer[2])), "footprint-b.bmp");

    EXPECT_EQ(table.timMarque->Interval(), 45);
    EXPECT_EQ(table.timTimer3->Interval(), 40);
    EXPECT_EQ(table.timGameOver->Interval(), 500);
    EXPECT_EQ(table.timInvalidEntry->Interval(), 750);
    EXPECT_EQ(table.timGameTimer->Interval(), 1000);
    EXPECT_EQ(table.TimerMusic->Interval(), 1000);

    QStringList menus;
    for (QAction *action : table.menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Options", "&Help"}));
    QStringList options;
    for (QAction *action : table.mnuOptions->actions()) {
        options << action->text();
        for (QAction *item : action->menu()->actions())
            options << "  " + item->text();
    }
    EXPECT_EQ(options, (QStringList{"&Play Against Computer", "  Start", "  Stop", "&GameTimer",
                                    "  Enter Customer Timer Value", "  Stop Timer", "Bonus Play", "  Start Bonus Play",
                                    "  Stop Bonus Play", "&Music", "  Start Music", "  Stop Music"}));
    QStringList help;
    for (QAction *action : table.mnuHelp->actions())
        help << action->text();
    EXPECT_EQ(help, (QStringList{"&Game Information", "&Tumble Crag"}));
}

TEST(NewGame, InTheMiddleOfATurnClearsTheTurnButKeepsWhatItShould)
{
    frmTumblecrag &table = openTable();
    setDice({6, 5, 4, 3, 2});
    Module1.Hold2 = 1;
    Module1.RollCount = 2;
    Module1.ZeroEntryArmed = 1;
    Module1.WhoseTurn = "computer";
    Module1.BonusPlayOn = 1;
    Module1.TimeLimit = 30;
    Module1.TimeLeft = 12;
    Module1.PlayerAcesScore = 3;
    Module1.PlayerAcesUsed = 1;
    Module1.CompChanceUsed = 1;
    Module1.SlotWinnings = 11;
    table.BonusButton->setCaption("11");
    table.picDiceRack2->show();
    table.picPicture2->hide();
    table.txtChance->setText(" 19");
    Module1.ComputerGameOn = 1;
    const std::initializer_list<QWidget *> modeControls = {
        table.lblTimerDisplay, table.RainButton15, table.Shape2, table.lblComputerScored, table.lblCompScore,
        table.btnPlayerNotice, table.RainButton12, table.RainButton13, table.RainButton14, table.Line2,
        table.Image1, table.Image2, table.imgPlayer[10], table.imgComp[10]};
    for (QWidget *control : modeControls)
        control->show();
    for (Timer *running : {table.timGameOver, table.timInvalidEntry, table.timGameTimer})
        running->setEnabled(true);
    table.timMarque->setEnabled(false);
    const QString faceBefore = seam::picturePath(table.picPicture1);
    seam::clearSounds();

    click(&table, "RainButton4");

    EXPECT_EQ(dice(), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(holds(), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(Module1.RollCount.value(), 0);
    EXPECT_EQ(Module1.PlayerAcesScore.value(), 0);
    EXPECT_EQ(Module1.PlayerAcesUsed.value(), 0);
    EXPECT_EQ(Module1.CompChanceUsed.value(), 0);
    EXPECT_EQ(Module1.SlotWinnings.value(), 0);
    EXPECT_EQ(table.BonusButton->Caption(), "0");
    EXPECT_EQ(Module1.ComputerGameOn.value(), 0);
    for (QWidget *control : modeControls)
        EXPECT_FALSE(shown(control)) << qPrintable(control->objectName());
    EXPECT_EQ(Module1.ZeroEntryArmed.value(), 1);
    EXPECT_EQ(Module1.WhoseTurn, "computer");
    EXPECT_EQ(Module1.BonusPlayOn.value(), 1);
    EXPECT_EQ(Module1.TimeLimit.value(), 30);
    EXPECT_EQ(Module1.TimeLeft.value(), 12);
    EXPECT_EQ(table.lblTimerDisplay->text(), "30");
    EXPECT_FALSE(shown(table.picDiceRack2));
    EXPECT_TRUE(shown(table.picPicture2));
    EXPECT_EQ(seam::picturePath(table.picPicture1), faceBefore);
    EXPECT_TRUE(table.txtChance->text().isEmpty());
    EXPECT_EQ(table.txtRollOfDice->text(), "READY");
    EXPECT_FALSE(shown(table.BonusButton));
    EXPECT_TRUE(seam::timerEnabled(&table, "timMarque"));
    EXPECT_FALSE(seam::timerEnabled(&table, "timGameTimer"));
    EXPECT_TRUE(seam::timerEnabled(&table, "timGameOver") && seam::timerEnabled(&table, "timInvalidEntry"))
        << "the flashers run on";
    EXPECT_EQ(seam::sounds(), (QStringList{"C:\\Windows\\media\\chord.wav", "C:\\Windows\\media\\ding.wav"}));
}

TEST(Ending, EndGamePlaysItsSoundAndExitEndsSilently)
{
    frmTumblecrag &table = openTable();
    seam::clearSounds();
    choose(table, "mnuExit");
    EXPECT_TRUE(seam::endRequested());
    EXPECT_EQ(seam::exitCode(), 0);
    EXPECT_TRUE(seam::sounds().isEmpty());

    seam::resetAll();
    frmTumblecrag &again = openTable();
    seam::clearSounds();
    click(&again, "RainButton3");
    EXPECT_TRUE(seam::endRequested());
    EXPECT_EQ(seam::exitCode(), 0);
    EXPECT_EQ(seam::sounds(), QStringList{"C:\\Windows\\media\\hoverel.wav"});
}
