#pragma once
#include <QAbstractButton>
#include <QColor>

// The gradient button: a caption on a fill that runs from its back colour to
// its gradient colour (fill style 2 top to bottom, 3 left to right), with a
// bevel, a hover highlight when mouse tracking is on, and a click. It takes
// the keyboard focus only where its window lets it; with the focus, Space,
// Return and the keypad's Enter press it.
class RainButton : public QAbstractButton
{
    Q_OBJECT
public:
    struct Look
    {
        QColor back;
        QColor gradient;
        QColor fore;
        int backfill = 2;
        bool mouseTrack = true;
        QColor shadow;    // invalid: none
        QColor highlight; // invalid: none
    };

    RainButton(QWidget *parent, const Look &look);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

    QSize sizeHint() const override;

    // Where the caption is drawn, inside the bevel.
    QRectF captionArea() const;
    // The plate's font, or a pixel size smaller where a stand-in face runs
    // wider than the face the plate was laid out for: every word fits the
    // caption area with a pixel to spare each side, the wrapped lines fit
    // its height.
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Look m_look;
    bool m_hover = false;
};
