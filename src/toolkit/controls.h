#pragma once
// The controls of the game's windows. Each keeps the properties the game
// sets (Caption, Text, Picture, Visible) and draws itself in the look the
// layout gives it. Windowless controls (labels, images, shapes, lines) let
// clicks through where the old run time did.
#include "picture.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

// Tells the test seam which picture a control shows.
void rememberPicturePath(QWidget *control, const QString &path);

class Label : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
};

class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);
};

class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    MultiLineTextBox(QWidget *parent, bool verticalScrollBar);
};

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

// Shows its picture unscaled from the top-left corner over its back colour.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(QWidget *parent, QColor back);
    void setPicture(const Picture &picture);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_back;
    Picture m_picture;
};

// A windowless picture, stretched to its bounds or drawn at its own size.
class Image : public QWidget
{
    Q_OBJECT
public:
    Image(QWidget *parent, bool stretch);
    void setPicture(const Picture &picture);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool m_stretch;
    Picture m_picture;
};

// A rectangle: an outline, optionally filled.
class Shape : public QWidget
{
    Q_OBJECT
public:
    Shape(QWidget *parent, QColor border, QColor fill, int borderWidth);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_border;
    QColor m_fill;
    int m_borderWidth;
};

// A straight line between two points of the client area, in pixels.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QWidget *parent, QPoint from, QPoint to, QColor colour, int width);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
    int m_width;
};
