#include "headless/progress_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace krellix {
namespace {

TEST(ProgressLineTest, ShowsAtOnceThenAtMostOncePerIntervalAndClearsOnlyWhatItShowed) {
  std::vector<std::string> written;
  std::int64_t now = 1000;
  ProgressLine line([&written](const std::string& t) { written.push_back(t); },
                    [&now] { return now; }, 250);
  line.Clear();
  EXPECT_TRUE(written.empty());

  line.Update(1, 2, 0);
  now += 249;
  line.Update(5, 900, 3);
  now += 1;
  line.Update(7, 1000, 4);
  line.Clear();
  line.Clear();
  const std::vector<std::string> expected = {
      "\r1 directories, 2 entries, 0 matches\x1b[K",
      "\r7 directories, 1000 entries, 4 matches\x1b[K",
      "\r\x1b[K",
  };
  EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace krellix
