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
  for (int i = 3; i < 40; ++i)
    many += "F1txt" + std::to_string(i) + "=/b" + std::to_string(i) + "/\n";
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
  const NumberedList l =
      ReadNumberedList(FileWith(t, "[Prefs]\nScann=3\nScan=*.doc\nScan0=a\nScan1=\nScan2=c\n"),
                       kScanHistoryKeys, 17);
  EXPECT_EQ(l.entries, (Strings{"a", "c"}));
  EXPECT_EQ(l.current, "*.doc");
  EXPECT_FALSE(ReadNumberedList(FileWith(t, "[Prefs]\n"), kAddressKeys, 17).current.has_value());
}

TEST(NumberedListTest, WriteThenReadRoundTrips) {
  test::TempTree t;
  ProfileFile f(t.Path("w.ini"));
  WriteNumberedList(f, kAddressKeys, 9, "/cur/", {"/a/", "/b/"});
  WriteNumberedList(f, kBookmarkKeys, 17, "", {"/x/"});
  ASSERT_TRUE(f.Save());
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
      << "[Prefs]\nHist=99\nScann=2000000000\nScan1500000=far\nScan07=leading zero\n"
         "Scan0=first\nscan2=second\nScanX=not a number\nScan98=last\n";
  const NumberedList list = ReadNumberedList(ProfileFile(t.Path("k.ini")), kScanHistoryKeys, 17);
  EXPECT_EQ(list.limit, 99);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"first", "second", "last"}));
}

TEST(NumberedListTest, ALimitTheEntriesFieldCannotHoldTakesTheDefault) {
  struct Row {
    const char* stored;
    int limit;
    bool reported;
  };
  const Row rows[] = {
      {"0", 0, false},
      {"99", 99, false},
      {"100", 17, true},
      {"-1", 17, true},
      {"2000000000", 17, true},
      {"0x7FFFFFFF", 17, true},
      {"99999999999999999999", 17, true},
      {"lots", 17, false},
  };
  test::TempTree t;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.stored);
    std::vector<std::string> reports;
    const NumberedList list = ReadNumberedList(
        FileWith(t, std::string("[Prefs]\nAddressSize=") + r.stored + "\n"), kAddressKeys, 17,
        [&](const std::string& line) { reports.push_back(line); });
    EXPECT_EQ(list.limit, r.limit);
    EXPECT_EQ(
        reports,
        r.reported
            ? std::vector<std::string>{std::string("Out_of_range=[Prefs] AddressSize=") + r.stored}
            : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace krellix
