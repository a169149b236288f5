// Keeping N backups: only true backups of the slot count, the newest stay, and the new copy is never deleted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "unattended/KeepCopies.h"

namespace corvane {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

TEST(KeepCopiesTest, KnowsABackupFromNamesThatOnlyLookAlike) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"Arc12726Billing.mde", "Billing.mde", true},
      {"aRC1billing.MDE", "Billing.mde", true},
      {"Arc122262024.mde", "2024.mde", true},
      {"Arc2024.mde", "2024.mde", false},
      {"ArcBilling.mde", "Billing.mde", false},
      {"Arc12x26Billing.mde", "Billing.mde", false},
      {"Arc1226Billing.mde.bak", "Billing.mde", false},
      {"Arc1226XBilling.mde", "Billing.mde", false},
      {"Arc1226Billing.mdb", "Billing.mde", false},
      {"Ark1226Billing.mde", "Billing.mde", false},
      {"Billing.mde", "Billing.mde", false},
  };
  for (const auto& [name, app, isBackup] : cases) {
    EXPECT_EQ(IsBackupOf(name, app, SameIgnoringCase), isBackup) << name;
  }
}

TEST(KeepCopiesTest, DeletesTheOldestBeyondN) {
  // The new copy keeps its database's old write time, so it may be the oldest of all.
  const BackupCopy folder[] = {
      {"Arc1126Billing.mde", 100, 100}, {"Arc1326Billing.mde", 300, 10},  {"Arc1426Billing.mde", 300, 20},
      {"Arc1226Billing.mde", 200, 200}, {"Arc1526Billing.mde", 50, 50},   {"ArcBilling.mde", 1, 1},
      {"Arc1126Other.mde", 1, 1},       {"Arc1126Billing.mde.bak", 1, 1}, {"Corvane.log", 1, 1},
  };
  const std::pair<int, std::vector<std::string>> cases[] = {
      {0, {}},
      {1, {"Arc1126Billing.mde", "Arc1226Billing.mde", "Arc1326Billing.mde", "Arc1426Billing.mde"}},
      {2, {"Arc1126Billing.mde", "Arc1226Billing.mde", "Arc1326Billing.mde"}},  // equal write: the later created stays
      {4, {"Arc1126Billing.mde"}},
      {5, {}},
      {999, {}},
  };
  for (const auto& [keep, expected] : cases) {
    auto doomed = CopiesToDelete(folder, "Billing.mde", "ARC1526BILLING.MDE", keep, SameIgnoringCase);
    std::ranges::sort(doomed);
    EXPECT_EQ(doomed, expected) << "keep " << keep;
  }
}

}  // namespace
}  // namespace corvane
