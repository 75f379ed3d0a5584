#include "registry_table.h"

#include "toolkit/seam_state.h"

namespace {

constexpr qint32 AllRights = 0xF003F;

// Every test starts from an empty registry, as on a machine without one.
const bool registered = [] {
    seam::resetHooks().push_back([] { registryTable() = RegistryTable{}; });
    return true;
}();

} // namespace

RegistryTable &registryTable()
{
    static RegistryTable table;
    return table;
}

bool RegistryTable::isRoot(HKEY key)
{
    const auto bits = static_cast<quint32>(key);
    return bits >= 0x80000000u && bits <= 0x80000006u;
}

QString RegistryTable::keyName(HKEY root, const QString &key)
{
    QString path = key.toLower();
    while (path.startsWith('\\'))
        path.remove(0, 1);
    while (path.endsWith('\\'))
        path.chop(1);
    return QString::number(static_cast<quint32>(root), 16) + '\\' + path;
}

void RegistryTable::setValue(HKEY root, const QString &key, const QString &name, const RegistryValue &value)
{
    m_values[keyName(root, key)][name.toLower()] = value;
}

void RegistryTable::limitRights(HKEY root, const QString &key, qint32 granted)
{
    m_values[keyName(root, key)];
    m_rights[keyName(root, key)] = granted;
}

bool RegistryTable::keyExists(HKEY root, const QString &key) const
{
    const QString name = keyName(root, key);
    if (name.endsWith('\\'))
        return true;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        if (it.key() == name || it.key().startsWith(name + '\\'))
            return true;
    return false;
}

qint32 RegistryTable::grantedRights(HKEY root, const QString &key) const
{
    return m_rights.value(keyName(root, key), AllRights);
}

const RegistryValue *RegistryTable::value(HKEY root, const QString &key, const QString &name) const
{
    const auto values = m_values.constFind(keyName(root, key));
    if (values == m_values.cend())
        return nullptr;
    const auto found = values->constFind(name.toLower());
    return found == values->cend() ? nullptr : &*found;
}

HKEY RegistryTable::open(const OpenKey &key)
{
    const HKEY handle = m_nextHandle;
    m_nextHandle += 4;
    m_open.insert(handle, key);
    return handle;
}

const RegistryTable::OpenKey *RegistryTable::openKey(HKEY handle) const
{
    const auto found = m_open.constFind(handle);
    return found == m_open.cend() ? nullptr : &*found;
}

bool RegistryTable::close(HKEY handle)
{
    return m_open.remove(handle) > 0;
}
