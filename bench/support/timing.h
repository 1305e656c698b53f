// Timing helpers shared by the benchmarks.
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

namespace pelk::bench {

// Runs `step(i)` `count` times and returns each run's time in milliseconds.
template <class F> std::vector<double> timeEach(int count, F &&step)
{
    std::vector<double> ms;
    ms.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

// The p-th fraction of the times (0.5 the median, 1.0 the slowest).
inline double percentile(std::vector<double> ms, double p)
{
    std::sort(ms.begin(), ms.end());
    const size_t index = std::min(ms.size() - 1, size_t(p * double(ms.size() - 1) + 0.5));
    return ms[index];
}

} // namespace pelk::bench
