#pragma once
#include <QString>
#include <stdexcept>

// A run-time error of the game: the handler that meets it stops, the player
// sees the message, and the program ends (see program.h).
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &message)
        : std::runtime_error(message.toStdString()), m_number(number), m_message(message)
    {
    }
    int number() const { return m_number; }
    const QString &message() const { return m_message; }

private:
    int m_number;
    QString m_message;
};

// A 16-bit game value would have left -32768..32767.
class OverflowError : public RuntimeError
{
public:
    OverflowError() : RuntimeError(6, QStringLiteral("Overflow")) {}
};

// Thrown by End() so that nothing more of the current handler runs.
struct EndRequested
{
};
