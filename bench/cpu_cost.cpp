#include "cpu_cost.h"

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

double threadCpuUs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

} // namespace

Cost measureCpu(int samples, const std::function<void()> &step, const std::function<void()> &between)
{
    std::vector<double> costs;
    costs.reserve(samples);
    for (int i = 0; i < samples; ++i) {
        const double before = threadCpuUs();
        step();
        costs.push_back(threadCpuUs() - before);
        if (between)
            between();
    }
    std::sort(costs.begin(), costs.end());
    return {costs[costs.size() / 2], costs.back(), samples};
}
