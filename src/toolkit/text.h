#pragma once
#include "integer.h"

#include <QString>

// The game's two text forms of a number: Str puts one blank before a number
// that is not negative (" 50"), CStr puts nothing ("50"); both write "-5".
QString Str(Integer value);
QString CStr(Integer value);

// The number a text begins with, blanks skipped; 0 when it begins with none.
double Val(const QString &text);

// Conversion to a 16-bit integer: the nearest whole number, a half going to
// the even neighbour. Throws OverflowError outside the range.
Integer CInt(double value);

// The greatest whole number not above the argument, as a checked integer.
Integer Int(double value);
