#include "form.h"

#include "controls.h"
#include "frame_request.h"
#include "program.h"
#include "seam_state.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

Form::Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips, int backColour,
           Frame frame)
    : m_client(new PictureBox(this, colour(backColour))), m_clientWidth(twipsToPixels(clientWidthTwips)),
      m_clientHeight(twipsToPixels(clientHeightTwips)), m_fixedSize(frame.fixedSize)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (frame.minimiseMaximise)
        flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    setCentralWidget(m_client);
    fitToClient();
}

void Form::fitToClient()
{
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    resize(m_clientWidth, m_clientHeight + menuHeight);
    if (m_fixedSize)
        setFixedSize(m_clientWidth, m_clientHeight + menuHeight);
}

void Form::buildLayout(std::span<const ControlSpec> specs)
{
    buildControls(m_client, specs);
    fitToClient();
}

void Form::Show()
{
    if (!m_loaded) {
        m_loaded = true;
        fitToClient();
        Form_Load();
        // On a scaled screen Qt asks the window manager for sizes in steps
        // of the scale, counted from a negative base size when the window
        // names none, and fluxbox then grows the window to the largest size
        // X allows. An empty base is not sent, and the steps count from 0.
        create();
        windowHandle()->setBaseSize(QSize(0, 0));
    }
    show();
    raise();
    activateWindow();
}

void Form::Unload()
{
    close();
}

void Form::closeEvent(QCloseEvent *event)
{
    m_unloaded = true;
    QMainWindow::closeEvent(event);
}

int centredTwips(int screenTwips, int windowTwips)
{
    return (screenTwips - windowTwips) / 2;
}

void Form::centreOnScreen()
{
    // The native window comes first: a platform that knows its frame before
    // the first show tells it now, and the window appears in its place.
    create();
    placeCentred(expectedFrame());
    if (!isVisible())
        windowHandle()->installEventFilter(this);
}

namespace {

// The frame the window manager last gave one of our windows: the best guess
// for the next where the manager will not say before the window shows.
QMargins lastFrameSeen;

} // namespace

QMargins Form::expectedFrame() const
{
    const QMargins known = windowHandle()->frameMargins();
    if (!known.isNull())
        return known;
    return frameToCome(windowHandle()).value_or(lastFrameSeen);
}

void Form::placeCentred(const QMargins &frame)
{
    QRect screen;
    if (const auto &forced = seam::state().screenPixels)
        screen = *forced;
    else if (QScreen *primary = QGuiApplication::primaryScreen())
        screen = primary->geometry();
    m_centredFrame = frame;
    const QSize outer = size().grownBy(m_centredFrame);
    const int left = centredTwips(screen.width() * TwipsPerPixel, outer.width() * TwipsPerPixel);
    const int top = centredTwips(screen.height() * TwipsPerPixel, outer.height() * TwipsPerPixel);
    // Left and Top count from the primary screen's corner, which need not be
    // the desktop's when there are several screens.
    const QPoint corner = screen.topLeft() + QPoint(left / TwipsPerPixel, top / TwipsPerPixel);
    // Placed by the client's geometry: before the first show the widget does
    // not count the frame in its position yet, and the client keeps its size.
    const QPoint place = corner + QPoint(m_centredFrame.left(), m_centredFrame.top());
    m_placesAsked.append(place);
    setGeometry(QRect(place, size()));
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    // Window managers tell the frame when they please: before the first
    // exposure, or a moment after it. Whenever it comes, the window centres
    // anew, until the player takes it: a move to a place we never asked for
    // (a late word of an earlier request is ours), or maximising or
    // minimising it.
    QWindow *window = windowHandle();
    if (watched == window) {
        // Until the window is framed the platform reports no frame at all,
        // which says nothing against the frame the manager promised.
        const QMargins frame = window->frameMargins();
        if (!frame.isNull())
            lastFrameSeen = frame;
        const bool frameChanged = !frame.isNull() && frame != m_centredFrame;
        const bool movedByPlayer =
            event->type() == QEvent::Move && !frameChanged && !m_placesAsked.contains(window->position());
        const Qt::WindowStates taken = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
        if (movedByPlayer || (window->windowStates() & taken))
            watched->removeEventFilter(this);
        else if (frameChanged)
            placeCentred(frame);
    }
    return QMainWindow::eventFilter(watched, event);
}

Timer *Form::addTimer(const QString &name, int interval, bool enabled, std::function<void()> onTick)
{
    auto *timer = new Timer(this, name, interval, std::move(onTick));
    timer->setEnabled(enabled);
    return timer;
}

void Form::onClick(QAbstractButton *button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { runHandler(handler); });
}
