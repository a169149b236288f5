// The benchmark program: starting and watching programs, judging figures, and the choice of benchmark.
// Usage: corvane_bench startup CORVANE BARE_WINDOW SAME_WINDOW | corvane_bench copy CORVANE FOLDER [ROUNDS]
#include "Bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/win32/WideText.h"

namespace corvane::bench {
namespace {

// The value below which the fraction `q` of the values lie, interpolated between neighbours.
double Quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  const double position = q * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(position);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (position - static_cast<double>(below)) * (values[above] - values[below]);
}

// The width of the middle half of the rounds relative to their median: a round a busy machine held up moves it little.
double RelativeSpread(const std::vector<double>& values) {
  return (Quantile(values, 0.75) - Quantile(values, 0.25)) / Quantile(values, 0.5);
}

}  // namespace

Program::Program(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot start " + win32::Narrow(commandLine) + ": " + std::to_string(::GetLastError()));
  }
  ::CloseHandle(info.hThread);
  process_ = win32::ScopedHandle(info.hProcess);
}

Program::~Program() {
  ::TerminateProcess(process_.Get(), 1);  // refused, harmlessly, when it has ended already
  HasEnded(5000);
}

HWND WaitForWindow(const Program& program, std::string_view caption) {
  const std::wstring wanted = win32::Widen(caption);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (; std::chrono::steady_clock::now() < deadline && !program.HasEnded(); ::Sleep(1)) {
    for (HWND window = nullptr; (window = ::FindWindowExW(nullptr, window, nullptr, wanted.c_str())) != nullptr;) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(window, &owner);
      if (owner == ::GetProcessId(program.Handle()) && ::IsWindowVisible(window)) {
        return window;
      }
    }
  }
  throw std::runtime_error("the window \"" + std::string(caption) + "\" did not show");
}

bool ReportRatio(const char* figure, std::vector<double> numerator, std::vector<double> denominator, const char* goal) {
  // The first run also paid for loading from the disk what later ones find cached.
  numerator.erase(numerator.begin());
  denominator.erase(denominator.begin());
  const double ratio = Quantile(numerator, 0.5) / Quantile(denominator, 0.5);
  // A ratio of two medians is as uncertain as the less steady of the two.
  const double spread = ratio * std::max(RelativeSpread(numerator), RelativeSpread(denominator));
  const double limit = std::atof(goal + 3);
  const double shortfall = goal[0] == '<' ? ratio - limit : limit - ratio;
  std::printf("result: %s | %.3f +- %.3f | %s | %s\n", figure, ratio, spread, goal,
              shortfall <= 0        ? "met"
              : shortfall <= spread ? "missed, within the spread"
                                    : "MISSED");
  std::fflush(stdout);
  return shortfall <= spread;
}

}  // namespace corvane::bench

int wmain(int count, wchar_t** arguments) {
  const std::vector<std::wstring> args(arguments, arguments + count);
  try {
    if (count == 5 && args[1] == L"startup") {
      return corvane::bench::StartUpBench(args[2], args[3], args[4]);
    }
    if ((count == 4 || count == 5) && args[1] == L"copy") {
      return corvane::bench::CopyBench(args[2], args[3], count == 5 ? std::max(1, std::stoi(args[4])) : 5);
    }
    std::fprintf(stderr,
                 "usage: corvane_bench startup CORVANE BARE_WINDOW SAME_WINDOW | copy CORVANE FOLDER [ROUNDS]\n");
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
  }
  return 2;
}
