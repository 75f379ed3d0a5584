#include "notation.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <stdexcept>
#include <string>

namespace music {

namespace {

[[noreturn]] void bad(const char *what, std::string_view token)
{
    throw std::logic_error(std::string(what) + " '" + std::string(token) + "'");
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t at = text.find(separator);
        pieces.push_back(trimmed(text.substr(0, at)));
        if (at == std::string_view::npos)
            return pieces;
        text.remove_prefix(at + 1);
    }
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> out;
    for (std::string_view w : split(text, ' '))
        if (!w.empty())
            out.push_back(w);
    return out;
}

// Consumes a letter and its accidentals from the front of s.
int takePitchClass(std::string_view &s, std::string_view token)
{
    static const std::string_view letters = "CDEFGAB";
    static const int classes[] = {0, 2, 4, 5, 7, 9, 11};
    const std::size_t letter = s.empty() ? std::string_view::npos : letters.find(s.front());
    if (letter == std::string_view::npos)
        bad("bad note name", token);
    int pc = classes[letter];
    s.remove_prefix(1);
    while (!s.empty() && (s.front() == '#' || s.front() == 'b')) {
        pc += s.front() == '#' ? 1 : -1;
        s.remove_prefix(1);
    }
    return pc;
}

int parseInt(std::string_view s, std::string_view token)
{
    if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        bad("bad number in", token);
    return std::stoi(std::string(s));
}

} // namespace

int pitchOf(std::string_view name)
{
    std::string_view rest = name;
    const int pc = takePitchClass(rest, name);
    return 12 * (parseInt(rest, name) + 1) + pc;
}

int ticksOf(std::string_view duration)
{
    int total = 0;
    for (std::string_view term : split(duration, '+')) {
        static const std::string_view bases = "whqes";
        const std::size_t base = term.empty() ? std::string_view::npos : bases.find(term.front());
        if (base == std::string_view::npos)
            bad("bad duration", duration);
        int ticks = kPpq * 4 >> base;
        for (char mark : term.substr(1)) {
            if (mark == '.')
                ticks = ticks * 3 / 2;
            else if (mark == '3')
                ticks = ticks * 2 / 3;
            else
                bad("bad duration", duration);
        }
        total += ticks;
    }
    return total;
}

int Chord::third() const
{
    return intervals[1];
}

int Chord::fifth() const
{
    return intervals[2];
}

Chord chordOf(std::string_view symbol)
{
    static const std::map<std::string_view, std::vector<int>> qualities = {
        {"", {0, 4, 7}},           {"m", {0, 3, 7}},
        {"7", {0, 4, 7, 10}},      {"7b9", {0, 4, 7, 10, 13}},
        {"maj7", {0, 4, 7, 11}},   {"maj9", {0, 4, 7, 11, 14}},
        {"m6", {0, 3, 7, 9}},      {"m7", {0, 3, 7, 10}},
        {"m9", {0, 3, 7, 10, 14}}, {"m7b5", {0, 3, 6, 10}},
    };
    std::string_view rest = symbol;
    Chord chord;
    chord.root = (takePitchClass(rest, symbol) + 12) % 12;
    chord.bass = chord.root;
    const std::size_t slash = rest.find('/');
    if (slash != std::string_view::npos) {
        std::string_view bass = rest.substr(slash + 1);
        chord.bass = (takePitchClass(bass, symbol) + 12) % 12;
        if (!bass.empty())
            bad("bad chord", symbol);
        rest = rest.substr(0, slash);
    }
    const auto quality = qualities.find(rest);
    if (quality == qualities.end())
        bad("unknown chord", symbol);
    chord.intervals = quality->second;
    return chord;
}

const ChordSpan &Progression::at(int tick) const
{
    for (const ChordSpan &span : spans)
        if (tick >= span.start && tick < span.start + span.length)
            return span;
    return tick < start ? spans.front() : spans.back();
}

Progression progression(std::string_view text, int start, int barTicks)
{
    Progression prog{start, start, barTicks, {}};
    for (std::string_view bar : split(text, '|')) {
        std::vector<std::pair<Chord, int>> chords;
        int weights = 0;
        for (std::string_view word : words(bar)) {
            const std::size_t star = word.find('*');
            const int weight = star == std::string_view::npos ? 1 : parseInt(word.substr(star + 1), word);
            chords.emplace_back(chordOf(word.substr(0, star)), weight);
            weights += weight;
        }
        if (chords.empty())
            bad("empty bar in", text);
        int at = prog.end;
        for (const auto &[chord, weight] : chords) {
            const int length = barTicks * weight / weights;
            prog.spans.push_back({at, length, chord});
            at += length;
        }
        prog.end += barTicks;
    }
    return prog;
}

std::vector<Note> melody(std::string_view text, int start, int barTicks)
{
    std::vector<Note> notes;
    int at = start;
    bool tied = false;
    for (std::string_view bar : split(text, '|')) {
        const int barStart = at;
        for (std::string_view word : words(bar)) {
            const std::size_t colon = word.find(':');
            if (colon == std::string_view::npos)
                bad("bad melody token", word);
            std::string_view duration = word.substr(colon + 1);
            const bool tie = !duration.empty() && duration.back() == '~';
            if (tie)
                duration.remove_suffix(1);
            const int length = ticksOf(duration);
            const std::string_view name = word.substr(0, colon);
            if (name != "r") {
                const int pitch = pitchOf(name);
                if (tied && !notes.empty() && notes.back().pitch == pitch)
                    notes.back().length += length;
                else
                    notes.push_back({at, length, pitch});
            }
            tied = tie;
            at += length;
        }
        if (at - barStart != barTicks)
            bad("melody bar does not fill its bar:", bar);
    }
    return notes;
}

} // namespace music
