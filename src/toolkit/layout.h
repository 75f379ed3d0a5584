#pragma once
// A window's layout as data: one descriptor per control, the way a form file
// describes a window, turned into widgets by one builder.
#include "fonts.h"

#include <QColor>
#include <QWidget>
#include <span>

constexpr int TwipsPerPixel = 15;
constexpr int NoColour = -1;

enum class Kind { Label, TextBox, TextArea, CommandButton, RainButton, PictureBox, Image, Shape, Line };

struct ControlSpec
{
    Kind kind;
    const char *name;
    int left = 0; // a Line gives its two points as left, top, width, height
    int top = 0;
    int width = 0;
    int height = 0;
    const char *caption = "";
    int back = NoColour; // 0xRRGGBB
    int fore = NoColour;
    FontSpec font = {};
    int gradient = NoColour; // gradient button: the colour the fill runs to
    int backfill = 2;
    bool centred = false;
    bool transparent = false;
    bool border = false;
    bool hidden = false;
    bool stretch = false;
    bool scroll = false;
    int borderWidth = 1;
    const char *picture = nullptr; // picture stored with the window: a file of the data folder
    int shadow = NoColour;
    int highlight = NoColour;
};

QColor colour(int rgb);
int twipsToPixels(int twips);

// Creates the controls on the client area: shapes and lines at the back,
// labels and images above them, windowed controls on top, each group in
// the order given. Every control gets its name as objectName.
void buildControls(QWidget *client, std::span<const ControlSpec> specs);

// The game path under which the data folder's file is loaded.
QString storedPicturePath(const char *file);
