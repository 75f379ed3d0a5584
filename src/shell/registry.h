#pragma once
// The registry calls the About window makes, over an in-process table of
// keys and typed values. Results and arguments follow the system's calls:
// 0 is success, a key is a 32-bit handle, names and data are 8-bit text.
#include <QByteArray>
#include <QtGlobal>

using HKEY = qint32;

constexpr HKEY HKEY_LOCAL_MACHINE = static_cast<HKEY>(0x80000002u);

constexpr qint32 READ_CONTROL = 0x20000;
constexpr qint32 KEY_QUERY_VALUE = 0x1;
constexpr qint32 KEY_SET_VALUE = 0x2;
constexpr qint32 KEY_CREATE_SUB_KEY = 0x4;
constexpr qint32 KEY_ENUMERATE_SUB_KEYS = 0x8;
constexpr qint32 KEY_NOTIFY = 0x10;
constexpr qint32 KEY_CREATE_LINK = 0x20;

constexpr qint32 REG_SZ = 1;
constexpr qint32 REG_BINARY = 3;
constexpr qint32 REG_DWORD = 4;

constexpr qint32 ERROR_SUCCESS = 0;
constexpr qint32 ERROR_FILE_NOT_FOUND = 2;
constexpr qint32 ERROR_ACCESS_DENIED = 5;
constexpr qint32 ERROR_INVALID_HANDLE = 6;
constexpr qint32 ERROR_INVALID_PARAMETER = 87;
constexpr qint32 ERROR_MORE_DATA = 234;

// Opens a key below an open key or a root. The key must grant every right
// asked for; phkResult is 0 when the open fails.
qint32 RegOpenKeyEx(HKEY hKey, const QByteArray &lpSubKey, qint32 ulOptions, qint32 samDesired, HKEY &phkResult);

// Copies a value's data into lpData (lpcbData bytes long) and gives its
// type; lpcbData becomes the data's size. Data that does not fit is not
// copied and gives ERROR_MORE_DATA.
qint32 RegQueryValueEx(HKEY hKey, const QByteArray &lpValueName, qint32 lpReserved, qint32 &lpType, char *lpData,
                       qint32 &lpcbData);

qint32 RegCloseKey(HKEY hKey);

// Fills the table as this machine offers it: the system-information tool
// found on the PATH, if any, under the place the About window reads first.
void loadSystemRegistry();
