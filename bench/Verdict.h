// Whether a figure meets its goal, given the noise its own benchmark measured, and the line that reports it.
#pragma once

#include <string>
#include <string_view>

namespace corvane::bench {

enum class Bound { AtMost, AtLeast };

struct Goal {
  Bound bound;
  double limit;
};

enum class Verdict {
  Met,
  MissedWithinNoise,  // on the wrong side of the goal, but by less than the figure's measured noise
  Missed,             // by more than the noise: a real miss
};

// `relativeNoise` is the figure's uncertainty as a fraction of the figure itself.
Verdict Judge(double figure, Goal goal, double relativeNoise);

std::string_view Describe(Verdict verdict);

// "<= 1.10", ">= 0.90"; `decimals` as the figure is printed.
std::string GoalText(Goal goal, int decimals);

// Judges a ratio against its goal and prints its result line: "RATIO +- NOISE" measured, noise in the ratio's units.
Verdict ReportRatio(std::string_view figure, double ratio, double relativeNoise, Goal goal);

// Prints the line `bench/run.sh` gathers into its summary table: "result: FIGURE | MEASURED | GOAL | VERDICT".
void PrintResult(std::string_view figure, std::string_view measured, std::string_view goal, std::string_view verdict);

// The worst of the two, for a program's exit status.
Verdict Worse(Verdict first, Verdict second);

// 0 when every goal was met or missed only within its noise, 1 when one was missed.
int ExitStatusOf(Verdict worst);

}  // namespace corvane::bench
