#include "noise.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double lattice(std::int64_t ix, std::int64_t iy, std::uint64_t seed)
{
    const std::uint64_t h = mix(seed ^ mix(static_cast<std::uint64_t>(ix) * 0x9E3779B97F4A7C15ull
                                           ^ mix(static_cast<std::uint64_t>(iy) + 0x632BE59BD9B4E019ull)));
    return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
}

// Quintic fade: no visible creases along the lattice lines.
double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

} // namespace

double valueNoise(double x, double y, std::uint64_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double a = lattice(ix, iy, seed);
    const double b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed);
    const double d = lattice(ix + 1, iy + 1, seed);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double fbm(double x, double y, std::uint64_t seed, int octaves)
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, seed + static_cast<std::uint64_t>(i) * 101);
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
