#include "shell_testing.h"

#include "registry_table.h"
#include "shell_seam_state.h"

#include <QtEndian>

namespace seam {

void setRegistryText(HKEY root, const QString &key, const QString &name, const QByteArray &text)
{
    setRegistryValue(root, key, name, REG_SZ, text + '\0');
}

void setRegistryNumber(HKEY root, const QString &key, const QString &name, quint32 number)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(number, bytes.data());
    setRegistryValue(root, key, name, REG_DWORD, bytes);
}

void setRegistryValue(HKEY root, const QString &key, const QString &name, qint32 type, const QByteArray &data)
{
    registryTable().setValue(root, key, name, {type, data});
}

void limitRegistryRights(HKEY root, const QString &key, qint32 granted)
{
    registryTable().limitRights(root, key, granted);
}

int openRegistryKeys()
{
    return registryTable().openCount();
}

const QStringList &fileTests()
{
    return shellState().fileTests;
}

const QStringList &launches()
{
    return shellState().launches;
}

void launchForReal(bool really)
{
    shellState().launchForReal = really;
}

} // namespace seam
