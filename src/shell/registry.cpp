#include "registry.h"

#include "registry_table.h"

#include <QStandardPaths>
#include <cstring>

qint32 RegOpenKeyEx(HKEY hKey, const QByteArray &lpSubKey, qint32 ulOptions, qint32 samDesired, HKEY &phkResult)
{
    phkResult = 0;
    RegistryTable &table = registryTable();
    RegistryTable::OpenKey key;
    if (RegistryTable::isRoot(hKey)) {
        key.root = hKey;
    } else if (const RegistryTable::OpenKey *parent = table.openKey(hKey)) {
        key.root = parent->root;
        key.path = parent->path;
    } else {
        return ERROR_INVALID_HANDLE;
    }
    if (ulOptions != 0)
        return ERROR_INVALID_PARAMETER;
    const QString sub = QString::fromLocal8Bit(lpSubKey);
    if (!sub.isEmpty())
        key.path = key.path.isEmpty() ? sub : key.path + '\\' + sub;
    if (!table.keyExists(key.root, key.path))
        return ERROR_FILE_NOT_FOUND;
    if ((samDesired & ~table.grantedRights(key.root, key.path)) != 0)
        return ERROR_ACCESS_DENIED;
    key.rights = samDesired;
    phkResult = table.open(key);
    return ERROR_SUCCESS;
}

qint32 RegQueryValueEx(HKEY hKey, const QByteArray &lpValueName, qint32 lpReserved, qint32 &lpType, char *lpData,
                       qint32 &lpcbData)
{
    const RegistryTable &table = registryTable();
    const RegistryTable::OpenKey *key = table.openKey(hKey);
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (lpReserved != 0)
        return ERROR_INVALID_PARAMETER;
    if ((key->rights & KEY_QUERY_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    const RegistryValue *value = table.value(key->root, key->path, QString::fromLocal8Bit(lpValueName));
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    lpType = value->type;
    const auto size = static_cast<qint32>(value->data.size());
    if (lpData && size > lpcbData) {
        lpcbData = size;
        return ERROR_MORE_DATA;
    }
    if (lpData)
        std::memcpy(lpData, value->data.constData(), static_cast<size_t>(size));
    lpcbData = size;
    return ERROR_SUCCESS;
}

qint32 RegCloseKey(HKEY hKey)
{
    return registryTable().close(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void loadSystemRegistry()
{
    // The desktop tools that show what the machine is made of, best first.
    static const char *const tools[] = {"hardinfo2",          "hardinfo",          "kinfocenter",
                                        "gnome-system-monitor", "mate-system-monitor", "xfce4-taskmanager",
                                        "lshw-gtk"};
    for (const char *tool : tools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (path.isEmpty())
            continue;
        registryTable().setValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                 QStringLiteral("PATH"), {REG_SZ, path.toLocal8Bit() + '\0'});
        return;
    }
}
