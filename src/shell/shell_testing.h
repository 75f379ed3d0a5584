#pragma once
// The test seams of the application shell: the registry table, the file
// tests and launches of the About window's launcher. Every test starts with
// an empty registry and empty logs.
#include "registry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace seam {

// Puts a value into the registry table: a text value (type 1) is stored with
// its closing NUL; other types store the bytes given.
void setRegistryText(HKEY root, const QString &key, const QString &name, const QByteArray &text);
void setRegistryNumber(HKEY root, const QString &key, const QString &name, quint32 number);
void setRegistryValue(HKEY root, const QString &key, const QString &name, qint32 type, const QByteArray &data);

// Lets the key grant only these rights.
void limitRegistryRights(HKEY root, const QString &key, qint32 granted);

// Keys opened and not closed again.
int openRegistryKeys();

// Every path given to the file test and to the launch, in order.
const QStringList &fileTests();
const QStringList &launches();

// Launches in tests only check that the program could start; this makes
// them start it.
void launchForReal(bool really);

} // namespace seam
