#pragma once
#include <QFont>
#include <QString>

struct FontSpec
{
    const char *face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

// The nearest installed face at the same size (points at 96 dots per inch)
// and weight: Windows faces this machine lacks map to Liberation or DejaVu.
QFont makeFont(const FontSpec &spec);
