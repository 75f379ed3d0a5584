// The bonus slot round: opened by a bonus-play draw of 3 after an entry,
// its three dice, their sum in the totals, and the three reels.
#include "bonus/frmSlotTumblecrag.h"
#include "table_fixture.h"

#include <QPointer>

namespace {

const QString OpeningSound = QStringLiteral("C:\\Windows\\media\\Jungle Restore Up.wav");
const QStringList ReelTimers = {"timColOne", "timColTwo", "timColThree"};

QString frame(int n)
{
    return QStringLiteral("c:\\program files\\tumblecrag\\CUBE%1.bmp").arg(n);
}

QString face(int die)
{
    return QStringLiteral("c:\\program files\\tumblecrag\\dicespot%1.bmp").arg(die);
}

QStringList startPictures()
{
    return {storedPicturePath("slot-two.bmp"), storedPicturePath("slot-five.bmp"),
            storedPicturePath("slot-six.bmp")};
}

frmTumblecrag &bonusTable()
{
    frmTumblecrag &table = openTable();
    choose(table, QStringLiteral("mnuStartBonusPlay"));
    return table;
}

// The entry's bonus-play draw, then the faces a round would draw.
void queueDraw(int draw, std::initializer_list<int> faces = {})
{
    seam::queueRnd({seam::rndFor(draw, 7)});
    for (int die : faces)
        seam::queueRnd({seam::rndFor(die, 6)});
}

// Scores five of a kind in an upper entry: 5 times the face.
void scoreFiveOf(frmTumblecrag &table, int die)
{
    CommandButton *const buttons[] = {table.cmdAces, table.cmdTwos, table.cmdThrees,
                                      table.cmdFours, table.cmdFives, table.cmdSixes};
    setDice({die, die, die, die, die});
    click(buttons[die - 1]);
}

QPointer<frmSlotTumblecrag> slotWindow()
{
    return existingForm<frmSlotTumblecrag>();
}

QStringList reelPictures(const frmSlotTumblecrag &slot)
{
    return {seam::picturePath(slot.picColOne), seam::picturePath(slot.picColTwo),
            seam::picturePath(slot.picColThree)};
}

std::array<int, 3> slotDice()
{
    return {Module1.SlotDie1.value(), Module1.SlotDie2.value(), Module1.SlotDie3.value()};
}

std::array<int, 3> slotTicks()
{
    return {Module1.SlotTick1.value(), Module1.SlotTick2.value(), Module1.SlotTick3.value()};
}

void tickReels(frmSlotTumblecrag &slot, int times)
{
    for (int i = 0; i < times; ++i)
        for (const QString &timer : ReelTimers)
            ASSERT_TRUE(seam::fireTimer(&slot, timer)) << qPrintable(timer) << " is off";
}

void closeBox(frmSlotTumblecrag &slot)
{
    slot.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(SlotRound, DrawOfThreeOpensTheWindowAndItsSumCountsInThatEntrysTotals)
{
    frmTumblecrag &table = bonusTable();
    queueDraw(5);
    scoreFiveOf(table, 2);
    EXPECT_EQ(slotWindow(), nullptr);
    seam::clearSounds();

    queueDraw(3, {4, 5, 6});
    scoreFiveOf(table, 5);

    QPointer<frmSlotTumblecrag> slot = slotWindow();
    ASSERT_NE(slot, nullptr);
    EXPECT_TRUE(slot->isVisible());
    EXPECT_EQ(slotDice(), (std::array<int, 3>{4, 5, 6}));
    EXPECT_EQ(Module1.SlotWinnings.value(), 15);
    EXPECT_EQ(slot->Label2->Caption(), QStringLiteral("15"));
    EXPECT_TRUE(seam::sounds().contains(OpeningSound));
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 10 + 25 + 15);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("50"));
    EXPECT_EQ(table.BonusButton->Caption(), QStringLiteral("15"));

    // The reels are about to spin from their stored pictures.
    EXPECT_EQ(slotTicks(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(reelPictures(*slot), startPictures());
    for (const QString &timer : ReelTimers)
        EXPECT_TRUE(seam::timerEnabled(slot, timer)) << qPrintable(timer);

    // The table stays in play while the window is open.
    queueDraw(6);
    scoreFiveOf(table, 3);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("65"));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(SlotRound, WindowIsLaidOutAsAFixedSmallMachineInTheMiddleOfTheScreen)
{
    seam::setScreenSize(1024, 768);
    frmTumblecrag &table = bonusTable();
    queueDraw(3, {1, 2, 3});
    scoreFiveOf(table, 4);
    QPointer<frmSlotTumblecrag> slot = slotWindow();
    ASSERT_NE(slot, nullptr);

    EXPECT_EQ(slot->objectName(), QStringLiteral("frmSlotTumblecrag"));
    EXPECT_EQ(slot->windowTitle(), QStringLiteral(" "));
    EXPECT_EQ(slot->size(), QSize(4995 / 15, 4155 / 15));
    EXPECT_EQ(slot->minimumSize(), slot->maximumSize());
    EXPECT_FALSE(slot->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(slot->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(slot->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(slot->menuWidget() == nullptr);
    // The outer window, with this platform's frame of 2 pixels a side, is
    // 5055 x 4215 twips: (15360 - 5055) \ 2 and (11520 - 4215) \ 2 twips.
    EXPECT_EQ(slot->frameGeometry().size(), QSize(5055 / 15, 4215 / 15));
    EXPECT_EQ(slot->pos(), QPoint(5152 / 15, 3652 / 15));

    EXPECT_EQ(slot->RainButton1->Caption(), QStringLiteral("BONUS PLAY "));
    EXPECT_EQ(slot->Label1->Caption(), QStringLiteral("Lose 20 Points For Three Aces"));
    EXPECT_EQ(slot->picColOne->geometry(), QRect(32, 104, 81, 89));
    EXPECT_EQ(slot->picColTwo->geometry(), QRect(120, 104, 89, 89));
    EXPECT_EQ(slot->picColThree->geometry(), QRect(216, 104, 89, 89));
    for (const QString &name : ReelTimers)
        EXPECT_EQ(slot->findChild<Timer *>(name)->Interval(), 35) << qPrintable(name);

    // The reels and the caption plate lie above every shape, line and label.
    const QObjectList stack = slot->client()->children();
    const auto depth = [&](const QWidget *control) { return stack.indexOf(const_cast<QWidget *>(control)); };
    for (const QWidget *drawn : std::initializer_list<const QWidget *>{
             slot->Label1, slot->Label2, slot->Line9, slot->Shape3, slot->Shape2, slot->Shape1})
        for (const QWidget *windowed : std::initializer_list<const QWidget *>{
                 slot->picColOne, slot->picColTwo, slot->picColThree, slot->RainButton1})
            EXPECT_LT(depth(drawn), depth(windowed));
    EXPECT_LT(depth(slot->Shape1), depth(slot->Shape2));
    EXPECT_LT(depth(slot->Shape2), depth(slot->Shape3));
    EXPECT_LT(depth(slot->Shape3), depth(slot->Line9));
    EXPECT_LT(depth(slot->Line9), depth(slot->Label1));
    EXPECT_LT(depth(slot->Label1), depth(slot->Label2));
}

TEST(SlotRound, TwentyTicksSettleEachReelOnItsOwnDie)
{
    frmTumblecrag &table = bonusTable();
    queueDraw(3, {2, 6, 3});
    scoreFiveOf(table, 1);
    QPointer<frmSlotTumblecrag> slot = slotWindow();
    ASSERT_NE(slot, nullptr);

    // Column one runs on its own: the others wait on their start pictures.
    for (int n = 1; n <= 19; ++n) {
        ASSERT_TRUE(seam::fireTimer(slot, "timColOne"));
        ASSERT_EQ(seam::picturePath(slot->picColOne), frame(n));
        ASSERT_EQ(Module1.SlotTick1.value(), n);
    }
    EXPECT_EQ(seam::picturePath(slot->picColTwo), startPictures()[1]);
    EXPECT_EQ(Module1.SlotTick2.value(), 0);
    ASSERT_TRUE(seam::fireTimer(slot, "timColOne"));
    EXPECT_EQ(seam::picturePath(slot->picColOne), face(2));
    EXPECT_FALSE(seam::timerEnabled(slot, "timColOne"));
    EXPECT_FALSE(seam::fireTimer(slot, "timColOne"));
    EXPECT_EQ(Module1.SlotTick1.value(), 0);

    for (int n = 1; n <= 19; ++n) {
        ASSERT_TRUE(seam::fireTimer(slot, "timColTwo"));
        ASSERT_TRUE(seam::fireTimer(slot, "timColThree"));
        ASSERT_EQ(seam::picturePath(slot->picColTwo), frame(n));
        ASSERT_EQ(seam::picturePath(slot->picColThree), frame(n));
    }
    ASSERT_TRUE(seam::fireTimer(slot, "timColTwo"));
    ASSERT_TRUE(seam::fireTimer(slot, "timColThree"));
    EXPECT_EQ(reelPictures(*slot), (QStringList{face(2), face(6), face(3)}));
    EXPECT_EQ(slotTicks(), (std::array<int, 3>{0, 0, 0}));
    for (const QString &timer : ReelTimers)
        EXPECT_FALSE(seam::timerEnabled(slot, timer)) << qPrintable(timer);
    EXPECT_EQ(slot->Label2->Caption(), QStringLiteral("11"));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}

TEST(SlotRound, DrawWhileTheWindowIsOpenPlaysNoNewRound)
{
    frmTumblecrag &table = bonusTable();
    queueDraw(3, {6, 6, 6});
    scoreFiveOf(table, 5);
    QPointer<frmSlotTumblecrag> slot = slotWindow();
    ASSERT_NE(slot, nullptr);
    tickReels(*slot, 4);
    seam::clearSounds();

    queueDraw(3, {1, 1, 2});
    scoreFiveOf(table, 6);

    EXPECT_EQ(slotWindow(), slot);
    EXPECT_EQ(slotDice(), (std::array<int, 3>{6, 6, 6}));
    EXPECT_EQ(Module1.SlotWinnings.value(), 18);
    EXPECT_EQ(slot->Label2->Caption(), QStringLiteral("18"));
    EXPECT_FALSE(seam::sounds().contains(OpeningSound));
    EXPECT_EQ(slotTicks(), (std::array<int, 3>{4, 4, 4}));
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("73"));
    // The faces queued for a round were never drawn: they are the next roll.
    click(table.RainButton1);
    EXPECT_EQ(Module1.Die1.value(), 1);
    EXPECT_EQ(Module1.Die2.value(), 1);
    EXPECT_EQ(Module1.Die3.value(), 2);
}

TEST(SlotRound, LaterRoundReplacesTheSumOfTheFirst)
{
    frmTumblecrag &table = bonusTable();
    queueDraw(3, {6, 6, 6});
    scoreFiveOf(table, 5);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("43"));
    QPointer<frmSlotTumblecrag> first = slotWindow();
    ASSERT_NE(first, nullptr);
    first->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(slotWindow(), nullptr);

    queueDraw(3, {1, 2, 1});
    scoreFiveOf(table, 6);
    QPointer<frmSlotTumblecrag> second = slotWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Module1.SlotWinnings.value(), 4);
    EXPECT_EQ(second->Label2->Caption(), QStringLiteral("4"));
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("59"));
    EXPECT_EQ(table.BonusButton->Caption(), QStringLiteral("4"));
}

TEST(SlotRound, ThreeAcesCostTwentyPoints)
{
    frmTumblecrag &table = bonusTable();
    queueDraw(3, {1, 1, 1});
    scoreFiveOf(table, 6);
    QPointer<frmSlotTumblecrag> slot = slotWindow();
    ASSERT_NE(slot, nullptr);

    EXPECT_EQ(Module1.SlotWinnings.value(), -20);
    EXPECT_EQ(slot->Label2->Caption(), QStringLiteral("-20"));
    EXPECT_EQ(table.BonusButton->Caption(), QStringLiteral("-20"));
    EXPECT_EQ(Module1.PlayerGrandTotal.value(), 10);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("10"));

    tickReels(*slot, 20);
    EXPECT_EQ(reelPictures(*slot), (QStringList{face(1), face(1), face(1)}));

    // Two aces and a two is an ordinary round.
    slot->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    queueDraw(3, {1, 1, 2});
    scoreFiveOf(table, 5);
    EXPECT_EQ(Module1.SlotWinnings.value(), 4);
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("59"));
}

TEST(SlotRound, ClosingMidSpinKeepsTheRoundAndTheNextOpeningStartsAfresh)
{
    frmTumblecrag &table = bonusTable();
    queueDraw(3, {3, 4, 5});
    scoreFiveOf(table, 2);
    QPointer<frmSlotTumblecrag> slot = slotWindow();
    ASSERT_NE(slot, nullptr);
    tickReels(*slot, 7);

    closeBox(*slot);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(slotWindow(), nullptr);
    EXPECT_EQ(Module1.SlotWinnings.value(), 12);
    EXPECT_EQ(slotTicks(), (std::array<int, 3>{7, 7, 7}));
    EXPECT_EQ(table.txtGrandTotal->text(), QStringLiteral("22"));

    queueDraw(3, {2, 2, 2});
    scoreFiveOf(table, 3);
    QPointer<frmSlotTumblecrag> again = slotWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(slotTicks(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(reelPictures(*again), startPictures());
    EXPECT_EQ(again->Label2->Caption(), QStringLiteral("6"));
    ASSERT_TRUE(seam::fireTimer(again, "timColThree"));
    EXPECT_EQ(seam::picturePath(again->picColThree), frame(1));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty());
}
