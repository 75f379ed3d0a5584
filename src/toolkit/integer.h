#pragma once
#include "errors.h"

#include <compare>
#include <cstdint>

// The game's 16-bit signed number. Every sum, difference, product and
// conversion is checked: a result outside -32768..32767 throws
// OverflowError and nothing is stored, never wrapped or cut.
class Integer
{
public:
    static constexpr int Min = -32768;
    static constexpr int Max = 32767;

    constexpr Integer() = default;
    constexpr Integer(int value) : m_value(checked(value)) {}

    constexpr int value() const { return m_value; }

    friend constexpr Integer operator+(Integer a, Integer b) { return Integer(a.m_value + b.m_value); }
    friend constexpr Integer operator-(Integer a, Integer b) { return Integer(a.m_value - b.m_value); }
    friend constexpr Integer operator*(Integer a, Integer b) { return Integer(a.m_value * b.m_value); }
    constexpr Integer operator-() const { return Integer(-m_value); }
    constexpr Integer &operator+=(Integer other) { return *this = *this + other; }
    constexpr Integer &operator-=(Integer other) { return *this = *this - other; }

    friend constexpr bool operator==(Integer a, Integer b) = default;
    friend constexpr auto operator<=>(Integer a, Integer b) = default;

private:
    static constexpr int16_t checked(int value)
    {
        if (value < Min || value > Max)
            throw OverflowError();
        return static_cast<int16_t>(value);
    }

    int16_t m_value = 0;
};
