#pragma once
#include <QString>

// Plays one media file at a time as a device of the multimedia layer, known
// there by an alias made of the file's extension and the minute it was
// opened. The layer's answers are never checked: a file that will not open
// or play is simply silence.
class MMedia1
{
public:
    // Closes the device open before, whatever happens next; a file that is not
    // a wave, a video or a MIDI song opens nothing.
    void mmOpen(const QString &sTheFile);
    void mmClose();
    void mmPause();
    void mmPlay();
    // The device stays open.
    void mmStop();
    void mmSeek(float nPosition);

    QString Filename() const;
    void setFilename(const QString &sTheFile);
    // When set, mmPlay returns only once the media has played to its end.
    bool Wait() const;
    void setWait(bool bWaitValue);
    // In the device's own time format; 0 while nothing is open.
    float Length();
    void setPosition(float nPosition);
    float Position();
    // The device's mode as the layer tells it; empty while nothing is open.
    QString Status();

private:
    QString sAlias;
    QString sFilename;
    bool bWait = false;
};
