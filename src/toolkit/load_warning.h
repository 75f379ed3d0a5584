#pragma once
#include <QString>

// A sound or song that cannot be loaded plays as silence, which is no error
// for the game; this names it on standard error, once per file for the run,
// so that a missing or damaged file does not go unnoticed.
void warnCannotLoad(const QString &gamePath, const QString &file);
