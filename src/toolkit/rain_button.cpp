#include "rain_button.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>

RainButton::RainButton(QWidget *parent, const Look &look) : QAbstractButton(parent), m_look(look)
{
    setMouseTracking(look.mouseTrack);
    setFocusPolicy(Qt::NoFocus);
}

QSize RainButton::sizeHint() const
{
    return {80, 24};
}

namespace {

constexpr int SmallestCaptionPixels = 6;

bool captionFits(const QFont &font, const QString &caption, const QRectF &area)
{
    const QFontMetrics metrics(font);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &word : caption.split(blanks, Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) + 2 > area.width())
            return false;
    const QRect box(0, 0, static_cast<int>(area.width()), static_cast<int>(area.height()));
    return metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, caption).height() <= box.height();
}

} // namespace

QRectF RainButton::captionArea() const
{
    return QRectF(rect()).adjusted(2.5, 1.5, -2.5, -1.5);
}

QFont RainButton::captionFont() const
{
    QFont fitted = font();
    const QRectF area = captionArea();
    for (int pixels = QFontInfo(fitted).pixelSize(); pixels > SmallestCaptionPixels; --pixels) {
        fitted.setPixelSize(pixels);
        if (captionFits(fitted, text(), area))
            return fitted;
    }
    fitted.setPixelSize(SmallestCaptionPixels);
    return fitted;
}

void RainButton::enterEvent(QEnterEvent *event)
{
    if (m_look.mouseTrack) {
        m_hover = true;
        update();
    }
    QAbstractButton::enterEvent(event);
}

void RainButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void RainButton::keyPressEvent(QKeyEvent *event)
{
    // Qt's button takes Space alone; a focused button on the desktop the
    // game was drawn for is pressed by Enter too, at once, as a button
    // captioned "ENTER" invites.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

void RainButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor from = m_look.back;
    QColor to = m_look.gradient.isValid() ? m_look.gradient : m_look.back;
    if (m_hover) {
        from = from.lighter(125);
        to = to.lighter(125);
    }
    if (isDown())
        std::swap(from, to);
    QLinearGradient fill = m_look.backfill == 3 ? QLinearGradient(area.topLeft(), area.topRight())
                                                : QLinearGradient(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, from);
    fill.setColorAt(1, to);
    painter.fillRect(area, fill);

    // Bevel: light above and left, dark below and right; pressed inverts it.
    const QColor light = QColor(255, 255, 255, 150);
    const QColor dark = QColor(0, 0, 0, 140);
    painter.setPen(QPen(isDown() ? dark : light, 1));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(QPen(isDown() ? light : dark, 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    if (m_hover && m_look.highlight.isValid()) {
        painter.setPen(QPen(m_look.highlight, 1));
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
    // A window that lets the button take the focus shows where it is.
    if (hasFocus()) {
        painter.setPen(QPen(m_look.fore.isValid() ? m_look.fore : QColor(Qt::black), 1, Qt::DotLine));
        painter.drawRect(area.adjusted(3, 3, -3, -3));
    }

    QRectF textArea = captionArea();
    if (isDown())
        textArea.translate(1, 1);
    painter.setFont(captionFont());
    if (m_look.shadow.isValid()) {
        painter.setPen(m_look.shadow);
        painter.drawText(textArea.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    painter.setPen(m_look.fore.isValid() ? m_look.fore : QColor(Qt::black));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, text());
}
