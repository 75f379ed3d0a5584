#include "voices.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

std::size_t samplesFor(double seconds)
{
    return std::size_t(std::lround(seconds * kSampleRate));
}

// Exponential glide: equal time for every octave sounds even to the ear.
double glideHz(double fromHz, double toHz, double progress)
{
    return fromHz * std::pow(toHz / fromHz, std::clamp(progress, 0.0, 1.0));
}

// Zavalishin's trapezoidal state-variable filter: stays stable while its
// centre moves every sample, which the sweeps rely on.
class BandPass {
public:
    float process(float in, double hz, double q)
    {
        const double g = std::tan(kTwoPi * 0.5 * std::min(hz, kSampleRate * 0.45) / kSampleRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = in - m_ic2;
        const double v1 = a1 * m_ic1 + a2 * v3;
        const double v2 = m_ic2 + a2 * m_ic1 + a3 * v3;
        m_ic1 = 2.0 * v1 - m_ic1;
        m_ic2 = 2.0 * v2 - m_ic2;
        return float(v1 * k); // unity gain at the centre
    }

private:
    double m_ic1 = 0.0;
    double m_ic2 = 0.0;
};

} // namespace

Voice blip(double fromHz, double toHz, double seconds)
{
    Voice out(samplesFor(seconds));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        phase += kTwoPi * glideHz(fromHz, toHz, t / 0.03) / kSampleRate;
        const double env = (1.0 - std::exp(-t / 0.002)) * std::exp(-t / 0.035);
        out[i] = float(env * (std::sin(phase) + 0.12 * std::sin(2.0 * phase)));
    }
    return out;
}

Voice bell(double hz, double seconds)
{
    struct Partial { double ratio, gain, decay; };
    // Hum, strike, minor third, fifth and nominal of a small bell, plus a
    // slightly detuned twin of the strike tone for the slow shimmer.
    static const Partial partials[] = {
        {0.5, 0.18, 0.45}, {1.0, 1.0, 0.4}, {1.0007, 0.35, 0.4}, {1.19, 0.28, 0.22},
        {1.5, 0.22, 0.2}, {2.0, 0.45, 0.16}, {2.76, 0.25, 0.1}, {4.07, 0.14, 0.06},
    };
    Voice out(samplesFor(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        double v = 0.0;
        for (const Partial &p : partials)
            v += p.gain * std::exp(-t / (p.decay * seconds)) * std::sin(kTwoPi * hz * p.ratio * t);
        // The last quarter eases out, so the ring ends rather than stops.
        const double x = t / seconds;
        const double tail = x < 0.75 ? 1.0 : 0.5 * (1.0 + std::cos(3.141592653589793 * (x - 0.75) / 0.25));
        out[i] = float(v * tail * (1.0 - std::exp(-t / 0.0008)));
    }
    return out;
}

Voice pluck(double hz, double seconds, Prng &rng)
{
    // The averaging filter delays by half a sample; the all-pass makes up
    // the fraction the integer delay line cannot.
    const double loop = kSampleRate / hz - 0.5;
    const std::size_t length = std::size_t(loop - 0.1);
    const double frac = loop - double(length);
    const double allpass = (1.0 - frac) / (1.0 + frac);
    const double damping = std::pow(0.001, 1.0 / (hz * seconds * 1.6));

    // A softened noise burst for a nylon rather than a steel attack.
    // Without its mean, so the string settles on silence, not an offset.
    std::vector<double> line(length);
    double smooth = 0.0, mean = 0.0;
    for (double &s : line) {
        smooth += 0.5 * (rng.bipolar() - smooth);
        s = smooth;
        mean += s / double(length);
    }
    for (double &s : line)
        s -= mean;

    Voice out(samplesFor(seconds));
    std::size_t pos = 0;
    double previous = 0.0, apIn = 0.0, apOut = 0.0;
    for (float &sample : out) {
        const double current = line[pos];
        const double averaged = damping * 0.5 * (current + previous);
        previous = current;
        apOut = allpass * averaged + apIn - allpass * apOut;
        apIn = averaged;
        line[pos] = apOut;
        pos = (pos + 1) % length;
        sample = float(current);
    }
    return out;
}

Voice mallet(double hz, double seconds)
{
    Voice out(samplesFor(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double index = 1.4 * std::exp(-t / 0.06);
        const double modulator = std::sin(kTwoPi * hz * 4.0 * t);
        const double env = (1.0 - std::exp(-t / 0.001)) * std::exp(-t / (0.35 * seconds));
        out[i] = float(env * std::sin(kTwoPi * hz * t + index * modulator));
    }
    return out;
}

Voice clack(double hz, Prng &rng)
{
    Voice out(samplesFor(0.05));
    BandPass filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double noise = filter.process(float(rng.bipolar()), hz, 6.0);
        out[i] = float(std::exp(-t / 0.007) * (noise * 2.0 + 0.4 * std::sin(kTwoPi * hz * 0.5 * t)));
    }
    return out;
}

Voice sweep(double fromHz, double toHz, double seconds, Prng &rng)
{
    Voice out(samplesFor(seconds));
    BandPass filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double x = double(i) / double(out.size());
        // Swells early and fades slowly, like air rushing past.
        const double env = std::pow(x, 0.6) * std::pow(1.0 - x, 1.4) * 2.6;
        out[i] = float(env * filter.process(float(rng.bipolar()), glideHz(fromHz, toHz, x), 2.5));
    }
    return out;
}

Voice glide(double fromHz, double toHz, double seconds)
{
    Voice out(samplesFor(seconds));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double x = t / seconds;
        const double vibrato = 1.0 + 0.006 * std::sin(kTwoPi * 6.0 * t);
        phase += kTwoPi * glideHz(fromHz, toHz, x) * vibrato / kSampleRate;
        const double env = (1.0 - std::exp(-t / 0.01)) * (1.0 - x) * (1.0 - x);
        out[i] = float(env * std::sin(phase));
    }
    return out;
}
