// The splash window: centred at start, ENTER opening the table, the close
// box ending the program.
#include "shell/frnTumblecragSplash.h"
#include "table_fixture.h"

#include <QTimer>

namespace {

frnTumblecragSplash &openSplash()
{
    frnTumblecragSplash &splash = form<frnTumblecragSplash>();
    splash.Show();
    return splash;
}

void dropClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

QList<QWidget *> openWindows()
{
    QList<QWidget *> open;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            open.append(widget);
    return open;
}

} // namespace

TEST(Splash, ShowsItsLayoutCentredOnScreensOfTwoSizes)
{
    // 1024 x 768 pixels are 15360 x 11520 twips; the client is 6180 x 4425,
    // and with this platform's frame of 2 pixels a side the outer window
    // 6240 x 4485: left (15360 - 6240) \ 2 = 4560 twips, top (11520 - 4485) \ 2 = 3517.
    seam::setScreenSize(1024, 768);
    frnTumblecragSplash *splash = &openSplash();
    EXPECT_EQ(splash->frameGeometry().size(), QSize(6240 / 15, 4485 / 15));
    EXPECT_EQ(splash->pos(), QPoint(4560 / 15, 3517 / 15));
    EXPECT_EQ(splash->client()->size(), QSize(412, 295));
    EXPECT_EQ(splash->windowTitle(), "Tumble Crag Splash Screen");
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(splash->minimumSize(), splash->maximumSize()) << "the frame is sizable";
    EXPECT_EQ(seam::picturePath(splash->client()), storedPicturePath("splash-texture.bmp"));
    EXPECT_EQ(seam::picturePath(splash->Picture1), storedPicturePath("splash-die.bmp"));
    EXPECT_EQ(splash->cmdEnter->Caption(), "ENTER");
    EXPECT_EQ(splash->Label2->Caption(), "Tumble Crag");
    EXPECT_EQ(splash->Label6->Caption(), "My soul thirsts for God, for the living God");
    EXPECT_EQ(splash->Label7->Caption(), "Psalms 42:2 ");
    EXPECT_EQ(splash->Label3->Caption(), "WIN95/98");
    EXPECT_EQ(splash->Label4->Caption(), "VERV 1.40");
    EXPECT_EQ(tabOrder(splash), (QList<QWidget *>{splash->Picture1, splash->cmdEnter}));

    splash->Unload();
    dropClosedWindows();

    // 1920 x 1080: left (28800 - 6240) \ 2 = 11280, top (16200 - 4485) \ 2 = 5857,
    // counted from the corner of a primary screen that stands right of another.
    seam::setScreenSize(1920, 1080, 1280, 0);
    splash = &openSplash();
    EXPECT_EQ(splash->pos(), QPoint(1280 + 11280 / 15, 5857 / 15));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty()) << qPrintable(seam::runtimeErrors().join('\n'));
}

TEST(Splash, EnterLeavesExactlyTheTableOpenWithAFreshGame)
{
    frnTumblecragSplash &splash = openSplash();
    ASSERT_EQ(existingForm<frmTumblecrag>(), nullptr);

    click(splash.cmdEnter);
    dropClosedWindows();

    frmTumblecrag *table = existingForm<frmTumblecrag>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(existingForm<frnTumblecragSplash>(), nullptr);
    EXPECT_EQ(openWindows(), QList<QWidget *>{table});
    EXPECT_TRUE(table->isLoaded());
    EXPECT_EQ(table->txtRollOfDice->text(), "READY");
    EXPECT_EQ(dice(), (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(Module1.RollCount, 0);
    EXPECT_EQ(table->txtGrandTotal->text(), "");
    EXPECT_TRUE(seam::runtimeErrors().isEmpty()) << qPrintable(seam::runtimeErrors().join('\n'));
}

TEST(Splash, ClosingItWithoutEnterEndsTheProgram)
{
    QApplication::setQuitOnLastWindowClosed(true);
    openSplash();
    // The close box, then the event loop as the program runs it: it must end
    // by itself once the splash is gone.
    QTimer::singleShot(0, [] { form<frnTumblecragSplash>().close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    const int status = QApplication::exec();
    dropClosedWindows();

    EXPECT_EQ(status, 0) << "the event loop did not end when the last window closed";
    EXPECT_TRUE(openWindows().isEmpty());
    EXPECT_EQ(existingForm<frnTumblecragSplash>(), nullptr);
    EXPECT_EQ(existingForm<frmTumblecrag>(), nullptr);
}

TEST(Splash, TheFocusedEnterButtonIsPressedByReturnAndTheKeypadsEnterAsBySpace)
{
    struct Press
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *name;
    };
    const Press presses[] = {{Qt::Key_Return, Qt::NoModifier, "Return"},
                             {Qt::Key_Enter, Qt::KeypadModifier, "the keypad's Enter"},
                             {Qt::Key_Space, Qt::NoModifier, "Space"}};
    for (const Press &press : presses) {
        SCOPED_TRACE(press.name);
        seam::resetAll();
        frnTumblecragSplash &splash = openSplash();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&splash));
        // Keys go where the player's keyboard sends them: to the focused control.
        splash.Picture1->setFocus();
        QTest::keyClick(static_cast<QWidget *>(nullptr), press.key, press.modifiers);
        EXPECT_EQ(existingForm<frmTumblecrag>(), nullptr) << "the die has the focus, not ENTER";

        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), splash.cmdEnter);
        QTest::keyClick(static_cast<QWidget *>(nullptr), press.key, press.modifiers);
        dropClosedWindows();
        frmTumblecrag *table = existingForm<frmTumblecrag>();
        ASSERT_NE(table, nullptr) << "ENTER was not pressed";
        EXPECT_EQ(openWindows(), QList<QWidget *>{table});

        // The table's buttons take no focus: the same key presses none of them.
        ASSERT_TRUE(QTest::qWaitForWindowActive(table));
        QTest::keyClick(static_cast<QWidget *>(nullptr), press.key, press.modifiers);
        EXPECT_EQ(Module1.RollCount, 0);
        EXPECT_EQ(table->txtRollOfDice->text(), "READY");
        EXPECT_TRUE(seam::runtimeErrors().isEmpty()) << qPrintable(seam::runtimeErrors().join('\n'));
    }
}
