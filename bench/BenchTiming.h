#pragma once

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace ortix::bench {

// Runs `work` `runs` times and returns the median time of one run in
// microseconds. `prepare` runs before each timed run, outside the timing.
inline double medianMicroseconds(int runs, const std::function<void()> &work,
                                 const std::function<void()> &prepare = {})
{
    std::vector<qint64> samples;
    samples.reserve(std::size_t(runs));
    for (int i = 0; i < runs; ++i) {
        if (prepare) {
            prepare();
        }
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(timer.nsecsElapsed());
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return double(samples[std::size_t(runs / 2)]) / 1000.0;
}

// Resident memory of this process in kilobytes (Linux), 0 when unknown.
long residentKilobytes();

} // namespace ortix::bench
