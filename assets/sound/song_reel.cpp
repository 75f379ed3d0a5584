// "Tumble Reel": a brisk reel in A. Each strain is played twice, the
// piccolo joining on the repeats, and a two-bar tag brings it home.
#include "patterns.h"
#include "songs.h"

#include <string>

using namespace music;

namespace {

constexpr int kEighth = kPpq / 2;

const char *const kIntroChords = "A | E7";
const char *const kAChords = "A | A | D | E | A | A | D E | A";
const char *const kBChords = "F#m | D | A | E | F#m | D | A E | A";
const char *const kTagChords = "D E";
const char *const kFinalChord = "A";

// Running eighths that circle the chord tones, each strain's second time
// turning its last bar toward what follows.
const char *const kATuneHead =
    "A4:e C#5:e E5:e C#5:e A5:e E5:e C#5:e E5:e | F#5:e E5:e C#5:e E5:e A4:e B4:e C#5:e A4:e |"
    "D5:e F#5:e A5:e F#5:e D6:e A5:e F#5:e A5:e | G#5:e F#5:e E5:e D5:e B4:q E5:q |"
    "A4:e C#5:e E5:e C#5:e A5:e E5:e C#5:e E5:e | F#5:e E5:e C#5:e E5:e A5:e B5:e C#6:e A5:e |"
    "B5:e A5:e F#5:e D5:e E5:e G#5:e B5:e G#5:e";
const char *const kAFirstEnding = "A5:q E5:q A4:h";
const char *const kASecondEnding = "A5:q E5:e C#5:e A4:e C#5:e E5:e G#5:e";
const char *const kBTuneHead =
    "C#6:e A5:e F#5:e A5:e C#6:e A5:e F#5:e A5:e | D6:e A5:e F#5:e A5:e D6:e E6:e F#6:e D6:e |"
    "C#6:e E6:e C#6:e A5:e E5:e A5:e C#6:e A5:e | B5:e G#5:e E5:e G#5:e B5:q E6:q |"
    "C#6:e A5:e F#5:e A5:e C#6:e A5:e F#5:e A5:e | D6:e F#6:e E6:e D6:e A5:e B5:e A5:e F#5:e |"
    "E5:e A5:e C#6:e A5:e B5:e G#5:e E5:e G#5:e";
const char *const kBFirstEnding = "A5:h. E5:q";
const char *const kBSecondEnding = "A5:q C#6:e B5:e A5:e G#5:e F#5:e E5:e";
const char *const kTagTune = "D5:e F#5:e A5:e D6:e E6:e D6:e B5:e G#5:e";
const char *const kFinalTune = "A5:w";

struct Band {
    Player &fiddle, &piccolo, &accordion, &banjo, &tuba, &kit;
};

const Register kSqueezeHand{57, 72};
const Register kBanjoHand{55, 72};

void drive(Band &band, const Progression &p, bool b)
{
    comp(band.accordion, p, "..x-..x-", kEighth, kSqueezeHand, 64);
    bassLine(band.tuba, p, "R-5-", kPpq, 31, 84);
    if (b)
        arpeggio(band.banjo, p, "01230123", kEighth, kBanjoHand, 56);
    const int bars = p.bars();
    drums(band.kit, p, gm::Kick, b ? "X..xX..." : "X...X...", kEighth, 88);
    drums(band.kit, p, gm::Snare, withFill("..x...x.", "..x.xxXX", bars), kEighth, 78);
    drums(band.kit, p, gm::Tambourine, b ? "xoxoxoxo" : "x.x.x.x.", kEighth, 54);
    band.kit.play(p.start, kEighth, gm::Crash, 92);
}

std::string strain(const char *head, const char *ending)
{
    return std::string(head) + " | " + ending;
}

} // namespace

Song reelSong()
{
    Song song("Tumble Reel", 4, 3, false, 0x5EED0003);
    Band band{
        song.player({"Fiddle", 0, 110, 100, 62, 40}),
        song.player({"Piccolo", 1, 72, 70, 74, 50}),
        song.player({"Accordion", 2, 21, 82, 46, 40}),
        song.player({"Banjo", 3, 105, 78, 86, 30}),
        song.player({"Tuba", 4, 58, 96, 64, 30}),
        song.player({"Drums", kDrumChannel, 0, 92, 64, 30}),
    };
    const int bar = song.barTicks();

    song.mark(0, "Intro");
    const Progression intro = progression(kIntroChords, song.bar(0), bar);
    comp(band.accordion, intro, "..x-..x-", kEighth, kSqueezeHand, 64);
    bassLine(band.tuba, intro, "R-5-", kPpq, 31, 84);
    drums(band.kit, intro, gm::Kick, "X...X...", kEighth, 86);
    drums(band.kit, intro, gm::Snare, "..x...x.|..x.xxXX", kEighth, 76);

    struct Strain {
        int firstBar;
        const char *name;
        const char *chords;
        std::string tune;
        bool repeat;
        bool b;
    };
    const Strain strains[] = {
        {2, "A", kAChords, strain(kATuneHead, kAFirstEnding), false, false},
        {10, "A", kAChords, strain(kATuneHead, kASecondEnding), true, false},
        {18, "B", kBChords, strain(kBTuneHead, kBFirstEnding), false, true},
        {26, "B", kBChords, strain(kBTuneHead, kBSecondEnding), true, true},
    };
    for (const Strain &s : strains) {
        song.mark(s.firstBar, s.name);
        const Progression p = progression(s.chords, song.bar(s.firstBar), bar);
        const std::vector<Note> tune = melody(s.tune, p.start, bar);
        lead(band.fiddle, tune, 88, 0.85, bar);
        if (s.repeat)
            lead(band.piccolo, tune, 56, 0.7, bar);
        drive(band, p, s.b);
    }

    song.mark(34, "Tag");
    const Progression tag = progression(kTagChords, song.bar(34), bar);
    lead(band.fiddle, melody(kTagTune, tag.start, bar), 92, 0.85, bar);
    lead(band.piccolo, melody(kTagTune, tag.start, bar), 58, 0.7, bar);
    comp(band.accordion, tag, "x-x-x-x-", kEighth, kSqueezeHand, 70);
    bassLine(band.tuba, tag, "R-R-", kPpq, 31, 88);
    drums(band.kit, tag, gm::Snare, "x.x.xxXX", kEighth, 80);
    drums(band.kit, tag, gm::Kick, "X...X...", kEighth, 88);

    const Progression last = progression(kFinalChord, song.bar(35), bar);
    lead(band.fiddle, melody(kFinalTune, last.start, bar), 94, 1.0, bar);
    lead(band.piccolo, melody(kFinalTune, last.start, bar), 60, 1.0, bar);
    comp(band.accordion, last, "X-------", kEighth, kSqueezeHand, 72);
    bassLine(band.tuba, last, "R---", kPpq, 31, 90);
    drums(band.kit, last, gm::Crash, "X.......", kEighth, 100);
    drums(band.kit, last, gm::Kick, "X.......", kEighth, 96);
    song.ritardando(song.bar(34), song.bar(36), 1.6);
    return song;
}
