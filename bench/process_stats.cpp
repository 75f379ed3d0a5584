#include "process_stats.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// The fields of /proc/self/stat after the command name, which may hold blanks.
std::string statFields()
{
    std::ifstream file("/proc/self/stat");
    std::string line;
    std::getline(file, line);
    return line.substr(line.rfind(')') + 2);
}

// Field n of /proc/self/stat, counted from 1 as proc(5) does.
long long statField(int n)
{
    std::istringstream fields(statFields());
    std::string value;
    for (int field = 3; field <= n; ++field)
        fields >> value;
    return std::stoll(value);
}

} // namespace

double processAgeMs()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    const double startMs = statField(22) * 1000.0 / sysconf(_SC_CLK_TCK);
    return nowMs - startMs;
}

long residentKb()
{
    std::ifstream file("/proc/self/status");
    std::string line;
    while (std::getline(file, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
