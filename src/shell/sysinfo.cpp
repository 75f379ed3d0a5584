// The About window's launcher: where the registry says the system-information
// tool lives, and its start.
#include "frmAbout.h"
#include "launcher.h"
#include "registry.h"
#include "toolkit/dialogs.h"

#include <algorithm>
#include <exception>

namespace {

const QString RegKeySysInfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString RegValSysInfo = QStringLiteral("PATH");
const QString RegKeySysInfoLoc = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString RegValSysInfoLoc = QStringLiteral("MSINFO");

// The key is opened with the write rights too, although nothing is written.
constexpr qint32 KeyAccess = READ_CONTROL | KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY |
                             KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK;

// The run time's general formatting of "&h" followed by up to eight
// hexadecimal digits: the number they denote, read unsigned, in decimal ("&h"
// alone is 0). Any other text stays as it is.
QString formatHexText(const QString &text)
{
    if (text.size() <= 10 && text.startsWith(QStringLiteral("&h"), Qt::CaseInsensitive)) {
        const QString digits = text.mid(2);
        const bool hex = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) {
            return QStringLiteral("0123456789abcdefABCDEF").contains(c);
        });
        if (hex)
            return QString::number(digits.isEmpty() ? 0u : digits.toUInt(nullptr, 16));
    }
    return text;
}

// A number value arrives as its bytes up to the first zero byte; their codes,
// last byte first, as hexadecimal digits follow what the text held.
QString numberText(const QString &held, const QByteArray &bytes)
{
    QString digits = held;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        digits += QString::number(static_cast<uchar>(bytes[i]), 16).toUpper();
    return formatHexText(QStringLiteral("&h") + digits);
}

} // namespace

void frmAbout::StartSysInfo()
{
    const auto started = [this] {
        QString SysInfoPath;
        if (GetKeyValue(HKEY_LOCAL_MACHINE, RegKeySysInfo, RegValSysInfo, SysInfoPath)) {
            Shell(SysInfoPath, vbNormalFocus);
            return true;
        }
        if (!GetKeyValue(HKEY_LOCAL_MACHINE, RegKeySysInfoLoc, RegValSysInfoLoc, SysInfoPath))
            return false;
        if (Dir(SysInfoPath + QStringLiteral("\\MSINFO32.EXE")).isEmpty())
            return false;
        SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
        Shell(SysInfoPath, vbNormalFocus);
        return true;
    };
    bool launched = false;
    try {
        launched = started();
    } catch (const std::exception &) {
        // Any failure of the search or the launch ends in the one message.
    }
    if (!launched)
        MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), vbOKOnly);
}

bool frmAbout::GetKeyValue(qint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    HKEY hKey = 0;
    bool found = false;
    if (RegOpenKeyEx(KeyRoot, KeyName.toLocal8Bit(), 0, KeyAccess, hKey) != ERROR_SUCCESS) {
        KeyVal.clear();
    } else {
        QByteArray tmpVal(1024, '\0');
        qint32 KeyValSize = 1024;
        qint32 KeyValType = 0;
        if (RegQueryValueEx(hKey, SubKeyRef.toLocal8Bit(), 0, KeyValType, tmpVal.data(), KeyValSize) !=
            ERROR_SUCCESS) {
            KeyVal.clear();
        } else {
            if (const qsizetype nul = tmpVal.indexOf('\0'); nul >= 0)
                tmpVal.truncate(nul);
            if (KeyValType == REG_SZ)
                KeyVal = QString::fromLocal8Bit(tmpVal);
            else if (KeyValType == REG_DWORD)
                KeyVal = numberText(KeyVal, tmpVal);
            found = true;
        }
    }
    RegCloseKey(hKey);
    return found;
}
