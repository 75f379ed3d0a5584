#pragma once
#include "voices.h"

#include <cstdint>
#include <vector>

// A mono or stereo bus the voices are laid onto, rendered to 16-bit PCM.
class Mixdown {
public:
    Mixdown(double seconds, int channels);

    // Adds a voice starting `at` seconds in; pan runs from -1 (left) to 1
    // (right) over the voice's length and is ignored on a mono bus.
    void add(const Voice &voice, double at, double gain, double panFrom = 0.0, double panTo = 0.0);

    // Scales the loudest sample to `peak` (of full scale), fades the edges
    // so nothing clicks, and interleaves the channels.
    std::vector<std::int16_t> render(double peak) const;

    int channels() const { return m_channels; }

private:
    int m_channels;
    std::vector<float> m_left;
    std::vector<float> m_right;
};
