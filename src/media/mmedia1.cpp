#include "mmedia1.h"

#include "mci.h"
#include "media_clock.h"
#include "toolkit/text.h"

#include <QByteArray>

namespace {

constexpr int ReplyLength = 255;

void send(const QString &command)
{
    char noReply[1] = {};
    mciSendString(command.toLocal8Bit().constData(), noReply, 0, 0);
}

QString query(const QString &command)
{
    QByteArray reply(ReplyLength, '\0');
    mciSendString(command.toLocal8Bit().constData(), reply.data(), ReplyLength, 0);
    return QString::fromLocal8Bit(reply.constData(), qstrnlen(reply.constData(), ReplyLength));
}

QString deviceTypeFor(const QString &extension)
{
    if (extension == "WAV")
        return QStringLiteral("Waveaudio");
    if (extension == "AVI")
        return QStringLiteral("AviVideo");
    if (extension == "MID")
        return QStringLiteral("Sequencer");
    return {};
}

// Seven significant digits, with a capital E once the digits run out, as
// the run time writes a single-precision number.
QString numberText(float value)
{
    return QString::number(static_cast<double>(value), 'G', 7);
}

} // namespace

void MMedia1::mmOpen(const QString &sTheFile)
{
    if (!sAlias.isEmpty())
        mmClose();
    const QString extension = sTheFile.right(3);
    const QString deviceType = deviceTypeFor(extension.toUpper());
    if (deviceType.isEmpty())
        return;
    sAlias = extension + QString::number(minuteOfHour());
    sFilename = sTheFile;
    const QString fileText = sTheFile.contains(' ') ? '"' + sTheFile + '"' : sTheFile;
    send("Open " + fileText + " ALIAS " + sAlias + " TYPE " + deviceType + " wait");
}

void MMedia1::mmClose()
{
    if (sAlias.isEmpty())
        return;
    send("Close " + sAlias);
    sAlias.clear();
    sFilename.clear();
}

void MMedia1::mmPause()
{
    if (!sAlias.isEmpty())
        send("Pause " + sAlias);
}

void MMedia1::mmPlay()
{
    if (!sAlias.isEmpty())
        send("Play " + sAlias + (bWait ? " wait" : ""));
}

void MMedia1::mmStop()
{
    if (!sAlias.isEmpty())
        send("Stop " + sAlias);
}

void MMedia1::mmSeek(float nPosition)
{
    if (!sAlias.isEmpty())
        send("Seek " + sAlias + " to " + numberText(nPosition));
}

QString MMedia1::Filename() const
{
    return sFilename;
}

void MMedia1::setFilename(const QString &sTheFile)
{
    mmOpen(sTheFile);
}

bool MMedia1::Wait() const
{
    return bWait;
}

void MMedia1::setWait(bool bWaitValue)
{
    bWait = bWaitValue;
}

float MMedia1::Length()
{
    if (sAlias.isEmpty())
        return 0;
    return static_cast<float>(Val(query("Status " + sAlias + " length")));
}

void MMedia1::setPosition(float nPosition)
{
    mmSeek(nPosition);
}

float MMedia1::Position()
{
    if (sAlias.isEmpty())
        return 0;
    return static_cast<float>(Val(query("Status " + sAlias + " position")));
}

QString MMedia1::Status()
{
    if (sAlias.isEmpty())
        return {};
    return query("Status " + sAlias + " mode");
}
