#include "navigation/scan_history.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

using Entries = std::vector<std::string>;

TEST(ScanHistory, NewStringGoesToTheHeadAndIsSelected) {
  ScanHistory h;
  h.Assign({"*.*", "*.txt"});
  const ScanHistory::Added a = h.Add("*.doc", 17);
  EXPECT_TRUE(a.changed);
  EXPECT_EQ(a.selected, 0);
  EXPECT_EQ(h.Entries(), (Entries{"*.doc", "*.*", "*.txt"}));
}

TEST(ScanHistory, EqualButForCaseSelectsTheStoredEntryInPlace) {
  ScanHistory h;
  h.Assign({"*.*", "report", "*.txt"});
  const ScanHistory::Added a = h.Add("REPORT", 17);
  EXPECT_FALSE(a.changed);
  EXPECT_EQ(a.selected, 1);
  EXPECT_EQ(h.Entries(), (Entries{"*.*", "report", "*.txt"}));
}

TEST(ScanHistory, EmptyStringDoesNothing) {
  ScanHistory h;
  h.Assign({"a", "b", "c"});
  const ScanHistory::Added a = h.Add("", 1);
  EXPECT_FALSE(a.changed);
  EXPECT_EQ(a.selected, -1);
  EXPECT_EQ(h.Entries().size(), 3u);
}

TEST(ScanHistory, NeverHoldsMoreThanItsSize) {
  ScanHistory h;
  h.Assign({"a", "b", "c"});
  h.Add("d", 3);
  EXPECT_EQ(h.Entries(), (Entries{"d", "a", "b"}));
  const ScanHistory::Added a = h.Add("B", 3);
  EXPECT_FALSE(a.changed);
  EXPECT_EQ(a.selected, 2);
  // A longer history (a smaller size set since) is cut before the lookup.
  h.Assign({"a", "b", "c", "d", "e"});
  const ScanHistory::Added cut = h.Add("E", 3);
  EXPECT_TRUE(cut.changed);
  EXPECT_EQ(cut.selected, 0);
  EXPECT_EQ(h.Entries(), (Entries{"E", "a", "b"}));
  // Size 0 keeps no history at all.
  EXPECT_EQ(h.Add("x", 0).selected, -1);
  EXPECT_TRUE(h.Entries().empty());
}

}  // namespace
}  // namespace krellix
