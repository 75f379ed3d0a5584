// The Game Over and OOPS flashers and the LED marquee. Whoever starts one
// only enables its timer; each tick steps the effect's own phase counter and
// acts on exact phases, so a second start goes on from the phase it finds.
#include "frmTumblecrag.h"
#include "module1.h"

#include "toolkit/sound.h"

#include <array>

namespace {

const QString Chime = QStringLiteral("C:\\Windows\\media\\ding.wav");

} // namespace

void frmTumblecrag::timGameOver_Timer()
{
    Module1.GameOverTick += 1;
    btnPlayerNotice->show();
    switch (Module1.GameOverTick.value()) {
    case 1:
    case 3:
    case 5:
    case 7:
        btnPlayerNotice->setCaption(QStringLiteral("Game Over"));
        sndPlaySound(Chime, SND_ASYNC);
        break;
    case 2:
    case 4:
    case 6:
        btnPlayerNotice->setCaption(QString());
        break;
    case 8:
        btnPlayerNotice->setCaption(QString());
        timGameOver->setEnabled(false);
        btnPlayerNotice->hide();
        Module1.GameOverTick = 0;
        break;
    }
}

void frmTumblecrag::timInvalidEntry_Timer()
{
    Module1.InvalidEntryTick += 1;
    if (Module1.InvalidEntryTick == 1) {
        lblInvalidEntry->show();
        sndPlaySound(Chime, SND_ASYNC);
    }
    if (Module1.InvalidEntryTick == 2) {
        timInvalidEntry->setEnabled(false);
        lblInvalidEntry->hide();
        Module1.InvalidEntryTick = 0;
    }
}

void frmTumblecrag::timMarque_Timer()
{
    const std::array<Image *, 7> leds{imgLed2, imgLed3, imgLED4, imgLed5, imgLed6, imgLed7, imgLed8};
    Module1.MarqueTick += 1;
    for (Image *led : leds)
        led->show();
    const int phase = Module1.MarqueTick.value();
    // Phases 3 to 14 light and then darken imgLed2 to imgLed7 in turn; the
    // last LED gets the phase right after its neighbour, which closes the cycle.
    if (phase >= 3 && phase <= 14) {
        Image *led = leds[(phase - 3) / 2];
        if (phase % 2 == 1)
            led->show();
        else
            led->hide();
    } else if (phase == 15) {
        imgLed8->show();
        imgLed8->hide();
        Module1.MarqueTick = 0;
    }
}
