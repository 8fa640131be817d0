#include "settings/numbered_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/profile_file.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

using Strings = std::vector<std::string>;

ProfileFile FileWith(const test::TempTree& t, const std::string& text) {
  std::ofstream(t.Path("k.ini"), std::ios::binary) << text;
  return ProfileFile(t.Path("k.ini"));
}

TEST(NumberedListTest, BookmarkCountDefaultsAndCaps) {
  test::TempTree t;
  std::string many = "[Prefs]\n";
  for (int i = 3; i < 40; ++i) many += "F1txt" + std::to_string(i) + "=/b" + std::to_string(i) + "/\n";
  // "F1txtn" missing: four keys from F1txt3.
  EXPECT_EQ(ReadNumberedList(FileWith(t, many), kBookmarkKeys, 17).entries,
            (Strings{"/b3/", "/b4/", "/b5/", "/b6/"}));
  // 30 stored with a limit of 17: F1txt3 to F1txt19.
  const NumberedList capped =
      ReadNumberedList(FileWith(t, many + "F1txtn=30\nFav1=17\n"), kBookmarkKeys, 5);
  EXPECT_EQ(capped.limit, 17);
  ASSERT_EQ(capped.entries.size(), 17u);
  EXPECT_EQ(capped.entries.back(), "/b19/");
}

TEST(NumberedListTest, EmptyEntriesAreSkippedAndCurrentTextRead) {
  test::TempTree t;
  const NumberedList l = ReadNumberedList(
      FileWith(t, "[Prefs]\nScann=3\nScan=*.doc\nScan0=a\nScan1=\nScan2=c\n"), kScanHistoryKeys,
      17);
  EXPECT_EQ(l.entries, (Strings{"a", "c"}));
  EXPECT_EQ(l.current, "*.doc");
  EXPECT_FALSE(ReadNumberedList(FileWith(t, "[Prefs]\n"), kAddressKeys, 17).current.has_value());
}

TEST(NumberedListTest, WriteThenReadRoundTrips) {
  test::TempTree t;
  ProfileFile f(t.Path("w.ini"));
  ASSERT_TRUE(WriteNumberedList(f, kAddressKeys, 9, "/cur/", {"/a/", "/b/"}));
  ASSERT_TRUE(WriteNumberedList(f, kBookmarkKeys, 17, "", {"/x/"}));
  const ProfileFile back(t.Path("w.ini"));
  const NumberedList a = ReadNumberedList(back, kAddressKeys, 17);
  EXPECT_EQ(a.limit, 9);
  EXPECT_EQ(a.current, "/cur/");
  EXPECT_EQ(a.entries, (Strings{"/a/", "/b/"}));
  EXPECT_EQ(back.Read("Prefs", "F1txt3"), "/x/");
  EXPECT_EQ(back.ReadInt("Prefs", "F1txtn", 0), 1);
  // A limit of 0 loads nothing.
  EXPECT_TRUE(ReadNumberedList(FileWith(t, "[Prefs]\nHist=0\nScan0=a\n"), kScanHistoryKeys, 17)
                  .entries.empty());
}

TEST(NumberedListTest, HugeCountsReadOnlyTheKeysThere) {
  test::TempTree t;
  std::ofstream(t.Path("k.ini"), std::ios::binary)
      << "[Prefs]\nHist=2000000000\nScann=2000000000\nScan1500000=far\nScan07=leading zero\n"
         "Scan0=first\nscan2=second\nScanX=not a number\n";
  const NumberedList list = ReadNumberedList(ProfileFile(t.Path("k.ini")), kScanHistoryKeys, 17);
  EXPECT_EQ(list.limit, 2000000000);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"first", "second", "far"}));
}

}  // namespace
}  // namespace krellix
