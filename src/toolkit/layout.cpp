#include "layout.h"

#include "controls.h"
#include "rain_button.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

QColor colour(int rgb)
{
    return rgb == NoColour ? QColor() : QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / static_cast<double>(TwipsPerPixel)));
}

QString storedPicturePath(const char *file)
{
    return QStringLiteral("c:\\program files\\tumblecrag\\stored\\") + QString::fromLatin1(file);
}

namespace {

// Qt keeps half an "x" between a bordered label's frame and its text; the
// old run time drew the text straight inside the border. The gap stays only
// where the line still fits under it, so a tall caption in a tight box shows
// whole.
void fitTextInsideBorder(Label *label)
{
    const QFontMetrics metrics(label->font());
    const int spare = label->contentsRect().height() - metrics.height();
    label->setIndent(std::clamp(spare, 0, metrics.horizontalAdvance(QLatin1Char('x')) / 2));
}

int layerOf(Kind kind)
{
    switch (kind) {
    case Kind::Shape:
    case Kind::Line: return 0;
    case Kind::Label:
    case Kind::Image: return 1;
    default: return 2;
    }
}

void applyColours(QWidget *widget, const ControlSpec &spec)
{
    QPalette palette = widget->palette();
    if (spec.back != NoColour && !spec.transparent) {
        palette.setColor(QPalette::Window, colour(spec.back));
        palette.setColor(QPalette::Base, colour(spec.back));
        palette.setColor(QPalette::Button, colour(spec.back));
        widget->setAutoFillBackground(true);
    }
    if (spec.fore != NoColour) {
        palette.setColor(QPalette::WindowText, colour(spec.fore));
        palette.setColor(QPalette::Text, colour(spec.fore));
        palette.setColor(QPalette::ButtonText, colour(spec.fore));
    }
    widget->setPalette(palette);
}

QWidget *create(QWidget *client, const ControlSpec &spec)
{
    const QString caption = QString::fromUtf8(spec.caption);
    QWidget *widget = nullptr;
    switch (spec.kind) {
    case Kind::Label: {
        auto *label = new Label(caption, client);
        label->setAlignment(spec.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        if (spec.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = label;
        break;
    }
    case Kind::TextBox: {
        auto *box = new TextBox(client);
        box->setText(caption);
        if (!spec.centred)
            box->setAlignment(Qt::AlignLeft);
        widget = box;
        break;
    }
    case Kind::TextArea: {
        auto *area = new MultiLineTextBox(client, spec.scroll);
        area->setPlainText(caption);
        widget = area;
        break;
    }
    case Kind::CommandButton: {
        auto *button = new CommandButton(caption, client);
        if (spec.back != NoColour) {
            button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; "
                                                 "border-radius: 2px; } QPushButton:pressed { background-color: %2; }"
                                                 " QPushButton:hover { border: 1px solid #FFFFFF; }")
                                      .arg(colour(spec.back).name(), colour(spec.back).darker(130).name()));
        }
        widget = button;
        break;
    }
    case Kind::RainButton: {
        RainButton::Look look;
        look.back = colour(spec.back);
        look.gradient = colour(spec.gradient);
        look.fore = colour(spec.fore);
        look.backfill = spec.backfill;
        look.shadow = colour(spec.shadow);
        look.highlight = colour(spec.highlight);
        auto *button = new RainButton(client, look);
        button->setCaption(caption);
        widget = button;
        break;
    }
    case Kind::PictureBox:
        widget = new PictureBox(client, spec.back == NoColour ? QColor(0xC0, 0xC0, 0xC0) : colour(spec.back));
        break;
    case Kind::Image:
        widget = new Image(client, spec.stretch);
        break;
    case Kind::Shape:
        widget = new Shape(client, colour(spec.fore), colour(spec.back), spec.borderWidth);
        break;
    case Kind::Line: {
        const QPoint from(twipsToPixels(spec.left), twipsToPixels(spec.top));
        const QPoint to(twipsToPixels(spec.width), twipsToPixels(spec.height));
        widget = new Line(client, from, to, spec.fore == NoColour ? QColor(Qt::black) : colour(spec.fore),
                          spec.borderWidth);
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(spec.name));
    if (spec.kind != Kind::Line)
        widget->setGeometry(twipsToPixels(spec.left), twipsToPixels(spec.top), twipsToPixels(spec.width),
                            twipsToPixels(spec.height));
    if (spec.kind != Kind::Shape && spec.kind != Kind::Line) {
        widget->setFont(makeFont(spec.font));
        applyColours(widget, spec);
    }
    if (spec.kind == Kind::Label && spec.border)
        fitTextInsideBorder(static_cast<Label *>(widget));
    // A substitute face may stand a little taller than the old one; a
    // one-line label grows to keep its descenders.
    if (spec.kind == Kind::Label && spec.transparent) {
        const int lineHeight = QFontMetrics(widget->font()).height();
        if (widget->height() < lineHeight && widget->height() > lineHeight / 2)
            widget->resize(widget->width(), lineHeight);
    }
    if (spec.picture) {
        const Picture picture = LoadPicture(storedPicturePath(spec.picture));
        if (auto *box = qobject_cast<PictureBox *>(widget))
            box->setPicture(picture);
        else if (auto *image = qobject_cast<Image *>(widget))
            image->setPicture(picture);
    }
    if (spec.hidden)
        widget->hide();
    return widget;
}

} // namespace

void buildControls(QWidget *client, std::span<const ControlSpec> specs)
{
    for (int layer = 0; layer < 3; ++layer)
        for (const ControlSpec &spec : specs)
            if (layerOf(spec.kind) == layer)
                create(client, spec);
}
