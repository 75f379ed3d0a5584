#pragma once
// The About window: the game's name, description and version, with OK and
// a launcher for the system-information tool.
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <QString>

class frmAbout : public Form
{
    Q_OBJECT
public:
    frmAbout();

    PictureBox *picIcon;
    Label *lblTitle;
    Label *lblDescription;
    Label *Label1;
    Line *Line1[2];
    CommandButton *cmdOK;
    CommandButton *cmdSysInfo;

    void cmdOK_Click();
    void cmdSysInfo_Click();

    void StartSysInfo();
    bool GetKeyValue(qint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
