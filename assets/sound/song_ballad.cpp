// "Late Score": a mellow jazz ballad in E flat, AABA with swung eighths,
// tenor saxophone over electric piano, ending on a held Ebmaj9.
#include "patterns.h"
#include "songs.h"

#include <string>

using namespace music;

namespace {

constexpr int kEighth = kPpq / 2;

const char *const kIntroChords = "Cm7 F7 | Fm7 Bb7";
const char *const kAChords =
    "Ebmaj7 Cm7 | Fm7 Bb7 | Gm7 C7 | Fm7 Bb7 | Ebmaj7 Eb7 | Abmaj7 Db7 | Gm7 C7 | Fm7 Bb7";
const char *const kA2Chords =
    "Ebmaj7 Cm7 | Fm7 Bb7 | Gm7 C7 | Fm7 Bb7 | Ebmaj7 Eb7 | Abmaj7 Db7 | Gm7 C7 | Bbm7 Eb7";
const char *const kBChords = "Abmaj7 | Abm7 Db7 | Gm7 C7 | Cm7 F7 | Fm7 | Bb7 | Gm7 C7 | Fm7 Bb7";
const char *const kFinalChord = "Ebmaj9";

// The opening figure falls on the guide tones of each chord; the bridge
// borrows the minor iv before climbing back.
const char *const kATuneHead =
    "G4:q. Bb4:e Eb5:q D5:q | C5:h Bb4:q Ab4:q | G4:q. Bb4:e D5:q E5:q | F5:h. D5:q |"
    "Eb5:q. D5:e Bb4:q Db5:q | C5:h B4:h | Bb4:q. G4:e E4:q Bb4:q";
const char *const kA1End = "Ab4:h. r:q";
const char *const kA3End = "Ab4:q. F4:e Bb4:q D5:q";
const char *const kA2Tune =
    "G4:q. Bb4:e Eb5:q F5:q | Eb5:q. C5:e Bb4:q Ab4:q | G4:q. Bb4:e D5:q E5:q | F5:h. D5:q |"
    "Eb5:q. F5:e G5:q Db5:q | C5:h B4:h | Bb4:q. A4:e G4:q E4:q | F4:q Ab4:q Db5:q C5:q";
const char *const kBTune =
    "Eb5:h. C5:q | B4:q. Bb4:e Ab4:q F4:q | D5:h. E5:q | Eb5:q. D5:e C5:q A4:q |"
    "Ab4:q. C5:e F5:h | D5:h. Ab4:q | G4:q Bb4:q D5:q E5:q | Eb5:h D5:h";
const char *const kFinalTune = "Eb5:w";

struct Band {
    Player &sax, &rhodes, &strings, &bass, &kit;
};

const Register kRhodesHand{50, 66, true};
const Register kStringsHand{55, 72};

void accompany(Band &band, const Progression &p, bool walking, bool strings)
{
    comp(band.rhodes, p, "x-------|x----x--", kEighth, kRhodesHand, 58);
    if (strings)
        comp(band.strings, p, "x-------", kEighth, kStringsHand, 36);
    bassLine(band.bass, p, walking ? "WWWW" : "R-5-", kPpq, 28, 78);
    drums(band.kit, p, gm::Ride, "x.xxx.xx", kEighth, 46);
    drums(band.kit, p, gm::PedalHat, "..x...x.", kEighth, 42);
    drums(band.kit, p, gm::Kick, "o.......|........", kEighth, 50);
    if (walking)
        drums(band.kit, p, gm::SideStick, "......o.", kEighth, 50);
}

} // namespace

Song balladSong()
{
    Song song("Late Score", 4, -3, false, 0x5EED0004);
    song.shuffle();
    Band band{
        song.player({"Tenor Sax", 0, 66, 96, 66, 60}),
        song.player({"Electric Piano", 1, 4, 88, 48, 50}),
        song.player({"Strings", 2, 48, 66, 84, 70}),
        song.player({"Bass", 3, 32, 100, 64, 30}),
        song.player({"Drums", kDrumChannel, 0, 78, 64, 40}),
    };
    const int bar = song.barTicks();

    song.mark(0, "Intro");
    const Progression intro = progression(kIntroChords, song.bar(0), bar);
    comp(band.rhodes, intro, "x--x----", kEighth, kRhodesHand, 56);
    bassLine(band.bass, intro, "R-5-", kPpq, 28, 74);
    drums(band.kit, intro, gm::Ride, "o.ooo.oo", kEighth, 46);

    struct Section {
        int firstBar;
        const char *name;
        const char *chords;
        std::string tune;
        bool walking;
        bool strings;
    };
    const Section sections[] = {
        {2, "A", kAChords, std::string(kATuneHead) + " | " + kA1End, false, false},
        {10, "A", kA2Chords, kA2Tune, false, false},
        {18, "B", kBChords, kBTune, true, true},
        {26, "A", kAChords, std::string(kATuneHead) + " | " + kA3End, true, true},
    };
    for (const Section &s : sections) {
        song.mark(s.firstBar, s.name);
        const Progression p = progression(s.chords, song.bar(s.firstBar), bar);
        lead(band.sax, melody(s.tune, p.start, bar), 82, 0.97, bar);
        accompany(band, p, s.walking, s.strings);
    }

    const Progression last = progression(kFinalChord, song.bar(34), bar);
    lead(band.sax, melody(kFinalTune, last.start, bar), 80, 1.0, bar);
    comp(band.rhodes, last, "x-------", kEighth, kRhodesHand, 58);
    comp(band.strings, last, "x-------", kEighth, kStringsHand, 42);
    bassLine(band.bass, last, "R---", kPpq, 28, 76);
    drums(band.kit, last, gm::Ride, "x.......", kEighth, 50);
    drums(band.kit, last, gm::Kick, "o.......", kEighth, 50);
    song.ritardando(song.bar(33), song.bar(35), 1.7);
    return song;
}
