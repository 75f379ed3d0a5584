// "Rolling Sixes": a bright pop shuffle in G. Intro, two verses, chorus,
// and a last verse that closes on a held G.
#include "patterns.h"
#include "songs.h"

using namespace music;

namespace {

constexpr int kEighth = kPpq / 2;

const char *const kIntroChords = "D7";
const char *const kVerseChords = "G | Em | C | D | G | Em | Am D7 | G";
const char *const kVerse2Chords = "G | Em | C | D | G/B | C | Am7 D7 | G";
const char *const kChorusChords = "C | D | Bm7 | Em | C | D | Am7 D7 | G";
const char *const kCodaChords = "G | Em | C | D | G | Em | Am7 D7";
const char *const kFinalChord = "G";

// The hook climbs the chord and falls back; the second verse answers it
// higher, the chorus sings long notes over a rising bass.
const char *const kVerseTune =
    "r:e D5:e G5:e A5:e B5:q A5:e G5:e | E5:q. D5:e E5:e G5:e B4:q |"
    "r:e C5:e E5:e G5:e C6:q B5:e A5:e | A5:h. r:e D5:e |"
    "G5:e A5:e B5:e D6:e B5:q A5:e G5:e | E5:q G5:e E5:e D5:q B4:q |"
    "C5:e E5:e A5:e G5:e F#5:e D5:e E5:e F#5:e | G5:h r:h";
const char *const kVerse2Tune =
    "r:e D5:e G5:e A5:e B5:q D6:e B5:e | G5:q. E5:e D5:e E5:e B4:q |"
    "r:e C5:e E5:e G5:e C6:q D6:e E6:e | D6:h A5:q F#5:q |"
    "G5:e F#5:e G5:e A5:e B5:q G5:q | E5:q G5:e E5:e C5:q E5:q |"
    "D5:e E5:e G5:e A5:e C6:q A5:e F#5:e | G5:h r:e A5:e B5:e D6:e";
const char *const kChorusTune =
    "E6:q. D6:e C6:q G5:q | A5:q. B5:e A5:q F#5:q | D6:q. B5:e A5:q F#5:q | G5:h r:q B5:q |"
    "C6:q. B5:e C6:q E6:q | D6:q. C6:e B5:q A5:q | C6:e B5:e A5:e G5:e F#5:q A5:q | G5:w";
const char *const kCodaTune =
    "r:e D5:e G5:e A5:e B5:q A5:e G5:e | E5:q. D5:e E5:e G5:e B4:q |"
    "r:e C5:e E5:e G5:e C6:q B5:e A5:e | A5:h. r:e D5:e |"
    "G5:e A5:e B5:e D6:e B5:q A5:e G5:e | E5:q G5:e E5:e D5:q B4:q |"
    "C5:e E5:e A5:e C6:e A5:q F#5:q";
const char *const kFinalTune = "G5:w";

struct Band {
    Player &lead, &piano, &bass, &organ, &glock, &kit;
};

void backbeat(Band &band, const Progression &p, std::string_view kick, bool clap)
{
    const int bars = p.bars();
    drums(band.kit, p, gm::ClosedHat, "xoxoxoxo", kEighth, 62);
    drums(band.kit, p, gm::Kick, kick, kEighth, 92);
    drums(band.kit, p, gm::Snare, withFill("..X...X.", "..X.ooXX", bars), kEighth, 86);
    if (clap)
        drums(band.kit, p, gm::Clap, "..x...x.", kEighth, 58);
    band.kit.play(p.start, kEighth, gm::Crash, 96);
}

} // namespace

Song shuffleSong()
{
    Song song("Rolling Sixes", 4, 1, false, 0x5EED0007);
    song.shuffle();
    Band band{
        song.player({"Square Lead", 0, 80, 92, 64, 50}),
        song.player({"Bright Piano", 1, 1, 88, 44, 40}),
        song.player({"Finger Bass", 2, 33, 100, 64, 20}),
        song.player({"Organ", 3, 16, 66, 84, 50}),
        song.player({"Glockenspiel", 4, 9, 64, 92, 60}),
        song.player({"Drums", kDrumChannel, 0, 100, 64, 30}),
    };
    const int bar = song.barTicks();
    const Register pianoHand{55, 72};
    const Register organHand{60, 76};

    song.mark(0, "Intro");
    const Progression intro = progression(kIntroChords, song.bar(0), bar);
    comp(band.piano, intro, "x..x..x.", kEighth, pianoHand, 64);
    bassLine(band.bass, intro, "R-5-6-5-", kEighth, 31, 86);
    drums(band.kit, intro, gm::ClosedHat, "xoxoxo..", kEighth, 62);
    drums(band.kit, intro, gm::Kick, "X...X...", kEighth, 90);
    drums(band.kit, intro, gm::Snare, "....ooxX", kEighth, 84);

    song.mark(1, "Verse");
    const Progression verse = progression(kVerseChords, song.bar(1), bar);
    lead(band.lead, melody(kVerseTune, verse.start, bar), 90, 0.9, bar);
    comp(band.piano, verse, "x..x..x.", kEighth, pianoHand, 64);
    bassLine(band.bass, verse, "R-5-6-5-", kEighth, 31, 86);
    backbeat(band, verse, "X..xX...", false);

    song.mark(9, "Verse 2");
    const Progression verse2 = progression(kVerse2Chords, song.bar(9), bar);
    lead(band.lead, melody(kVerse2Tune, verse2.start, bar), 92, 0.9, bar);
    comp(band.piano, verse2, "x..x..x.", kEighth, pianoHand, 64);
    comp(band.organ, verse2, "x-------", kEighth, organHand, 44);
    bassLine(band.bass, verse2, "R-5-6-5-", kEighth, 31, 86);
    backbeat(band, verse2, "X..xX...", false);

    song.mark(17, "Chorus");
    const Progression chorus = progression(kChorusChords, song.bar(17), bar);
    const std::vector<Note> chorusTune = melody(kChorusTune, chorus.start, bar);
    lead(band.lead, chorusTune, 96, 0.92, bar);
    lead(band.glock, chorusTune, 58, 0.5, bar, 12);
    comp(band.piano, chorus, "X..x..x.|x..x.xx.", kEighth, pianoHand, 66);
    comp(band.organ, chorus, "x-------", kEighth, organHand, 52);
    bassLine(band.bass, chorus, "R3568653", kEighth, 31, 90);
    backbeat(band, chorus, "X..xX.x.", true);

    song.mark(25, "Last verse");
    const Progression coda = progression(kCodaChords, song.bar(25), bar);
    lead(band.lead, melody(kCodaTune, coda.start, bar), 92, 0.9, bar);
    comp(band.piano, coda, "x..x..x.", kEighth, pianoHand, 64);
    comp(band.organ, coda, "x-------", kEighth, organHand, 44);
    bassLine(band.bass, coda, "R-5-6-5-", kEighth, 31, 86);
    backbeat(band, coda, "X..xX...", false);

    const Progression last = progression(kFinalChord, song.bar(32), bar);
    lead(band.lead, melody(kFinalTune, last.start, bar), 94, 1.0, bar);
    lead(band.glock, melody(kFinalTune, last.start, bar), 60, 0.5, bar, 12);
    comp(band.piano, last, "X-------", kEighth, pianoHand, 66);
    comp(band.organ, last, "x-------", kEighth, organHand, 48);
    bassLine(band.bass, last, "R-------", kEighth, 31, 88);
    drums(band.kit, last, gm::Kick, "X.......", kEighth, 96);
    drums(band.kit, last, gm::Crash, "X.......", kEighth, 100);
    song.ritardando(song.bar(31), song.bar(33), 1.5);
    return song;
}
