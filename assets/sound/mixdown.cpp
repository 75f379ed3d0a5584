#include "mixdown.h"

#include <algorithm>
#include <cmath>

Mixdown::Mixdown(double seconds, int channels)
    : m_channels(channels)
    , m_left(std::size_t(std::lround(seconds * kSampleRate)))
    , m_right(channels == 2 ? m_left.size() : 0)
{
}

void Mixdown::add(const Voice &voice, double at, double gain, double panFrom, double panTo)
{
    const std::size_t offset = std::size_t(std::lround(at * kSampleRate));
    for (std::size_t i = 0; i < voice.size() && offset + i < m_left.size(); ++i) {
        const float v = float(gain) * voice[i];
        if (m_channels == 1) {
            m_left[offset + i] += v;
            continue;
        }
        // Equal-power pan keeps the loudness steady as the voice moves.
        const double pan = panFrom + (panTo - panFrom) * double(i) / double(voice.size());
        const double angle = (pan + 1.0) * 0.25 * 3.141592653589793;
        m_left[offset + i] += float(v * std::cos(angle));
        m_right[offset + i] += float(v * std::sin(angle));
    }
}

std::vector<std::int16_t> Mixdown::render(double peak) const
{
    float loudest = 1e-9f;
    for (float v : m_left)
        loudest = std::max(loudest, std::abs(v));
    for (float v : m_right)
        loudest = std::max(loudest, std::abs(v));
    const double scale = peak * 32767.0 / loudest;

    const std::size_t frames = m_left.size();
    const std::size_t fadeIn = kSampleRate / 1000;
    const std::size_t fadeOut = kSampleRate / 50;
    std::vector<std::int16_t> out;
    out.reserve(frames * std::size_t(m_channels));
    for (std::size_t i = 0; i < frames; ++i) {
        double edge = 1.0;
        if (i < fadeIn)
            edge = double(i) / fadeIn;
        if (frames - i < fadeOut)
            edge = std::min(edge, double(frames - i) / fadeOut);
        out.push_back(std::int16_t(std::lround(m_left[i] * scale * edge)));
        if (m_channels == 2)
            out.push_back(std::int16_t(std::lround(m_right[i] * scale * edge)));
    }
    return out;
}
