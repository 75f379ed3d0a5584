// The six wave sounds of the game, each a short mix of synthesiser voices.
#include "../generate.h"
#include "mixdown.h"
#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

double noteHz(int midiPitch)
{
    return 440.0 * std::pow(2.0, (midiPitch - 69) / 12.0);
}

// Score entry click: a soft pop that stays out of the way of the music.
Mixdown notify()
{
    Mixdown mix(0.15, 1);
    mix.add(blip(990.0, 1480.0, 0.15), 0.0, 1.0);
    return mix;
}

// Roll Dice, holds, New Game: a quick upward strum of C major.
Mixdown chord()
{
    Prng rng(0xC0D5);
    Mixdown mix(1.2, 2);
    const int strings[] = {48, 55, 60, 64, 67, 72};
    for (int i = 0; i < 6; ++i) {
        const double pan = -0.6 + 0.24 * i;
        mix.add(pluck(noteHz(strings[i]), 1.2 - 0.022 * i, rng), 0.022 * i, 1.0 - 0.06 * i, pan, pan);
    }
    mix.add(bell(noteHz(84), 0.7), 0.12, 0.05);
    return mix;
}

// Dice rattling upward: clacks and pentatonic mallet notes that climb and
// crowd together over a rising whoosh, ending on a sparkle.
Mixdown jungleRestoreUp()
{
    Prng rng(0xD1CE);
    Mixdown mix(1.0, 2);
    mix.add(sweep(350.0, 5200.0, 0.8, rng), 0.0, 0.35, -0.4, 0.4);
    const int climb[] = {67, 69, 72, 74, 76, 79, 81, 84, 86, 88, 91, 93, 96};
    const int count = int(std::size(climb));
    for (int i = 0; i < count; ++i) {
        const double at = 0.62 * std::pow(double(i) / (count - 1), 0.8) + 0.006 * rng.bipolar();
        const double pan = (i % 2 == 0 ? -0.35 : 0.35);
        mix.add(clack(2400.0 + 2600.0 * rng.uniform(), rng), std::max(0.0, at), 0.35, -pan, -pan);
        mix.add(mallet(noteHz(climb[i]), 0.16), std::max(0.0, at), 0.3 + 0.02 * i, pan, pan);
    }
    mix.add(bell(noteHz(96), 0.35), 0.64, 0.28);
    return mix;
}

// New game and the flashers: one clear bell stroke.
Mixdown ding()
{
    Mixdown mix(1.4, 1);
    mix.add(bell(noteHz(84), 1.4), 0.0, 1.0);
    return mix;
}

// Stop Timer: a falling fifth, G to C, that sounds finished.
Mixdown done()
{
    Mixdown mix(0.9, 1);
    mix.add(mallet(noteHz(79), 0.45), 0.0, 0.85);
    mix.add(mallet(noteHz(72), 0.7), 0.18, 1.0);
    return mix;
}

// End Game: air and a sighing tone drifting down and across.
Mixdown hoverel()
{
    Prng rng(0x600D);
    Mixdown mix(1.1, 2);
    mix.add(sweep(3200.0, 220.0, 1.05, rng), 0.0, 0.7, -0.7, 0.7);
    mix.add(glide(740.0, 185.0, 0.95), 0.05, 0.35);
    return mix;
}

void save(const QString &path, const Mixdown &mix, double peak)
{
    writeWav(path, mix.render(peak), mix.channels(), kSampleRate);
}

} // namespace

void writeSounds(const QString &dataDir)
{
    const QString media = dataDir + "/media/";
    save(media + "notify.wav", notify(), 0.45);
    save(media + "chord.wav", chord(), 0.7);
    save(media + "Jungle Restore Up.wav", jungleRestoreUp(), 0.7);
    save(media + "ding.wav", ding(), 0.7);
    save(media + "done.wav", done(), 0.65);
    save(media + "hoverel.wav", hoverel(), 0.6);
}
