#include "rename/rename_rules.h"

#include <gtest/gtest.h>

#include <functional>

#include "rename/name_text.h"

namespace krellix {
namespace {

using P = RenameParameters;

const std::string kSum = "0123456789ABCDEF0123456789ABCDEF";

std::string Md5(const std::string&) { return kSum; }

// The new full name of `full` (a file dated 2013-07-14) as the first item of a pass.
std::string First(const P& p, const std::string& full = "/photos/2013/summer/IMG_0042.JPG") {
  RenameNumber number = StartNumber(p);
  return NewFullName(RenameItemOf(full, ":", "2013-07-14 09:30"), p, number, Md5);
}

struct Case {
  const char* name;
  std::function<void(P&)> set;
  std::string expected;  // without the folder "/photos/2013/summer/"
};

TEST(RenameRules, WorkedExamplesOneGroupEach) {
  const std::vector<Case> cases = {
      {"replace",
       [](P& p) {
         p.old_text = "img";
         p.new_text = "Beach";
       },
       "Beach_0042.JPG"},
      {"replace whole name and number",
       [](P& p) {
         p.old_text = "*.*";
         p.new_text = "Holiday";
         p.number = P::NumberPlace::kPrefix;
       },
       "001Holiday.JPG"},
      {"crop remove",
       [](P& p) {
         p.tab = P::EditTab::kCrop;
         p.crop = P::Crop::kRemove;
         p.remove_count = "4";
         p.remove_position = "1";
       },
       "0042.JPG"},
      {"crop remove last",
       [](P& p) {
         p.tab = P::EditTab::kCrop;
         p.crop = P::Crop::kRemoveLast;
         p.last_count = "5";
       },
       "IMG.JPG"},
      {"crop keep last",
       [](P& p) {
         p.tab = P::EditTab::kCrop;
         p.crop = P::Crop::kKeepLast;
         p.last_count = "4";
       },
       "0042.JPG"},
      {"insert",
       [](P& p) {
         p.tab = P::EditTab::kInsert;
         p.insert_text = "x";
         p.insert_position = "3";
       },
       "IMGx_0042.JPG"},
      {"swap first",
       [](P& p) {
         p.tab = P::EditTab::kSwap;
         p.swap = P::Swap::kFirst;
         p.swap_count = "3";
       },
       "_0042IMG.JPG"},
      {"swap last",
       [](P& p) {
         p.tab = P::EditTab::kSwap;
         p.swap = P::Swap::kLast;
         p.swap_count = "4";
       },
       "0042IMG_.JPG"},
      {"path add last",
       [](P& p) {
         p.tab = P::EditTab::kPath;
         p.path = P::PathLevels::kAddLast;
         p.path_count = "2";
       },
       "2013_summer_IMG_0042.JPG"},
      {"path add first",
       [](P& p) {
         p.tab = P::EditTab::kPath;
         p.path = P::PathLevels::kAddFirst;
         p.path_count = "1";
       },
       "photos_IMG_0042.JPG"},
      {"path add all",
       [](P& p) {
         p.tab = P::EditTab::kPath;
         p.path = P::PathLevels::kAddAll;
       },
       "photos_2013_summer_IMG_0042.JPG"},
      {"prefix suffix date",
       [](P& p) {
         p.prefix = "Trip-";
         p.suffix = "-a";
         p.date_prefix = true;
       },
       "2013-07-14  Trip-IMG_0042-a.JPG"},
      {"date behind", [](P& p) { p.date_suffix = true; }, "IMG_0042 2013-07-14.JPG"},
      {"md5 before", [](P& p) { p.md5_prefix = true; }, "[" + kSum + "] IMG_0042.JPG"},
      {"md5 after", [](P& p) { p.md5_suffix = true; }, "IMG_0042 [" + kSum + "].JPG"},
      {"blank and title",
       [](P& p) {
         p.underscore_blank = true;
         p.letter_case = P::Case::kTitle;
       },
       "Img 0042.JPG"},
      {"extension add",
       [](P& p) {
         p.extension = P::Extension::kAdd;
         p.extension_text = "bak";
       },
       "IMG_0042.JPG.bak"},
      {"extension replace",
       [](P& p) {
         p.extension = P::Extension::kReplace;
         p.extension_text = ".jpeg";
       },
       "IMG_0042.jpeg"},
      {"extension delete", [](P& p) { p.extension = P::Extension::kDelete; }, "IMG_0042"},
      {"all groups together",
       [](P& p) {
         p.tab = P::EditTab::kCrop;
         p.crop = P::Crop::kRemoveLast;
         p.last_count = "5";
         p.prefix = "Trip ";
         p.number = P::NumberPlace::kSuffix;
         p.start = "7";
         p.zero_fill = "2";
         p.use_separator = true;
         p.separator = "_";
         p.letter_case = P::Case::kUpper;
         p.extension = P::Extension::kReplace;
         p.extension_text = "jpg";
       },
       "TRIP IMG_07.jpg"},
  };
  for (const Case& c : cases) {
    P p;
    c.set(p);
    EXPECT_EQ(First(p), "/photos/2013/summer/" + c.expected) << c.name;
  }
}

TEST(RenameRules, NumbersRunThroughThePass) {
  P prefix;
  prefix.number = P::NumberPlace::kPrefix;
  prefix.use_separator = true;
  prefix.separator = "-";
  P suffix;
  suffix.number = P::NumberPlace::kSuffix;
  suffix.start = "9";
  suffix.step = "5";
  suffix.zero_fill = "0";
  suffix.use_separator = true;
  suffix.separator = " #";
  P typed;  // the first number keeps its zeros as typed
  typed.number = P::NumberPlace::kPrefix;
  typed.start = "0001";
  P narrow;  // a fill below the number's length pads nothing
  narrow.number = P::NumberPlace::kPrefix;
  narrow.start = "123";
  narrow.zero_fill = "2";
  const struct {
    const P& p;
    std::vector<std::string> names;
  } runs[] = {
      {prefix, {"001-IMG_0042.JPG", "002-IMG_0043.JPG"}},
      {suffix, {"IMG_0042 #9.JPG", "IMG_0043 #14.JPG"}},
      {typed, {"0001IMG_0042.JPG", "002IMG_0043.JPG", "003IMG_0044.JPG"}},
      {narrow, {"123IMG_0042.JPG"}},
  };
  for (const auto& run : runs) {
    RenameNumber number = StartNumber(run.p);
    for (std::size_t i = 0; i < run.names.size(); ++i) {
      const std::string full = "/d/IMG_004" + std::to_string(2 + i) + ".JPG";
      EXPECT_EQ(NewFullName(RenameItemOf(full, ":", "2013-07-14 09:30"), run.p, number, Md5),
                "/d/" + run.names[i]);
      AdvanceNumber(run.p, number);
    }
  }
}

TEST(RenameRules, EdgeCases) {
  const struct {
    const char* name;
    std::string full;
    std::function<void(P&)> set;
    std::string expected;
  } cases[] = {
      {"old with extension never matches the base", "/d/report.txt",
       [](P& p) {
         p.old_text = "report.txt";
         p.new_text = "x";
       },
       "/d/report.txt"},
      {"base replaced", "/d/report.txt",
       [](P& p) {
         p.old_text = "report";
         p.new_text = "summary";
       },
       "/d/summary.txt"},
      {"first occurrence only, any case", "/d/a_A_a.txt",
       [](P& p) {
         p.old_text = "a";
         p.new_text = "b";
       },
       "/d/b_A_a.txt"},
      {"every occurrence, any case", "/d/a_A_a.txt",
       [](P& p) {
         p.old_text = "a";
         p.new_text = "b";
         p.replace_all = true;
       },
       "/d/b_b_b.txt"},
      {"whole name emptied", "/d/x.txt", [](P& p) { p.old_text = "*.*"; }, "/d/.txt"},
      {"remove at 0", "/d/abc.txt",
       [](P& p) {
         p.tab = P::EditTab::kCrop;
         p.crop = P::Crop::kRemove;
         p.remove_count = "1";
         p.remove_position = "0";
       },
       "/d/abc.txt"},
      {"remove past the end", "/d/abc.txt",
       [](P& p) {
         p.tab = P::EditTab::kCrop;
         p.crop = P::Crop::kRemove;
         p.remove_count = "1";
         p.remove_position = "4";
       },
       "/d/abc.txt"},
      {"insert at the end does nothing", "/d/abc.txt",
       [](P& p) {
         p.tab = P::EditTab::kInsert;
         p.insert_text = "x";
         p.insert_position = "3";
       },
       "/d/abc.txt"},
      {"insert in front", "/d/abc.txt",
       [](P& p) {
         p.tab = P::EditTab::kInsert;
         p.insert_text = "x";
         p.insert_position = "0";
       },
       "/d/xabc.txt"},
      {"path tab drops a leading underscore", "/d/_draft.txt",
       [](P& p) { p.tab = P::EditTab::kPath; }, "/d/draft.txt"},
      {"add last 0 keeps it", "/d/_draft.txt",
       [](P& p) {
         p.tab = P::EditTab::kPath;
         p.path = P::PathLevels::kAddLast;
         p.path_count = "0";
       },
       "/d/_draft.txt"},
      {"root adds no level", "/x.txt",
       [](P& p) {
         p.tab = P::EditTab::kPath;
         p.path = P::PathLevels::kAddAll;
       },
       "/x.txt"},
      {"count above the levels", "/a/b/x.txt",
       [](P& p) {
         p.tab = P::EditTab::kPath;
         p.path = P::PathLevels::kAddFirst;
         p.path_count = "9";
       },
       "/a/b/a_b_x.txt"},
      {"upper with both blanks", "/d/my_photo%20one.jpg",
       [](P& p) {
         p.underscore_blank = p.percent20_blank = true;
         p.letter_case = P::Case::kUpper;
       },
       "/d/MY PHOTO ONE.jpg"},
      {"sentence", "/d/THE (BEST)-OF.txt", [](P& p) { p.letter_case = P::Case::kSentence; },
       "/d/The (best)-of.txt"},
      {"title", "/d/THE (BEST)-OF.txt", [](P& p) { p.letter_case = P::Case::kTitle; },
       "/d/The (Best)-Of.txt"},
      {"title raises ASCII only", "/d/éCOLE dU soir", [](P& p) { p.letter_case = P::Case::kTitle; },
       "/d/école Du Soir"},
      {"a hidden name has only an extension", "/d/.profile",
       [](P& p) { p.letter_case = P::Case::kUpper; }, "/d/.profile"},
      {"add with empty field doubles", "/d/a.txt", [](P& p) { p.extension = P::Extension::kAdd; },
       "/d/a.txt.txt"},
      {"replace with empty field keeps", "/d/a.txt",
       [](P& p) { p.extension = P::Extension::kReplace; }, "/d/a.txt"},
      {"case never touches the extension", "/d/a.txt",
       [](P& p) { p.letter_case = P::Case::kUpper; }, "/d/A.txt"},
      {"bytes that are not UTF-8 kept", "/d/caf\xe9_\xff.txt",
       [](P& p) {
         p.letter_case = P::Case::kUpper;
         p.prefix = "x";
       },
       "/d/XCAF\xe9_\xff.txt"},
      {"crop counts a stray byte as one character", "/d/\xe9\xe9\xc3\xa9z.txt",
       [](P& p) {
         p.tab = P::EditTab::kCrop;
         p.crop = P::Crop::kKeepLast;
         p.last_count = "2";
       },
       "/d/\xc3\xa9z.txt"},
  };
  for (const auto& c : cases) {
    P p;
    c.set(p);
    EXPECT_EQ(First(p, c.full), c.expected) << c.name;
  }
}

TEST(RenameRules, DirectoryNamesKeepTheirDots) {
  P add;
  add.extension = P::Extension::kAdd;
  add.extension_text = "old";
  P replace = add;
  replace.extension = P::Extension::kReplace;
  for (const P& p : {add, replace}) {
    RenameNumber number = StartNumber(p);
    EXPECT_EQ(NewFullName(RenameItemOf("/d/Data.2013", ".", "2013-07-14 09:30"), p, number, Md5),
              "/d/Data.2013.old");
  }
}

TEST(RenameRules, SplitPathGivesTheLevels) {
  std::vector<std::string> levels{"stale"};
  SplitPath("/photos/2013/summer/", levels);
  EXPECT_EQ(levels, (std::vector<std::string>{"", "/photos", "/2013", "/summer"}));
  SplitPath("/photos", levels);
  EXPECT_EQ(levels, (std::vector<std::string>{"", "/photos"}));
  SplitPath("/", levels);
  EXPECT_TRUE(levels.empty());
}

TEST(RenameRules, NameTextKeepsStrayBytes) {
  EXPECT_EQ(NameLength("\xc3\xa9t\xe9"), 3u);
  EXPECT_EQ(NameMid("\xc3\xa9t\xe9", 1, 1), "t");
  EXPECT_EQ(ReplaceIgnoringCase("\xc3\x89T\xc3\xa9", "\xc3\xa9", "e", true), "eTe");
  EXPECT_EQ(NameLower("\xff\xc3\x89"), "\xff\xc3\xa9");
}

}  // namespace
}  // namespace krellix
