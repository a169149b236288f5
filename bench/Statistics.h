// The figures the copy benchmark reports from its rounds.
#pragma once

#include <vector>

namespace corvane::bench {

double Median(std::vector<double> values);

// (largest - smallest) / median: how far apart the rounds of one way of copying lie, as a fraction.
double RelativeSpread(const std::vector<double>& values);

}  // namespace corvane::bench
