// "Crag Bossa": a bossa nova in D minor. The vibraphone sings the A
// strain, the flute the bridge in F major, and the vibraphone takes a
// written solo over the A changes before the last time through.
#include "patterns.h"
#include "songs.h"

#include <string>

using namespace music;

namespace {

constexpr int kEighth = kPpq / 2;
constexpr int kSixteenth = kPpq / 4;

const char *const kIntroChords = "Dm9 | Em7b5 A7b9 | Dm9 | Em7b5 A7b9";
const char *const kAChordsHead =
    "Dm9 | Dm9 | Em7b5 | A7b9 | Dm7 | Dm6 | Gm7 | C7 | Fmaj7 | Bbmaj7 | Em7b5 | A7 | Dm7 | Bb7 | Em7b5 A7";
const char *const kAChordsEnd = "Dm9";
const char *const kBChords =
    "Gm7 | C7 | Fmaj7 | Fmaj7 | Bbmaj7 | Em7b5 | A7 | Dm7 | Gm7 | C7 | Am7 | D7b9 | Gm7 | Em7b5 A7 | Dm7 | A7";

// Each phrase starts off the beat and lands late on a long note, the
// second phrase a step higher than the first.
const char *const kATuneHead =
    "r:e A4:e D5:e E5:e+q F5:q | E5:h. r:q | r:e G4:e Bb4:e C5:e+q D5:q | C#5:h. r:q |"
    "r:e A4:e D5:e E5:e+q F5:q | G5:q. F5:e+q E5:q | D5:h r:e Bb4:e D5:e F5:e | E5:q. G5:e+h |"
    "A5:q. G5:e+q E5:q | F5:q. D5:e+h | r:e E5:e G5:e Bb5:e+q D6:q | C#6:h. A5:q |"
    "F5:q. E5:e+q D5:q | D5:q. C5:e+q Ab4:q | G4:q Bb4:q A4:q C#5:q";
const char *const kATuneEnd = "D5:w";
const char *const kBTune =
    "D6:q. C6:e+h | Bb5:q A5:q G5:q E5:q | A5:h. r:e C5:e | F5:e A5:e C6:e E6:e+h |"
    "D6:q. C6:e+h | Bb5:q A5:q G5:q E5:q | C#5:q E5:q G5:q Bb5:q | A5:h. r:q |"
    "Bb5:q. A5:e+q G5:q | E5:q. F5:e+q G5:q | C6:q. A5:e+h | F#5:q A5:q C6:q Eb6:q |"
    "D6:h. Bb5:q | G5:q E5:q A5:q G5:q | F5:w | E5:h C#5:q A4:q";
const char *const kSoloTune =
    "D5:e F5:e A5:e C6:e E6:q. D6:e | C6:q A5:h r:q | E5:e G5:e Bb5:e D6:e C6:q. Bb5:e | A5:q G5:q E5:q C#5:q |"
    "D5:e E5:e F5:e A5:e+q G5:q | F5:q. D5:e B4:h | Bb4:e D5:e F5:e A5:e G5:h | E5:q G5:q Bb5:q C6:q |"
    "A5:e C6:e E6:e C6:e A5:h | D6:q. F5:e+h | G5:e Bb5:e D6:e C6:e Bb5:q G5:q | E5:h C#5:h |"
    "D5:e F5:e A5:e F5:e D5:q A4:q | Ab4:q. Bb4:e+q D5:q | E5:q G5:q C#5:q E5:q | D5:h r:h";

struct Band {
    Player &vibes, &flute, &guitar, &bass, &pad, &kit;
};

const Register kGuitarHand{53, 70, true};
const Register kPadHand{57, 74};

void groove(Band &band, const Progression &p, bool bridge)
{
    comp(band.guitar, p, "x-.x-.x-|..x-.x-.", kEighth, kGuitarHand, 62);
    bassLine(band.bass, p, "R--5R--5", kEighth, 28, 84);
    if (bridge)
        comp(band.pad, p, "x-------", kEighth, kPadHand, 40);
    drums(band.kit, p, gm::SideStick, "x.....x.....x...|....x.....x.....", kSixteenth, 68);
    drums(band.kit, p, gm::Kick, "x..ox..ox..ox..o", kSixteenth, 58);
    drums(band.kit, p, gm::Maracas, "xoooxoooxoooxooo", kSixteenth, 46);
    if (bridge)
        drums(band.kit, p, gm::ClosedHat, "x.x.x.x.x.x.x.x.", kSixteenth, 40);
}

} // namespace

Song bossaSong()
{
    Song song("Crag Bossa", 4, -1, true, 0x5EED0002);
    Band band{
        song.player({"Vibraphone", 0, 11, 100, 70, 60}),
        song.player({"Flute", 1, 73, 92, 58, 60}),
        song.player({"Nylon Guitar", 2, 24, 92, 44, 40}),
        song.player({"Bass", 3, 32, 100, 64, 30}),
        song.player({"Warm Pad", 4, 89, 70, 84, 70}),
        song.player({"Percussion", kDrumChannel, 0, 90, 64, 40}),
    };
    const int bar = song.barTicks();
    const std::string aChords = std::string(kAChordsHead) + " | " + kAChordsEnd;
    const std::string aTune = std::string(kATuneHead) + " | " + kATuneEnd;

    song.mark(0, "Intro");
    const Progression intro = progression(kIntroChords, song.bar(0), bar);
    groove(band, intro, false);

    struct Section {
        int firstBar;
        const char *name;
        const char *chords;
        const char *tune;
        Player *voice;
        bool bridge;
    };
    const Section sections[] = {
        {4, "A", aChords.c_str(), aTune.c_str(), &band.vibes, false},
        {20, "B", kBChords, kBTune, &band.flute, true},
        {36, "A", aChords.c_str(), aTune.c_str(), &band.vibes, false},
        {52, "Solo", aChords.c_str(), kSoloTune, &band.vibes, false},
        {68, "B", kBChords, kBTune, &band.flute, true},
    };
    for (const Section &s : sections) {
        song.mark(s.firstBar, s.name);
        const Progression p = progression(s.chords, song.bar(s.firstBar), bar);
        lead(*s.voice, melody(s.tune, p.start, bar), s.bridge ? 80 : 88, 0.9, bar);
        groove(band, p, s.bridge);
    }

    // Last A: the flute doubles the vibraphone an octave up.
    song.mark(84, "A");
    const Progression last = progression(kAChordsHead, song.bar(84), bar);
    const std::vector<Note> lastTune = melody(kATuneHead, last.start, bar);
    lead(band.vibes, lastTune, 88, 0.9, bar);
    lead(band.flute, lastTune, 58, 0.9, bar, 12);
    groove(band, last, false);

    const Progression close = progression(kAChordsEnd, song.bar(99), bar);
    lead(band.vibes, melody(kATuneEnd, close.start, bar), 86, 1.0, bar);
    lead(band.flute, melody("A5:w", close.start, bar), 58, 1.0, bar);
    comp(band.guitar, close, "x-------", kEighth, kGuitarHand, 60);
    comp(band.pad, close, "x-------", kEighth, kPadHand, 44);
    bassLine(band.bass, close, "R-------", kEighth, 28, 82);
    drums(band.kit, close, gm::SideStick, "x...............", kSixteenth, 64);
    drums(band.kit, close, gm::Kick, "x...............", kSixteenth, 58);
    song.ritardando(song.bar(98), song.bar(100), 1.5);
    return song;
}
