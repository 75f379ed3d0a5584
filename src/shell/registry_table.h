#pragma once
// The keys and values behind the registry calls, and the keys they hold open.
#include "registry.h"

#include <QHash>
#include <QString>
#include <optional>

struct RegistryValue
{
    qint32 type = REG_SZ;
    QByteArray data;
};

class RegistryTable
{
public:
    struct OpenKey
    {
        HKEY root = 0;
        QString path;
        qint32 rights = 0;
    };

    void setValue(HKEY root, const QString &key, const QString &name, const RegistryValue &value);
    // Keys grant every right unless limited here.
    void limitRights(HKEY root, const QString &key, qint32 granted);

    bool keyExists(HKEY root, const QString &key) const;
    qint32 grantedRights(HKEY root, const QString &key) const;
    const RegistryValue *value(HKEY root, const QString &key, const QString &name) const;

    HKEY open(const OpenKey &key);
    const OpenKey *openKey(HKEY handle) const;
    bool close(HKEY handle);
    int openCount() const { return static_cast<int>(m_open.size()); }

    static bool isRoot(HKEY key);
    // Key paths and value names compare without regard to case or to the
    // separators at either end.
    static QString keyName(HKEY root, const QString &key);

private:
    QHash<QString, QHash<QString, RegistryValue>> m_values;
    QHash<QString, qint32> m_rights;
    QHash<HKEY, OpenKey> m_open;
    HKEY m_nextHandle = 0x100;
};

RegistryTable &registryTable();
