#include "patterns.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>

namespace music {

namespace {

// The patterns of a "|"-separated list, each checked to fill a bar.
std::vector<std::string_view> barPatterns(std::string_view pattern, int step, int barTicks)
{
    std::vector<std::string_view> bars;
    for (;;) {
        const std::size_t at = pattern.find('|');
        const std::string_view one = pattern.substr(0, at);
        if (int(one.size()) * step != barTicks)
            throw std::logic_error("pattern does not fill its bar: '" + std::string(one) + "'");
        bars.push_back(one);
        if (at == std::string_view::npos)
            return bars;
        pattern.remove_prefix(at + 1);
    }
}

class Voicer {
public:
    explicit Voicer(Register reg) : m_reg(reg) {}

    const std::vector<int> &voice(const Chord &chord)
    {
        // Four notes at most: a rootless hand plays the colour tones above
        // the root, any other hand the plain seventh chord, since a ninth
        // packed into a close voicing only makes a cluster.
        const std::size_t tones = chord.intervals.size();
        const std::size_t first = m_reg.rootless && tones >= 4 ? 1 : 0;
        const std::size_t last = std::min(tones, first + 4);
        std::vector<int> classes;
        for (std::size_t i = first; i < last; ++i) {
            const int pc = (chord.root + chord.intervals[i]) % 12;
            if (std::find(classes.begin(), classes.end(), pc) == classes.end())
                classes.push_back(pc);
        }
        std::sort(classes.begin(), classes.end());

        std::vector<int> best;
        int bestScore = std::numeric_limits<int>::max();
        for (std::size_t inversion = 0; inversion < classes.size(); ++inversion) {
            std::vector<int> notes;
            int pitch = m_reg.low + (classes[inversion] - m_reg.low % 12 + 12) % 12;
            for (std::size_t k = 0; k < classes.size(); ++k) {
                const int pc = classes[(inversion + k) % classes.size()];
                while (pitch % 12 != pc)
                    ++pitch;
                notes.push_back(pitch);
            }
            const int score = distance(notes);
            if (notes.back() <= m_reg.high && score < bestScore) {
                best = notes;
                bestScore = score;
            }
        }
        if (best.empty())
            throw std::logic_error("register too narrow for a chord");
        m_previous = best;
        return m_previous;
    }

private:
    // How far the hand moves from the last voicing, or from the middle of
    // the register for the first one.
    int distance(const std::vector<int> &notes) const
    {
        int score = 0;
        if (m_previous.empty()) {
            const int middle = (m_reg.low + m_reg.high) / 2;
            for (int n : notes)
                score += std::abs(n - middle);
            return score;
        }
        for (int n : notes) {
            int nearest = std::numeric_limits<int>::max();
            for (int p : m_previous)
                nearest = std::min(nearest, std::abs(n - p));
            score += nearest;
        }
        return score;
    }

    Register m_reg;
    std::vector<int> m_previous;
};

int strokeVelocity(char mark, int velocity)
{
    return mark == 'X' ? velocity + 14 : velocity;
}

int rootIn(int pitchClass, int lowest)
{
    return lowest + (pitchClass - lowest % 12 + 12) % 12;
}

} // namespace

void lead(Player &player, const std::vector<Note> &tune, int velocity, double gate, int barTicks, int transpose)
{
    for (const Note &n : tune) {
        int accent = 0;
        if (n.start % barTicks == 0)
            accent = 8;
        else if (n.start % kPpq == 0)
            accent = 3;
        const int length = std::max(30, int(n.length * gate));
        player.play(n.start, length, n.pitch + transpose, velocity + accent);
    }
}

void comp(Player &player, const Progression &prog, std::string_view pattern, int step, Register reg, int velocity)
{
    const int barTicks = prog.barTicks;
    const std::vector<std::string_view> bars = barPatterns(pattern, step, barTicks);
    Voicer voicer(reg);

    struct Held {
        int start = 0;
        int velocity = 0;
        const ChordSpan *span = nullptr;
        std::vector<int> pitches;
    } held;
    auto release = [&](int at) {
        for (int p : held.pitches)
            player.play(held.start, at - held.start, p, held.velocity);
        held.pitches.clear();
        held.span = nullptr;
    };
    auto strike = [&](int at, const ChordSpan &span, int vel) {
        held.start = at;
        held.velocity = vel;
        held.span = &span;
        held.pitches = voicer.voice(span.chord);
    };

    for (int b = 0; b < prog.bars(); ++b) {
        const std::string_view bar = bars[std::size_t(b) % bars.size()];
        for (std::size_t i = 0; i < bar.size(); ++i) {
            const int at = prog.start + b * barTicks + int(i) * step;
            const ChordSpan &span = prog.at(at);
            const char mark = bar[i];
            if (mark == 'x' || mark == 'X') {
                release(at);
                strike(at, span, strokeVelocity(mark, velocity));
            } else if (mark == '-') {
                if (held.span && held.span != &span) {
                    const int vel = held.velocity;
                    release(at);
                    strike(at, span, vel);
                }
            } else {
                release(at);
            }
        }
    }
    release(prog.end);
}

void arpeggio(Player &player, const Progression &prog, std::string_view pattern, int step, Register reg, int velocity)
{
    const int barTicks = prog.barTicks;
    const std::vector<std::string_view> bars = barPatterns(pattern, step, barTicks);
    Voicer voicer(reg);
    const ChordSpan *voiced = nullptr;
    std::vector<int> voicing;

    int noteStart = -1, notePitch = 0, noteVelocity = 0;
    auto release = [&](int at) {
        if (noteStart >= 0)
            player.play(noteStart, at - noteStart, notePitch, noteVelocity);
        noteStart = -1;
    };
    for (int b = 0; b < prog.bars(); ++b) {
        const std::string_view bar = bars[std::size_t(b) % bars.size()];
        for (std::size_t i = 0; i < bar.size(); ++i) {
            const int at = prog.start + b * barTicks + int(i) * step;
            const char mark = bar[i];
            if (mark == '-')
                continue;
            release(at);
            if (mark < '0' || mark > '9')
                continue;
            const ChordSpan &span = prog.at(at);
            if (&span != voiced) {
                voicing = voicer.voice(span.chord);
                voiced = &span;
            }
            const int index = mark - '0';
            const int n = int(voicing.size());
            noteStart = at;
            notePitch = voicing[std::size_t(index % n)] + 12 * (index / n);
            noteVelocity = velocity + (i == 0 ? 6 : 0);
        }
    }
    release(prog.end);
}

void bassLine(Player &player, const Progression &prog, std::string_view pattern, int step, int lowest, int velocity)
{
    const int barTicks = prog.barTicks;
    const std::vector<std::string_view> bars = barPatterns(pattern, step, barTicks);
    int noteStart = -1, notePitch = rootIn(prog.spans.front().chord.bass, lowest), noteVelocity = 0;
    auto release = [&](int at) {
        if (noteStart >= 0)
            player.play(noteStart, at - noteStart, notePitch, noteVelocity);
        noteStart = -1;
    };

    for (int b = 0; b < prog.bars(); ++b) {
        const std::string_view bar = bars[std::size_t(b) % bars.size()];
        for (std::size_t i = 0; i < bar.size(); ++i) {
            const int at = prog.start + b * barTicks + int(i) * step;
            const ChordSpan &span = prog.at(at);
            // A chord repeated in the next bar is no change: the line may move on.
            const bool changes = at == span.start && (&span == &prog.spans.front() || !((&span - 1)->chord == span.chord));
            char mark = bar[i];
            if (mark == '-' && !changes)
                continue;
            if (mark == '.') {
                release(at);
                continue;
            }
            if (changes)
                mark = 'R';

            const Chord &chord = span.chord;
            const int root = rootIn(chord.root, lowest);
            int pitch = root;
            switch (mark) {
            case 'R': pitch = rootIn(chord.bass, lowest); break;
            case '3': pitch = root + chord.third(); break;
            case '5': pitch = root + chord.fifth(); break;
            case '6': pitch = root + (chord.third() == 3 ? 10 : 9); break;
            case '8': pitch = root + 12; break;
            case 'W': {
                const int next = at + step;
                if (next >= prog.end || prog.at(next).start == next) {
                    const int target = rootIn(prog.at(std::min(next, prog.end - 1)).chord.bass, lowest);
                    pitch = notePitch > target ? target + 1 : target - 1;
                } else {
                    const int tones[] = {0, chord.third(), chord.fifth(), 12};
                    pitch = root + tones[std::size_t((at - span.start) / step) % 4];
                }
                break;
            }
            default:
                throw std::logic_error(std::string("bad bass step '") + mark + "'");
            }
            release(at);
            noteStart = at;
            notePitch = pitch;
            noteVelocity = velocity + (i == 0 ? 6 : 0);
        }
    }
    release(prog.end);
}

std::string withFill(std::string_view groove, std::string_view fill, int bars)
{
    std::string out;
    for (int b = 1; b < bars; ++b)
        out.append(groove).append("|");
    return out.append(fill);
}

void drums(Player &player, const Progression &section, int note, std::string_view pattern, int step, int velocity)
{
    const int barTicks = section.barTicks;
    const std::vector<std::string_view> bars = barPatterns(pattern, step, barTicks);
    for (int b = 0; b < section.bars(); ++b) {
        const std::string_view bar = bars[std::size_t(b) % bars.size()];
        for (std::size_t i = 0; i < bar.size(); ++i) {
            int vel = 0;
            switch (bar[i]) {
            case 'X': vel = velocity + 20; break;
            case 'x': vel = velocity; break;
            case 'o': vel = velocity * 2 / 3; break;
            case '.': continue;
            default: throw std::logic_error(std::string("bad drum step '") + bar[i] + "'");
            }
            player.play(section.start + b * barTicks + int(i) * step, std::min(step, kPpq / 2), note, vel);
        }
    }
}

} // namespace music
