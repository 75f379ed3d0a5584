// Centring by the outer window: the splash, the table and the slot window,
// opened as the player meets them, on the platform's primary screen.
#include "bonus/frmSlotTumblecrag.h"
#include "shell/frnTumblecragSplash.h"
#include "table_fixture.h"

#include <QScreen>
#include <QWindow>
#include <ostream>

void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << rect.width() << "x" << rect.height() << " at " << rect.x() << "," << rect.y();
}

namespace {

// The rule for the corner of the outer frame: (screen - window) \ 2 in twips
// on each axis, counted from the primary screen's corner.
QRect centredFrame(const QSize &outer)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = (screen.width() - outer.width()) * 15 / 2;
    const int top = (screen.height() - outer.height()) * 15 / 2;
    return QRect(screen.topLeft() + QPoint(left / 15, top / 15), outer);
}

// The window appears in its place and stays there once the platform has
// shown it; moving it left the client its size.
void expectCentred(Form &window, const QSize &client)
{
    SCOPED_TRACE(qPrintable(window.objectName()));
    const QRect appeared = window.windowHandle()->frameGeometry();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.windowHandle()->isExposed());
    const QRect frame = window.windowHandle()->frameGeometry();
    EXPECT_EQ(frame, appeared) << "the window moved after it appeared";
    EXPECT_GT(frame.width(), window.width()) << "no side frame to centre by";
    EXPECT_GT(frame.height(), window.height()) << "no title bar to centre by";
    EXPECT_EQ(frame, centredFrame(frame.size()));
    EXPECT_EQ(window.frameGeometry(), frame);
    EXPECT_EQ(window.client()->size(), client);
}

// A window manager that tells the frame only once the window is on screen,
// after its first exposure, as fluxbox now and then does: the native window
// goes on screen without its frame, so the window centres by its client size
// first.
class LateFrame
{
public:
    explicit LateFrame(Form &window) : m_window(window)
    {
        m_window.winId();
        m_framed = m_window.windowHandle()->flags();
        m_window.windowHandle()->setFlags(m_framed | Qt::FramelessWindowHint);
    }

    // The frame arrives: the platform takes it up with the window's state
    // and exposes the window anew.
    void tell()
    {
        QWindow *handle = m_window.windowHandle();
        handle->setFlags(m_framed);
        handle->setWindowStates(handle->windowStates());
        QCoreApplication::processEvents();
    }

private:
    Form &m_window;
    Qt::WindowFlags m_framed;
};

void expectOnScreenWithoutFrame(Form &window)
{
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.windowHandle()->isExposed());
    ASSERT_EQ(window.windowHandle()->frameGeometry(), window.windowHandle()->geometry());
}

} // namespace

TEST(Centring, SplashTableAndSlotWindowCentreTheirOuterFrameOnThePrimaryScreen)
{
    auto &splash = form<frnTumblecragSplash>();
    splash.Show();
    expectCentred(splash, QSize(6180 / 15, 4425 / 15));

    click(splash.cmdEnter);
    frmTumblecrag *table = existingForm<frmTumblecrag>();
    ASSERT_NE(table, nullptr);
    expectCentred(*table, QSize(11265 / 15, 8355 / 15));

    // An entry with bonus play on, its draw of 3 opening the slot window.
    choose(*table, QStringLiteral("mnuStartBonusPlay"));
    seam::queueRnd({seam::rndFor(3, 7), seam::rndFor(1, 6), seam::rndFor(2, 6), seam::rndFor(3, 6)});
    setDice({4, 4, 4, 4, 4});
    click(table->cmdFours);
    frmSlotTumblecrag *slot = existingForm<frmSlotTumblecrag>();
    ASSERT_NE(slot, nullptr);
    expectCentred(*slot, QSize(4995 / 15, 4155 / 15));
    EXPECT_TRUE(seam::runtimeErrors().isEmpty()) << qPrintable(seam::runtimeErrors().join('\n'));
}

TEST(Centring, AFrameToldAfterTheFirstExposureCentresAgainUnlessThePlayerMovedTheWindow)
{
    auto &splash = form<frnTumblecragSplash>();
    LateFrame splashFrame(splash);
    splash.Show();
    expectOnScreenWithoutFrame(splash);
    splashFrame.tell();
    {
        SCOPED_TRACE("splash");
        const QRect frame = splash.windowHandle()->frameGeometry();
        EXPECT_GT(frame.height(), splash.height()) << "the frame was never told";
        EXPECT_EQ(frame, centredFrame(frame.size()));
        EXPECT_EQ(splash.client()->size(), QSize(6180 / 15, 4425 / 15));
    }

    // The player drags the table away before its frame is told.
    auto &table = form<frmTumblecrag>();
    LateFrame tableFrame(table);
    click(splash.cmdEnter);
    expectOnScreenWithoutFrame(table);
    const QPoint moved = table.windowHandle()->position() + QPoint(-10, 25);
    table.windowHandle()->setPosition(moved);
    QCoreApplication::processEvents();
    tableFrame.tell();
    EXPECT_EQ(table.windowHandle()->position(), moved) << "the player's move was undone";
    EXPECT_TRUE(seam::runtimeErrors().isEmpty()) << qPrintable(seam::runtimeErrors().join('\n'));
}
