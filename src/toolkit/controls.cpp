#include "controls.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

void rememberPicturePath(QWidget *control, const QString &path)
{
    control->setProperty("picturePath", path);
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    // The game writes the boxes and never reads them back.
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
}

MultiLineTextBox::MultiLineTextBox(QWidget *parent, bool verticalScrollBar) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

PictureBox::PictureBox(QWidget *parent, QColor back) : QWidget(parent), m_back(back)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    rememberPicturePath(this, picture.path);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    // As a window's client area it is repainted in small patches (the
    // marquee's LEDs): paint only the patch.
    QPainter painter(this);
    const QRect patch = event->rect();
    painter.fillRect(patch, m_back);
    if (!m_picture.pixmap.isNull())
        painter.drawPixmap(patch.topLeft(), m_picture.pixmap, patch);
}

Image::Image(QWidget *parent, bool stretch) : QWidget(parent), m_stretch(stretch)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Image::setPicture(const Picture &picture)
{
    m_picture = picture;
    rememberPicturePath(this, picture.path);
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        painter.drawPixmap(rect(), m_picture.pixmap);
    else
        painter.drawPixmap(0, 0, m_picture.pixmap);
}

Shape::Shape(QWidget *parent, QColor border, QColor fill, int borderWidth)
    : QWidget(parent), m_border(border), m_fill(fill), m_borderWidth(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    if (m_border.isValid() && m_borderWidth > 0) {
        QPen pen(m_border, m_borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const int inset = m_borderWidth / 2;
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1 + (m_borderWidth % 2 == 0 ? 1 : 0),
                                         -inset - 1 + (m_borderWidth % 2 == 0 ? 1 : 0)));
    }
}

Line::Line(QWidget *parent, QPoint from, QPoint to, QColor colour, int width)
    : QWidget(parent), m_colour(colour), m_width(std::max(1, width))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = m_width;
    const QRect bounds = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}
