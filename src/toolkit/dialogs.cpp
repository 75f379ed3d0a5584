#include "dialogs.h"

#include "seam_state.h"

#include <QInputDialog>
#include <QMessageBox>

QString applicationTitle()
{
    return QStringLiteral("Tumble Crag");
}

namespace {

QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace('\r', '\n');
    return text;
}

QMessageBox::Icon iconFor(int buttons)
{
    switch (buttons & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int MsgBox(const QString &prompt, int buttons, const QString &title)
{
    auto &seams = seam::state();
    seams.dialogs.push_back({QStringLiteral("MsgBox"), prompt, title, buttons});
    const bool yesNo = (buttons & 0x7) == vbYesNo;
    if (seams.testMode) {
        if (seams.msgBoxAnswers.empty())
            return yesNo ? vbNo : vbOK;
        const int answer = seams.msgBoxAnswers.front();
        seams.msgBoxAnswers.pop_front();
        return answer;
    }
    QMessageBox box(iconFor(buttons), title.isEmpty() ? applicationTitle() : title, displayText(prompt),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
    const int chosen = box.exec();
    if (!yesNo)
        return vbOK;
    return chosen == QMessageBox::Yes ? vbYes : vbNo;
}

QString InputBox(const QString &prompt, const QString &title)
{
    auto &seams = seam::state();
    seams.dialogs.push_back({QStringLiteral("InputBox"), prompt, title, 0});
    if (seams.testMode) {
        if (seams.inputBoxAnswers.empty())
            return QString();
        QString answer = seams.inputBoxAnswers.front();
        seams.inputBoxAnswers.pop_front();
        return answer;
    }
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, title.isEmpty() ? applicationTitle() : title,
                                               displayText(prompt), QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}
