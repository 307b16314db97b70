#include "Stats.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace bench {

Summary Summarize(std::vector<double> values)
{
    Summary summary;
    if (values.empty())
        return summary;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    summary.count = n;
    summary.mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(n);
    summary.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
    summary.p99 = values[std::max<std::size_t>(rank, 1) - 1];
    summary.max = values.back();
    return summary;
}

}  // namespace bench
