// Median and spread of a handful of throughputs.
#include "Statistics.h"

#include <algorithm>
#include <stdexcept>

namespace corvane::bench {

double Median(std::vector<double> values) {
  if (values.empty()) {
    throw std::invalid_argument("No values");
  }
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double RelativeSpread(const std::vector<double>& values) {
  const auto [smallest, largest] = std::minmax_element(values.begin(), values.end());
  return (*largest - *smallest) / Median(values);
}

}  // namespace corvane::bench
