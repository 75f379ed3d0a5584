// "Valley Waltz": a calm waltz in F, AABA twice over with the bridge
// handed to the clarinet the second time, ending on a held F.
#include "patterns.h"
#include "songs.h"

#include <string>

using namespace music;

namespace {

const char *const kIntroChords = "F | Bb | Gm7 | C7";
const char *const kAChordsHead =
    "F | F | Gm7 | C7 | Am | Dm | G7 | C7 | F | F7 | Bb | Bbm6 | Am7 | D7 | Gm7*2 C7*1";
const char *const kAChordsEnd = "F";
const char *const kBChords = "Bb | Bb | Am | Am | Gm | Gm | C7 | C7 | Bb | Bbm | Am | D7 | Gm7 | C7 | F | C7";

// A rising arpeggio that sighs back a step, sequenced up a tone; the
// answer reaches the minor subdominant before coming home.
const char *const kATuneHead =
    "A4:q C5:q F5:q | A5:h G5:q | Bb4:q D5:q G5:q | Bb5:h G5:q |"
    "A5:q. G5:e E5:q | F5:q. E5:e D5:q | B4:q D5:q F5:q | E5:h. |"
    "A4:q C5:q F5:q | C6:h A5:q | D6:q. C6:e Bb5:q | Db6:h Bb5:q |"
    "C6:h A5:q | C6:q. A5:e F#5:q | G5:q Bb5:q E5:q";
const char *const kA2TuneHead =
    "A4:q C5:e D5:e F5:q | A5:h G5:q | Bb4:q D5:e E5:e G5:q | Bb5:h G5:q |"
    "A5:q. G5:e E5:q | F5:q. E5:e D5:q | B4:q D5:q G5:q | E5:h. |"
    "A4:q C5:e D5:e F5:q | C6:h A5:q | D6:q. C6:e Bb5:q | Db6:h Bb5:q |"
    "C6:q. Bb5:e A5:q | C6:q. A5:e F#5:q | G5:q Bb5:q E5:q";
const char *const kATuneEnd = "F5:h.";
const char *const kBTune =
    "D6:h. | C6:q Bb5:q F5:q | C6:h. | A5:q G5:q E5:q |"
    "Bb5:h. | G5:q F5:q D5:q | E5:h G5:q | Bb5:h. |"
    "D6:q F6:q D6:q | Db6:h Bb5:q | C6:h A5:q | F#5:q A5:q C6:q |"
    "Bb5:h. | G5:q A5:q Bb5:q | A5:h. | G5:q E5:q C5:q";

std::string whole(const char *head, const char *end)
{
    return std::string(head) + " | " + end;
}

struct Band {
    Player &flute, &clarinet, &harp, &strings, &piano, &bass, &kit;
};

const Register kHarpHand{53, 72};
const Register kStringsHand{57, 76};
const Register kPianoHand{55, 70};

void accompany(Band &band, const Progression &p, bool bridge)
{
    if (bridge)
        comp(band.piano, p, ".xx", kPpq, kPianoHand, 46);
    else
        arpeggio(band.harp, p, "012321", kPpq / 2, kHarpHand, 58);
    comp(band.strings, p, "x--", kPpq, kStringsHand, 46);
    bassLine(band.bass, p, "R..|5..", kPpq, 29, 80);
    drums(band.kit, p, gm::Kick, "x..", kPpq, 48);
    drums(band.kit, p, gm::PedalHat, ".xo", kPpq, 40);
    drums(band.kit, p, gm::Triangle, bridge ? "x..|...|...|..." : "x..|...|...|...|...|...|...|...", kPpq, 36);
}

} // namespace

Song waltzSong()
{
    Song song("Valley Waltz", 3, -1, false, 0x5EED0001);
    Band band{
        song.player({"Flute", 0, 73, 96, 60, 60}),
        song.player({"Clarinet", 1, 71, 92, 70, 60}),
        song.player({"Harp", 2, 46, 84, 40, 60}),
        song.player({"Strings", 3, 49, 78, 88, 70}),
        song.player({"Piano", 4, 0, 76, 50, 50}),
        song.player({"Bass", 5, 32, 96, 64, 30}),
        song.player({"Drums", kDrumChannel, 0, 80, 64, 40}),
    };
    const int bar = song.barTicks();
    const std::string aChords = whole(kAChordsHead, kAChordsEnd);
    const std::string aTune = whole(kATuneHead, kATuneEnd);
    const std::string a2Tune = whole(kA2TuneHead, kATuneEnd);

    song.mark(0, "Intro");
    const Progression intro = progression(kIntroChords, song.bar(0), bar);
    arpeggio(band.harp, intro, "012345", kPpq / 2, kHarpHand, 58);
    comp(band.strings, intro, "x--", kPpq, kStringsHand, 42);
    bassLine(band.bass, intro, "R..", kPpq, 29, 76);

    struct Section {
        int firstBar;
        const char *name;
        bool bridge;
        const std::string *tune;
        Player *voice;
    };
    const std::string bTune = kBTune;
    const Section sections[] = {
        {4, "A", false, &aTune, &band.flute},        {20, "A", false, &a2Tune, &band.flute},
        {36, "B", true, &bTune, &band.flute},        {52, "A", false, &aTune, &band.flute},
        {68, "B", true, &bTune, &band.clarinet},
    };
    for (const Section &s : sections) {
        song.mark(s.firstBar, s.name);
        const Progression p = progression(s.bridge ? kBChords : aChords.c_str(), song.bar(s.firstBar), bar);
        lead(*s.voice, melody(*s.tune, p.start, bar), 84, 0.95, bar);
        accompany(band, p, s.bridge);
        if (s.voice == &band.clarinet)
            arpeggio(band.harp, p, "0-1-2-", kPpq / 2, kHarpHand, 50);
    }

    // Last A: flute with the clarinet an octave below, slowing into the close.
    song.mark(84, "A");
    const Progression last = progression(kAChordsHead, song.bar(84), bar);
    const std::vector<Note> lastTune = melody(kA2TuneHead, last.start, bar);
    lead(band.flute, lastTune, 86, 0.95, bar);
    lead(band.clarinet, lastTune, 64, 0.95, bar, -12);
    accompany(band, last, false);

    const Progression close = progression(kAChordsEnd, song.bar(99), bar);
    lead(band.flute, melody(kATuneEnd, close.start, bar), 84, 1.0, bar);
    lead(band.clarinet, melody("A4:h.", close.start, bar), 62, 1.0, bar);
    arpeggio(band.harp, close, "012345", kPpq / 2, kHarpHand, 54);
    comp(band.strings, close, "x--", kPpq, kStringsHand, 50);
    bassLine(band.bass, close, "R--", kPpq, 29, 78);
    drums(band.kit, close, gm::Triangle, "x..", kPpq, 44);
    song.ritardando(song.bar(96), song.bar(100), 1.6);
    return song;
}
