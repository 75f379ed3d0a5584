#pragma once
// The CPU time one call costs, sampled many times on the calling thread.
#include <functional>

struct Cost
{
    double medianUs = 0;
    double worstUs = 0;
    int samples = 0;
};

// Times `step` once per sample; `between` runs untimed after each sample.
Cost measureCpu(int samples, const std::function<void()> &step, const std::function<void()> &between = {});
