#include "random.h"

#include "seam_state.h"

#include <chrono>
#include <cstdint>

namespace {

uint64_t g_state = 0x9E3779B97F4A7C15ull;

uint64_t splitmix(uint64_t &state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

void Randomize()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    g_state ^= static_cast<uint64_t>(now) * 0xD6E8FEB86659FD93ull;
    splitmix(g_state);
}

double Rnd()
{
    auto &queued = seam::state().rndQueue;
    if (!queued.empty()) {
        const double value = queued.front();
        queued.pop_front();
        return value;
    }
    return static_cast<double>(splitmix(g_state) >> 11) * 0x1.0p-53;
}
