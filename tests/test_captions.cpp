// Captions as the player sees them: drawn whole inside their boxes and
// plates, whatever the stand-in faces measure.
#include "bonus/frmSlotTumblecrag.h"
#include "shell/frmAbout.h"
#include "shell/frnTumblecragSplash.h"
#include "table_fixture.h"
#include "toolkit/rain_button.h"

#include <QFontInfo>
#include <QImage>

namespace {

// The box around the pixels of an image that differ from another image of
// the same control, or from a plain colour.
QRect inkBetween(const QImage &drawn, const QImage &blank)
{
    QRect ink;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = drawn.pixelColor(x, y), b = blank.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 60)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

QImage picture(QWidget *control)
{
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The caption's ink inside a bordered label: what differs from its back
// colour within the one-pixel frame.
QRect inkInsideFrame(Label *label)
{
    const QImage drawn = picture(label);
    QImage blank = drawn.copy();
    blank.fill(label->palette().color(QPalette::Window));
    const QRect inside = label->rect().adjusted(1, 1, -1, -1);
    return inkBetween(drawn.copy(inside), blank.copy(inside)).translated(inside.topLeft());
}

// The caption is whole (as tall as its glyphs) and has a clear row between
// it and the frame above and below.
void expectWholeAndClearOfTheFrame(Label *label)
{
    const QRect ink = inkInsideFrame(label);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 2) << "touches the frame above";
    EXPECT_LE(ink.bottom(), label->height() - 3) << "cut by the frame below";
    EXPECT_GE(ink.height(), QFontMetrics(label->font()).tightBoundingRect(label->Caption()).height() - 1)
        << "not as tall as its glyphs";
}

// Every plate's caption ink stays a pixel inside the area its plate draws
// captions in; the ink is what the caption adds to the bare plate.
int checkPlates(QWidget *window)
{
    int checked = 0;
    for (RainButton *plate : window->findChildren<RainButton *>()) {
        if (plate->Caption().trimmed().isEmpty())
            continue;
        SCOPED_TRACE(qPrintable(window->objectName() + QLatin1Char('.') + plate->objectName() +
                                QStringLiteral(" \"") + plate->Caption() + QLatin1Char('"')));
        const QString caption = plate->Caption();
        const QImage drawn = picture(plate);
        plate->setCaption(QString());
        const QImage bare = picture(plate);
        plate->setCaption(caption);
        const QRect ink = inkBetween(drawn, bare);
        const QRect area = plate->captionArea().toAlignedRect();
        EXPECT_GT(ink.left(), area.left());
        EXPECT_LT(ink.right(), area.right());
        EXPECT_GE(ink.top(), area.top());
        EXPECT_LE(ink.bottom(), area.bottom());
        ++checked;
    }
    return checked;
}

} // namespace

TEST(Captions, TheTimersSecondsShowWholeInsideTheirBox)
{
    frmTumblecrag &table = openTable();
    for (const char *limit : {"30", "188", "-5", "0"}) {
        SCOPED_TRACE(limit);
        seam::scriptInputBox(QString::fromLatin1(limit));
        choose(table, QStringLiteral("TimerValue"));
        ASSERT_EQ(table.lblTimerDisplay->Caption(), QString::fromLatin1(limit));
        expectWholeAndClearOfTheFrame(table.lblTimerDisplay);
    }

    // The About box's version has room for the customary gap and keeps it:
    // its text sits in the middle of the box.
    choose(table, QStringLiteral("mnuMach4"));
    frmAbout *about = existingForm<frmAbout>();
    ASSERT_NE(about, nullptr);
    Label *version = about->control<Label>(QStringLiteral("Label1"));
    ASSERT_EQ(version->Caption(), QStringLiteral("Version 1.40"));
    expectWholeAndClearOfTheFrame(version);
    const QRect ink = inkInsideFrame(version);
    const int above = ink.top() - 1, below = version->height() - 2 - ink.bottom();
    EXPECT_LE(std::abs(above - below), 2) << above << " rows above, " << below << " below";
}

TEST(Captions, EveryPlateShowsItsCaptionWhole)
{
    frmTumblecrag &table = openTable();
    choose(table, QStringLiteral("mnuStartComputerGame"));
    choose(table, QStringLiteral("mnuStartBonusPlay"));
    int plates = checkPlates(&table);

    // Five sixes in Sixes with a bonus draw of 3 open the slot window.
    seam::queueRnd({seam::rndFor(3, 7), seam::rndFor(2, 6), seam::rndFor(3, 6), seam::rndFor(4, 6)});
    setDice({6, 6, 6, 6, 6});
    click(table.cmdSixes);
    frmSlotTumblecrag *slot = existingForm<frmSlotTumblecrag>();
    ASSERT_NE(slot, nullptr);
    plates += checkPlates(slot);

    choose(table, QStringLiteral("mnuMach4"));
    ASSERT_NE(existingForm<frmAbout>(), nullptr);
    plates += checkPlates(existingForm<frmAbout>());

    frnTumblecragSplash &splash = form<frnTumblecragSplash>();
    splash.Show();
    plates += checkPlates(&splash);
    EXPECT_GE(plates, 28);

    // Captions that fit in the plate's own font keep it; only the narrow
    // "CMPTR" plate, whose stand-in face runs wider, is drawn a little smaller.
    for (QWidget *window : std::initializer_list<QWidget *>{&table, slot, &splash})
        for (RainButton *plate : window->findChildren<RainButton *>()) {
            SCOPED_TRACE(qPrintable(plate->objectName()));
            const int laidOut = QFontInfo(plate->font()).pixelSize();
            const int drawn = QFontInfo(plate->captionFont()).pixelSize();
            if (plate->objectName() == QStringLiteral("RainButton13")) {
                ASSERT_EQ(plate->Caption(), QStringLiteral("CMPTR"));
                EXPECT_LT(drawn, laidOut);
                EXPECT_GE(drawn, laidOut - 3);
            } else {
                EXPECT_EQ(drawn, laidOut);
            }
        }
}
