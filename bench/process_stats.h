#pragma once
// What the kernel knows about this process: its age and its resident memory.

// Milliseconds since the kernel started this process (clock-tick resolution).
double processAgeMs();

// Resident set size in kilobytes (VmRSS).
long residentKb();
