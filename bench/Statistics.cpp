// Median, quantiles and spreads of a benchmark's rounds.
#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace corvane::bench {

double Median(std::vector<double> values) {
  return Quantile(std::move(values), 0.5);
}

double Quantile(std::vector<double> values, double q) {
  if (values.empty()) {
    throw std::invalid_argument("No values");
  }
  if (q < 0 || q > 1) {
    throw std::invalid_argument("A quantile lies between 0 and 1");
  }
  std::sort(values.begin(), values.end());
  const double position = q * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(position));
  const std::size_t above = std::min(below + 1, values.size() - 1);
  const double weight = position - static_cast<double>(below);
  return values[below] + weight * (values[above] - values[below]);
}

double RelativeSpread(const std::vector<double>& values) {
  const auto [smallest, largest] = std::minmax_element(values.begin(), values.end());
  return (*largest - *smallest) / Median(values);
}

double RelativeInterquartileRange(const std::vector<double>& values) {
  return (Quantile(values, 0.75) - Quantile(values, 0.25)) / Median(values);
}

}  // namespace corvane::bench
