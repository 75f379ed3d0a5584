#pragma once
#include "controls.h"
#include "layout.h"
#include "picture.h"
#include "timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>

// A window of the game. It is created on first use, loads (Form_Load) once
// inside its first Show, shows modeless, and is gone after Unload or its
// close box; the next use creates it anew.
class Form : public QMainWindow
{
    Q_OBJECT
public:
    struct Frame
    {
        bool fixedSize = false;
        bool minimiseMaximise = false;
    };

    Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips, int backColour,
         Frame frame);

    void Show();
    void Unload();
    bool isUnloaded() const { return m_unloaded; }
    bool isLoaded() const { return m_loaded && !m_unloaded; }

    // The client area: the window's back colour, its picture drawn unscaled
    // from the top-left corner, and the controls.
    PictureBox *client() const { return m_client; }
    void setPicture(const Picture &picture) { m_client->setPicture(picture); }

    // Left and Top of the outer window, frame and title bar included, by the
    // twips rule: (screen - window) \ 2 on each axis.
    void centreOnScreen();

    template <typename T = QWidget> T *control(const QString &name) const
    {
        T *found = m_client->findChild<T *>(name);
        if (!found)
            qFatal("window %s has no control %s", qPrintable(objectName()), qPrintable(name));
        return found;
    }

protected:
    virtual void Form_Load() {}
    void buildLayout(std::span<const ControlSpec> specs);
    Timer *addTimer(const QString &name, int interval, bool enabled, std::function<void()> onTick);
    void onClick(QAbstractButton *button, std::function<void()> handler);
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitToClient();
    QMargins expectedFrame() const;
    void placeCentred(const QMargins &frame);

    PictureBox *m_client;
    int m_clientWidth;
    int m_clientHeight;
    bool m_fixedSize;
    bool m_loaded = false;
    bool m_unloaded = false;
    QMargins m_centredFrame;
    QList<QPoint> m_placesAsked;
};

// Twips left of (or above) a window centred in a screen: the difference taken
// as a whole number, halved toward zero.
int centredTwips(int screenTwips, int windowTwips);

// The single instance of a window, created on first use.
template <typename T> T &form()
{
    static QPointer<T> instance;
    if (!instance || instance->isUnloaded())
        instance = new T();
    return *instance;
}

// The instance of a window when it exists and has not been unloaded.
template <typename T> T *existingForm()
{
    T *found = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *candidate = qobject_cast<T *>(widget); candidate && !candidate->isUnloaded())
            found = candidate;
    return found;
}
