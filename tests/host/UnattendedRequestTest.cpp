// The unattended command line: the two forms in their spellings, and everything else refused.
#include <gtest/gtest.h>

#include "unattended/UnattendedRequest.h"

namespace corvane {
namespace {

using Arguments = std::vector<std::string>;

TEST(UnattendedRequestTest, AcceptsBothFormsInTheirSpellings) {
  struct Case {
    Arguments arguments;
    Maintenance action;
    bool allSlots;
    std::vector<int> slots;
    int keep, wait;
  };
  const Case cases[] = {
      {{"/backup", "all"}, Maintenance::Backup, true, {}, 0, 60},
      {{"-BACKUP", "ALL", "-Keep", "14"}, Maintenance::Backup, true, {}, 14, 60},
      {{"/backup", "1", "11"}, Maintenance::Backup, false, {0, 10}, 0, 60},
      {{"/backup", "2,1", "/keep", "999"}, Maintenance::Backup, false, {0, 1}, 999, 60},
      {{"/backup", "3,", "1", "3"}, Maintenance::Backup, false, {0, 2}, 0, 60},
      {{"/backup", "4 , 5\t6"}, Maintenance::Backup, false, {3, 4, 5}, 0, 60},
      {{"/Compact", "7", "/WAIT", "1"}, Maintenance::Compact, false, {6}, 0, 1},
      {{"-compact", "all", "-wait", "1440"}, Maintenance::Compact, true, {}, 0, 1440},
  };
  for (const Case& c : cases) {
    const auto request = ParseUnattended(c.arguments);
    ASSERT_TRUE(request) << c.arguments[1];
    EXPECT_EQ(request->action, c.action) << c.arguments[1];
    EXPECT_EQ(request->allSlots, c.allSlots) << c.arguments[1];
    EXPECT_EQ(request->slots, c.slots) << c.arguments[1];
    EXPECT_EQ(request->keep, c.keep) << c.arguments[1];
    EXPECT_EQ(request->waitMinutes, c.wait) << c.arguments[1];
  }
}

TEST(UnattendedRequestTest, RefusesAnythingElse) {
  const std::pair<const char*, Arguments> cases[] = {
      {"nothing", {}},
      {"no action", {"all"}},
      {"action without a slash", {"backup", "all"}},
      {"unknown action", {"/restore", "all"}},
      {"unknown option", {"/backup", "all", "/force"}},
      {"repeated option", {"/backup", "1", "/keep", "2", "/keep", "2"}},
      {"repeated action", {"/backup", "1", "/backup", "2"}},
      {"both actions", {"/backup", "1", "/compact", "2"}},
      {"missing slots", {"/backup"}},
      {"missing slots before option", {"/compact", "/wait", "5"}},
      {"slot 0", {"/backup", "0"}},
      {"slot 12", {"/backup", "1,12"}},
      {"slot not a number", {"/backup", "1a"}},
      {"signed slot", {"/backup", "+1"}},
      {"empty slot between commas", {"/backup", "1,,2"}},
      {"trailing comma", {"/backup", "1", "2,"}},
      {"all with numbers", {"/backup", "all", "1"}},
      {"all twice", {"/backup", "all,all"}},
      {"keep missing", {"/backup", "1", "/keep"}},
      {"keep 0", {"/backup", "1", "/keep", "0"}},
      {"keep 1000", {"/backup", "1", "/keep", "1000"}},
      {"keep overflowing", {"/backup", "1", "/keep", "4294967297"}},
      {"keep negative", {"/backup", "1", "-keep", "-3"}},
      {"keep not plain", {"/backup", "1", "/keep", "3x"}},
      {"keep then more", {"/backup", "1", "/keep", "3", "4"}},
      {"wait 0", {"/compact", "1", "/wait", "0"}},
      {"wait 1441", {"/compact", "1", "/wait", "1441"}},
      {"wait not plain", {"/compact", "1", "/wait", "1.5"}},
      {"keep with compact", {"/compact", "1", "/keep", "3"}},
      {"wait with backup", {"/backup", "1", "/wait", "3"}},
  };
  for (const auto& [what, arguments] : cases) {
    EXPECT_FALSE(ParseUnattended(arguments)) << what;
  }
}

}  // namespace
}  // namespace corvane
