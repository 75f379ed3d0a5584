#include "text.h"

#include <cmath>

QString Str(Integer value)
{
    return value.value() >= 0 ? QStringLiteral(" ") + CStr(value) : CStr(value);
}

QString CStr(Integer value)
{
    return QString::number(value.value());
}

double Val(const QString &text)
{
    // Blanks may stand anywhere before and inside the number, as the old
    // run time read them ("1 2" reads 12).
    QString compact;
    for (QChar c : text) {
        if (c == ' ' || c == '\t')
            continue;
        compact += c;
    }
    int i = 0;
    const int n = compact.size();
    QString number;
    if (i < n && (compact[i] == '-' || compact[i] == '+'))
        number += compact[i++];
    bool digits = false;
    while (i < n && compact[i].isDigit() && compact[i].unicode() < 128) {
        number += compact[i++];
        digits = true;
    }
    if (i < n && compact[i] == '.') {
        number += compact[i++];
        while (i < n && compact[i].isDigit() && compact[i].unicode() < 128) {
            number += compact[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (compact[i] == 'e' || compact[i] == 'E')) {
        QString exponent = "e";
        int j = i + 1;
        if (j < n && (compact[j] == '-' || compact[j] == '+'))
            exponent += compact[j++];
        bool expDigits = false;
        while (j < n && compact[j].isDigit() && compact[j].unicode() < 128) {
            exponent += compact[j++];
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    return number.toDouble();
}

Integer CInt(double value)
{
    if (!std::isfinite(value))
        throw OverflowError();
    const double rounded = std::nearbyint(value); // default mode: half to even
    if (rounded < Integer::Min || rounded > Integer::Max)
        throw OverflowError();
    return Integer(static_cast<int>(rounded));
}

Integer Int(double value)
{
    if (!std::isfinite(value))
        throw OverflowError();
    const double floored = std::floor(value);
    if (floored < Integer::Min || floored > Integer::Max)
        throw OverflowError();
    return Integer(static_cast<int>(floored));
}
