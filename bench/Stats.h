// Summary figures of a series of measurements.
#pragma once

#include <cstddef>
#include <vector>

namespace bench {

struct Summary {
    std::size_t count = 0;
    double mean = 0;
    double median = 0;
    // Nearest rank: the smallest value with at least 99 % of the series at or below it.
    double p99 = 0;
    double max = 0;
};

// All zero for an empty series.
Summary Summarize(std::vector<double> values);

}  // namespace bench
