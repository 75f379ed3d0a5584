#include "testing.h"

#include "timer.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <cmath>

namespace seam {

State &state()
{
    static State instance;
    return instance;
}

std::vector<std::function<void()>> &resetHooks()
{
    static std::vector<std::function<void()>> hooks;
    return hooks;
}

void enableTestMode()
{
    state().testMode = true;
}

void resetAll()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (!widget->parentWidget())
            windows.append(widget);
    for (const auto &window : windows)
        delete window.data();
    State fresh;
    fresh.testMode = state().testMode;
    state() = fresh;
    for (const auto &hook : resetHooks())
        hook();
}

void queueRnd(std::initializer_list<double> values)
{
    for (double value : values)
        state().rndQueue.push_back(value);
}

double rndFor(int face, int n)
{
    return (face - 0.5) / n;
}

void scriptMsgBox(int answer)
{
    state().msgBoxAnswers.push_back(answer);
}

void scriptInputBox(const QString &answer)
{
    state().inputBoxAnswers.push_back(answer);
}

const std::vector<DialogCall> &dialogs()
{
    return state().dialogs;
}

const QStringList &sounds()
{
    return state().sounds;
}

void clearSounds()
{
    state().sounds.clear();
}

QString picturePath(const QWidget *control)
{
    return control ? control->property("picturePath").toString() : QString();
}

static Timer *findTimer(QObject *window, const QString &timerName)
{
    Timer *timer = window ? window->findChild<Timer *>(timerName) : nullptr;
    if (!timer)
        qFatal("no timer %s", qPrintable(timerName));
    return timer;
}

bool fireTimer(QObject *window, const QString &timerName)
{
    Timer *timer = findTimer(window, timerName);
    if (!timer->Enabled())
        return false;
    timer->tick();
    return true;
}

bool timerEnabled(QObject *window, const QString &timerName)
{
    return findTimer(window, timerName)->Enabled();
}

bool endRequested()
{
    return state().endRequested;
}

int exitCode()
{
    return state().exitCode;
}

const QStringList &runtimeErrors()
{
    return state().runtimeErrors;
}

void setScreenSize(int widthPixels, int heightPixels, int leftPixels, int topPixels)
{
    state().screenPixels = QRect(leftPixels, topPixels, widthPixels, heightPixels);
}

} // namespace seam
