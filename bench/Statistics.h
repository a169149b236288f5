// The figures the benchmarks report from their rounds: middle values and how far the rounds lie apart.
#pragma once

#include <vector>

namespace corvane::bench {

double Median(std::vector<double> values);

// The value below which the fraction `q` (0 to 1) of the values lie, interpolated between neighbours.
double Quantile(std::vector<double> values, double q);

// (largest - smallest) / median: how far apart the rounds of one way of copying lie, as a fraction.
double RelativeSpread(const std::vector<double>& values);

// (third quartile - first quartile) / median: the width of the middle half of the values, as a fraction. One
// start that a busy machine held up moves it little, unlike the whole spread.
double RelativeInterquartileRange(const std::vector<double>& values);

}  // namespace corvane::bench
