// Judging a figure against its goal, and the summary lines of the benchmarks.
#include "Verdict.h"

#include <algorithm>
#include <cstdio>

namespace corvane::bench {

Verdict Judge(double figure, Goal goal, double relativeNoise) {
  const double shortfall = goal.bound == Bound::AtMost ? figure - goal.limit : goal.limit - figure;
  if (shortfall <= 0) {
    return Verdict::Met;
  }
  return shortfall <= relativeNoise * figure ? Verdict::MissedWithinNoise : Verdict::Missed;
}

std::string_view Describe(Verdict verdict) {
  switch (verdict) {
    case Verdict::Met:
      return "met";
    case Verdict::MissedWithinNoise:
      return "missed, within the measured noise";
    case Verdict::Missed:
      return "MISSED";
  }
  return "?";
}

std::string GoalText(Goal goal, int decimals) {
  char text[32];
  std::snprintf(text, sizeof(text), "%s %.*f", goal.bound == Bound::AtMost ? "<=" : ">=", decimals, goal.limit);
  return text;
}

void PrintResult(std::string_view figure, std::string_view measured, std::string_view goal, std::string_view verdict) {
  std::printf("result: %.*s | %.*s | %.*s | %.*s\n", static_cast<int>(figure.size()), figure.data(),
              static_cast<int>(measured.size()), measured.data(), static_cast<int>(goal.size()), goal.data(),
              static_cast<int>(verdict.size()), verdict.data());
  std::fflush(stdout);
}

Verdict ReportRatio(std::string_view figure, double ratio, double relativeNoise, Goal goal) {
  const Verdict verdict = Judge(ratio, goal, relativeNoise);
  char measured[64];
  std::snprintf(measured, sizeof(measured), "%.3f +- %.3f", ratio, ratio * relativeNoise);
  PrintResult(figure, measured, GoalText(goal, 2), Describe(verdict));
  return verdict;
}

Verdict Worse(Verdict first, Verdict second) {
  return std::max(first, second);
}

int ExitStatusOf(Verdict worst) {
  return worst == Verdict::Missed ? 1 : 0;
}

}  // namespace corvane::bench
