#pragma once
#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, or throws std::runtime_error naming
// the path; a failed write never leaves a truncated file behind.
void saveFile(const QString &path, const QByteArray &bytes);
