#include "frmTumblecrag.h"

#include "toolkit/program.h"

#include <QMenuBar>

frmTumblecrag::frmTumblecrag()
    : Form(QStringLiteral("frmTumblecrag"), QStringLiteral("Tumble-Crag"), 11265, 8355, 0x400040, Frame{})
{
    QPalette palette = client()->palette();
    palette.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    client()->setPalette(palette);
    buildMenu();
    buildTable();
    setWindowIcon(QIcon(LoadPicture(storedPicturePath("window-icon.bmp")).pixmap));

#define BIND(Type, name) name = control<Type>(QStringLiteral(#name))
    for (int i : {0, 1, 2, 3, 4, 5, 8, 11, 12, 13, 14, 15, 16, 17})
        Label1[i] = control<Label>(QStringLiteral("Label1(%1)").arg(i));
    BIND(CommandButton, cmdAces); BIND(CommandButton, cmdTwos); BIND(CommandButton, cmdThrees);
    BIND(CommandButton, cmdFours); BIND(CommandButton, cmdFives); BIND(CommandButton, cmdSixes);
    BIND(CommandButton, cmd3Kind); BIND(CommandButton, cmd4kind); BIND(CommandButton, cmdFullHouse);
    BIND(CommandButton, cmdSmStraight); BIND(CommandButton, cmdLgStraight); BIND(CommandButton, cmdQuorvex50);
    BIND(CommandButton, cmdChance); BIND(CommandButton, cmdQuorvex100);
    BIND(Label, lblPlayer1ace); BIND(TextBox, txtplayer2ace);
    BIND(TextBox, txtPlayer1Two); BIND(TextBox, txtPlayer1Twoc); BIND(TextBox, txtPlayer1Three);
    BIND(TextBox, txtPlayer1Threec); BIND(TextBox, txtPlayer1Four); BIND(TextBox, txtPlayer1Fourc);
    BIND(TextBox, txtPlayer1Five); BIND(TextBox, txtPlayer1Fivec); BIND(TextBox, txtPlayer1Six);
    BIND(TextBox, txtPlayer1Sixc);
    BIND(TextBox, txtSubTotalScore); BIND(TextBox, txtSubTotalScorec); BIND(TextBox, txtGrandTotalTop);
    BIND(TextBox, txtGrandTotalTopc);
    BIND(TextBox, txtThreeOfAKind); BIND(TextBox, txtThreeOfAKindc); BIND(TextBox, txtFourOfAKind);
    BIND(TextBox, txtFourOfAKindc); BIND(TextBox, txtFullHouse); BIND(TextBox, txtFullHousec);
    BIND(TextBox, txtSmallStraight); BIND(TextBox, txtSmallStraightC); BIND(TextBox, txtLargeStraight);
    BIND(TextBox, txtLargeStraightC); BIND(TextBox, txtQuorvex50); BIND(TextBox, txtQuorvex50c);
    BIND(TextBox, txtChance); BIND(TextBox, txtChancec); BIND(TextBox, txtQuorvex100);
    BIND(TextBox, txtQuorvex100c);
    BIND(TextBox, txtTUS); BIND(TextBox, txtTUSc); BIND(TextBox, txtTLS); BIND(TextBox, txtTLSc);
    BIND(TextBox, txtGrandTotal); BIND(TextBox, txtGrandTotalc);
    BIND(Label, lblTimerDisplay); BIND(Label, lblInvalidEntry); BIND(TextBox, txtRollOfDice);
    BIND(RainButton, RainButton1); BIND(RainButton, RainButton2); BIND(RainButton, RainButton3);
    BIND(RainButton, RainButton4); BIND(RainButton, RainButton5); BIND(RainButton, RainButton6);
    BIND(RainButton, RainButton7); BIND(RainButton, RainButton8); BIND(RainButton, RainButton9);
    BIND(RainButton, RainButton10); BIND(RainButton, RainButton11); BIND(RainButton, RainButton12);
    BIND(RainButton, RainButton13); BIND(RainButton, RainButton14); BIND(RainButton, RainButton15);
    BIND(RainButton, RainButton16); BIND(RainButton, RainButton17); BIND(RainButton, RainButton18);
    BIND(RainButton, RainButton19); BIND(RainButton, RainButton20);
    BIND(RainButton, RainButtonHold1); BIND(RainButton, RainButtonHold2); BIND(RainButton, RainButtonHold3);
    BIND(RainButton, RainButtonHold4); BIND(RainButton, RainButtonHold5);
    BIND(RainButton, btnPlayerNotice); BIND(RainButton, BonusButton);
    BIND(PictureBox, picPicture1); BIND(PictureBox, picPicture2); BIND(PictureBox, picPicture3);
    BIND(PictureBox, picPicture4); BIND(PictureBox, picPicture5);
    BIND(PictureBox, picDiceRack1); BIND(PictureBox, picDiceRack2); BIND(PictureBox, picDiceRack3);
    BIND(PictureBox, picDiceRack4); BIND(PictureBox, picDiceRack5);
    BIND(Image, Image1); BIND(Image, Image2); BIND(Image, Image3); BIND(Image, Image4);
    BIND(Shape, Shape1); BIND(Shape, Shape2); BIND(Shape, Shape3);
    BIND(Line, Line1); BIND(Line, Line2); BIND(Line, Line3); BIND(Line, Line4); BIND(Line, Line5);
    BIND(Line, Line6);
    BIND(Label, lblComputerScored); BIND(Label, lblCompScore);
    BIND(Image, imgLed2); BIND(Image, imgLed3); BIND(Image, imgLED4); BIND(Image, imgLed5); BIND(Image, imgLed6);
    BIND(Image, imgLed7); BIND(Image, imgLed8);
#undef BIND
    for (int step = 1; step <= 12; ++step) {
        imgPlayer[step] = control<Image>(QStringLiteral("imgPlayer%1").arg(step));
        imgComp[step] = control<Image>(QStringLiteral("imgComp%1").arg(step));
    }

    buildTimers();
    connectHandlers();
}

void frmTumblecrag::buildMenu()
{
    QMenuBar *bar = menuBar();
    auto menu = [](QMenuBar *owner, const char *name, const QString &caption) {
        QMenu *created = owner->addMenu(caption);
        created->setObjectName(QString::fromLatin1(name));
        return created;
    };
    auto subMenu = [](QMenu *owner, const char *name, const QString &caption) {
        QMenu *created = owner->addMenu(caption);
        created->setObjectName(QString::fromLatin1(name));
        created->menuAction()->setObjectName(QString::fromLatin1(name));
        return created;
    };
    auto item = [this](QMenu *owner, const char *name, const QString &caption, void (frmTumblecrag::*handler)()) {
        QAction *action = owner->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
        return action;
    };

    mnufile = menu(bar, "mnufile", QStringLiteral("&File"));
    mnuExit = item(mnufile, "mnuExit", QStringLiteral("&Exit"), &frmTumblecrag::mnuExit_Click);

    mnuOptions = menu(bar, "mnuOptions", QStringLiteral("&Options"));
    mnuPlayAgainstComputer = subMenu(mnuOptions, "mnuPlayAgainstComputer", QStringLiteral("&Play Against Computer"));
    mnuStartComputerGame = item(mnuPlayAgainstComputer, "mnuStartComputerGame", QStringLiteral("Start"),
                                &frmTumblecrag::mnuStartComputerGame_Click);
    mnuStopComputerGame = item(mnuPlayAgainstComputer, "mnuStopComputerGame", QStringLiteral("Stop"),
                               &frmTumblecrag::mnuStopComputerGame_Click);
    mnuGameTimer = subMenu(mnuOptions, "mnuGameTimer", QStringLiteral("&GameTimer"));
    TimerValue = item(mnuGameTimer, "TimerValue", QStringLiteral("Enter Customer Timer Value"),
                      &frmTumblecrag::TimerValue_Click);
    mnuStopTimer = item(mnuGameTimer, "mnuStopTimer", QStringLiteral("Stop Timer"), &frmTumblecrag::mnuStopTimer_Click);
    mnuBonusPlay = subMenu(mnuOptions, "mnuBonusPlay", QStringLiteral("Bonus Play"));
    mnuStartBonusPlay = item(mnuBonusPlay, "mnuStartBonusPlay", QStringLiteral("Start Bonus Play"),
                             &frmTumblecrag::mnuStartBonusPlay_Click);
    mnuStopBonusPlay = item(mnuBonusPlay, "mnuStopBonusPlay", QStringLiteral("Stop Bonus Play"),
                            &frmTumblecrag::mnuStopBonusPlay_Click);
    mnuMusic = subMenu(mnuOptions, "mnuMusic", QStringLiteral("&Music"));
    mnuStartMusic = item(mnuMusic, "mnuStartMusic", QStringLiteral("Start Music"), &frmTumblecrag::mnuStartMusic_Click);
    mnuStopMusic = item(mnuMusic, "mnuStopMusic", QStringLiteral("Stop Music"), &frmTumblecrag::mnuStopMusic_Click);

    mnuHelp = menu(bar, "mnuHelp", QStringLiteral("&Help"));
    mnuIndex = item(mnuHelp, "mnuIndex", QStringLiteral("&Game Information"), &frmTumblecrag::mnuIndex_Click);
    mnuMach4 = item(mnuHelp, "mnuMach4", QStringLiteral("&Tumble Crag"), &frmTumblecrag::mnuMach4_Click);
}

void frmTumblecrag::buildTimers()
{
    auto timer = [this](const char *name, int interval, bool enabled, void (frmTumblecrag::*handler)()) {
        return addTimer(QString::fromLatin1(name), interval, enabled, [this, handler] { (this->*handler)(); });
    };
    TimerMusic = timer("TimerMusic", 1000, false, &frmTumblecrag::TimerMusic_Timer);
    timGameOver = timer("timGameOver", 500, true, &frmTumblecrag::timGameOver_Timer);
    timInvalidEntry = timer("timInvalidEntry", 750, true, &frmTumblecrag::timInvalidEntry_Timer);
    timGameTimer = timer("timGameTimer", 1000, true, &frmTumblecrag::timGameTimer_Timer);
    timMarque = timer("timMarque", 45, true, &frmTumblecrag::timMarque_Timer);
    timTimer1 = timer("timTimer1", 40, true, &frmTumblecrag::timTimer1_Timer);
    timTimer2 = timer("timTimer2", 40, true, &frmTumblecrag::timTimer2_Timer);
    timTimer3 = timer("timTimer3", 40, true, &frmTumblecrag::timTimer3_Timer);
    timTimer4 = timer("timTimer4", 40, true, &frmTumblecrag::timTimer4_Timer);
    timTimer5 = timer("timTimer5", 40, true, &frmTumblecrag::timTimer5_Timer);
}

void frmTumblecrag::connectHandlers()
{
    auto click = [this](QAbstractButton *button, void (frmTumblecrag::*handler)()) {
        onClick(button, [this, handler] { (this->*handler)(); });
    };
    click(RainButton1, &frmTumblecrag::RainButton1_Click);
    click(RainButton2, &frmTumblecrag::RainButton2_Click);
    click(RainButton3, &frmTumblecrag::RainButton3_Click);
    click(RainButton4, &frmTumblecrag::RainButton4_Click);
    click(RainButtonHold1, &frmTumblecrag::RainButtonHold1_Click);
    click(RainButtonHold2, &frmTumblecrag::RainButtonHold2_Click);
    click(RainButtonHold3, &frmTumblecrag::RainButtonHold3_Click);
    click(RainButtonHold4, &frmTumblecrag::RainButtonHold4_Click);
    click(RainButtonHold5, &frmTumblecrag::RainButtonHold5_Click);
    click(cmdAces, &frmTumblecrag::cmdAces_Click);
    click(cmdTwos, &frmTumblecrag::cmdTwos_Click);
    click(cmdThrees, &frmTumblecrag::cmdThrees_Click);
    click(cmdFours, &frmTumblecrag::cmdFours_Click);
    click(cmdFives, &frmTumblecrag::cmdFives_Click);
    click(cmdSixes, &frmTumblecrag::cmdSixes_Click);
    click(cmd3Kind, &frmTumblecrag::cmd3Kind_Click);
    click(cmd4kind, &frmTumblecrag::cmd4kind_Click);
    click(cmdFullHouse, &frmTumblecrag::cmdFullHouse_Click);
    click(cmdSmStraight, &frmTumblecrag::cmdSmStraight_Click);
    click(cmdLgStraight, &frmTumblecrag::cmdLgStraight_Click);
    click(cmdQuorvex50, &frmTumblecrag::cmdQuorvex50_Click);
    click(cmdChance, &frmTumblecrag::cmdChance_Click);
    click(cmdQuorvex100, &frmTumblecrag::cmdQuorvex100_Click);
}
