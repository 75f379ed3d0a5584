#pragma once
#include <cstdint>

// Smooth value noise in [0, 1): the raw material for grain, mottling,
// ripples and ridge lines.
double valueNoise(double x, double y, std::uint64_t seed);

// Octaves of value noise, each twice as fine and half as strong; stays in [0, 1).
double fbm(double x, double y, std::uint64_t seed, int octaves);

double smoothstep(double edge0, double edge1, double x);
