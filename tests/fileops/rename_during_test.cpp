#include "fileops/rename_during.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

TEST(RenameDuringNameTest, Rules) {
  struct Row {
    const char* what;
    std::string name;
    RenameDuring rules;
    std::string number;
    std::string expected;
  };
  RenameDuring holiday{"holi", "Holi", "", "", NumberPlace::kPrefix, 3, true, "_"};
  RenameDuring same{"a.b", "a.b", "[", "]", NumberPlace::kSkip, 3, false, "-"};
  RenameDuring suffix{"", "X", "", "", NumberPlace::kSuffix, 2, false, "-"};
  RenameDuring case_counts{"HOLI", "x", "p_", "_s", NumberPlace::kSuffix, 0, true, "."};
  RenameDuring wide{"", "", "", "", NumberPlace::kPrefix, 3, true, " - "};
  const Row rows[] = {
      {"first old text in the base, padded number and separator", "holiday.jpg", holiday, "7",
       "007_Holiday.jpg"},
      {"old equal to new replaces nothing", "a.b.txt", same, "1", "[a.b].txt"},
      {"empty old, number after the base, no separator", "notes", suffix, "5", "notes05"},
      {"letter case counts; prefix and suffix around the base", "holiday.holi.png", case_counts,
       "12", "p_holiday.holi_s.12.png"},
      {"a number wider than the fill stays whole", "a.tar.gz", wide, "1234", "1234 - a.tar.gz"},
      {"only the first occurrence, only in the base", "holi holi.holi", holiday, "1",
       "001_Holi holi.holi"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(RenameDuringName(r.name, r.rules, r.number), r.expected) << r.what;
  }
}

TEST(ReadNumberFieldTest, DigitsOnly) {
  EXPECT_EQ(ReadNumberField("007"), 7);
  EXPECT_EQ(ReadNumberField("123456"), 123456);
  EXPECT_EQ(ReadNumberField(""), std::nullopt);
  EXPECT_EQ(ReadNumberField("1a"), std::nullopt);
  EXPECT_EQ(ReadNumberField("-1"), std::nullopt);
}

}  // namespace
}  // namespace krellix
