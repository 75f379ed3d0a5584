#pragma once
#include "prng.h"

#include <vector>

// Synthesiser voices for the wave sounds: each returns one mono note at
// kSampleRate, already shaped by its own envelope.
constexpr int kSampleRate = 44100;

using Voice = std::vector<float>;

// Sine blip whose pitch flicks from one frequency to another: a soft pop.
Voice blip(double fromHz, double toHz, double seconds);

// Struck bell: inharmonic partials, the upper ones dying first.
Voice bell(double hz, double seconds);

// Plucked string (Karplus-Strong), tuned exactly by an all-pass stage.
Voice pluck(double hz, double seconds, Prng &rng);

// FM mallet, vibraphone-like: a bright strike mellowing into a sine.
Voice mallet(double hz, double seconds);

// Clack of a die on a hard surface: a resonant noise burst.
Voice clack(double hz, Prng &rng);

// Band-passed noise whose centre glides: the air of a whoosh.
Voice sweep(double fromHz, double toHz, double seconds, Prng &rng);

// Soft sine glide with a little vibrato.
Voice glide(double fromHz, double toHz, double seconds);
