#include "base/activity_log.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

TEST(ActivityLogTest, StampsEveryLineAndNotifiesTheView) {
  Clock clock;
  clock.SetFake([] { return FromCivil({2024, 1, 2, 3, 4, 5, 600}); });
  ActivityLog log(clock);
  std::vector<std::string> seen;
  int cleared = 0;
  log.on_line_added = [&](const std::string& l) { seen.push_back(l); };
  log.on_cleared = [&] { ++cleared; };
  log.AddLogLine("Scan=*.*");
  log.AddRawLine("raw");
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"2024/01/02 03:04:05 Scan=*.*", "raw"}));
  EXPECT_EQ(seen, log.Lines());
  log.Clear();
  EXPECT_TRUE(log.Lines().empty());
  EXPECT_EQ(cleared, 1);
}

}  // namespace
}  // namespace krellix
