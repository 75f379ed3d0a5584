#pragma once

// Reseeds the generator from the clock. Callers reseed right before each
// draw, often several times within a microsecond, so a reseed mixes the
// clock into the running state instead of replacing it: draws that follow
// closely never repeat one another.
void Randomize();

// The next value in [0, 1).
double Rnd();
