// Any bytes as a lock file: the holders read from it keep the record rules whatever another program wrote.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "Require.h"
#include "launcher/LockFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto holders = corvane::ReadLockHolders(bytes);
  Require(holders.size() <= corvane::kMaxLockHolders);
  for (auto at = holders.begin(); at != holders.end(); ++at) {
    Require(!at->computer.empty());
    Require(at->computer.size() <= 32 && at->user.size() <= 32);
    Require(std::find(holders.begin(), at, *at) == at);
  }
  const std::string text = corvane::HoldersText(holders);
  Require(holders.empty() == text.empty());
  return 0;
}
