// Any command line, split into arguments at NUL bytes: an accepted request is always one the run can carry out.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Require.h"
#include "unattended/UnattendedRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.emplace_back();
    } else {
      arguments.back() += static_cast<char>(data[i]);
    }
  }
  const auto request = corvane::ParseUnattended(arguments);
  if (!request) {
    return 0;
  }
  Require(request->allSlots == request->slots.empty());
  Require(std::ranges::all_of(request->slots, [](int slot) { return slot >= 0 && slot <= 10; }));
  Require(std::ranges::adjacent_find(request->slots, std::greater_equal<>()) == request->slots.end());
  Require(request->keep >= 0 && request->keep <= 999);
  Require(request->waitMinutes >= 1 && request->waitMinutes <= 1440);
  Require(request->keep == 0 || request->action == corvane::Maintenance::Backup);
  return 0;
}
