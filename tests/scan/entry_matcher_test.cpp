#include "scan/entry_matcher.h"

#include <gtest/gtest.h>

#include <functional>

#include "itemlist/item_list.h"
#include "platform/attributes.h"
#include "platform/scripted_prompter.h"
#include "support/fake_scan_host.h"

namespace krellix {
namespace {

WallMs At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return FromCivil({y, mo, d, h, mi, s, 0});
}

KnownEntryFacts File(std::int64_t size = 10, std::uint32_t attributes = attr::kNormal,
                     WallMs modified = At(2014, 3, 7, 9, 5)) {
  KnownEntryFacts f;
  f.attributes = attributes;
  f.size = size;
  f.modified = modified;
  f.created = modified;
  return f;
}

KnownEntryFacts Dir() { return File(0, attr::kDirectory); }

struct Fixture {
  SelectionCriteria criteria;
  ScanState state;
  ItemList items;
  test::FakeScanHost host{criteria};
  ScriptedPrompter prompter;
  VolumeLabels volumes{"/nonexistent-label-dir"};
  EntryMatcher matcher{criteria, state, items, host, prompter, volumes};

  Fixture() { state.MaxItems = 1000; }
};

struct MatchCase {
  const char* name;
  std::function<void(SelectionCriteria&)> set;
  const char* entry_name;
  std::function<KnownEntryFacts()> facts;
  bool matches;
};

class ProcessFileTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(ProcessFileTest, DecidesMatch) {
  Fixture fx;
  GetParam().set(fx.criteria);
  KnownEntryFacts facts = GetParam().facts();
  ASSERT_FALSE(fx.matcher.ProcessFile(GetParam().entry_name, facts).has_value());
  EXPECT_EQ(fx.state.FileCount, GetParam().matches ? 1 : 0);
  EXPECT_EQ(fx.items.Count(), GetParam().matches ? 1u : 0u);
}

auto Scan(const char* text) {
  return [text](SelectionCriteria& c) { c.scan_text = text; };
}
auto Both(std::function<void(SelectionCriteria&)> a, std::function<void(SelectionCriteria&)> b) {
  return [a, b](SelectionCriteria& c) {
    a(c);
    b(c);
  };
}
auto Logic(ScanLogic l) {
  return [l](SelectionCriteria& c) { c.logic = l; };
}
auto CaseSensitive() {
  return [](SelectionCriteria& c) { c.ignore_case = false; };
}
auto Dirs() {
  return [](SelectionCriteria& c) { c.incl_dir_names = true; };
}
auto Min(const char* text, bool kbytes) {
  return [=](SelectionCriteria& c) { c.min = {true, text, kbytes}; };
}
auto Max(const char* text, bool kbytes) {
  return [=](SelectionCriteria& c) { c.max = {true, text, kbytes}; };
}
auto OnlyAttr(bool SelectionCriteria::*box) {
  return [box](SelectionCriteria& c) {
    c.any_file = c.normal = c.read_only = c.hidden = c.system = c.archive = false;
    c.*box = true;
  };
}
auto ModifiedTo(WallMs day) {
  return [day](SelectionCriteria& c) {
    c.modified.to_date = true;
    c.modified.to_date_value = day;
  };
}
auto ModifiedTimes(WallMs from, WallMs to) {
  return [from, to](SelectionCriteria& c) {
    c.modified.from_time = c.modified.to_time = true;
    c.modified.from_time_value = from;
    c.modified.to_time_value = to;
  };
}
auto CreatedFrom(WallMs day) {
  return [day](SelectionCriteria& c) {
    c.created.from_date = true;
    c.created.from_date_value = day;
  };
}

KnownEntryFacts Plain() { return File(); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ProcessFileTest,
    ::testing::
        Values(MatchCase{"star_dot_star_matches_dotless", Scan("*.*"), "/d/README", Plain, true},
               MatchCase{"not_star_dot_star_keeps_dotless",
                         Both(Scan("*.*"), Logic(ScanLogic::kNot)), "/d/README", Plain, true},
               MatchCase{"not_star_dot_star_drops_dotted",
                         Both(Scan("*.*"), Logic(ScanLogic::kNot)), "/d/a.txt", Plain, false},
               MatchCase{"case_sensitive_substring_hit", Both(Scan("Report"), CaseSensitive()),
                         "/d/Report.txt", Plain, true},
               MatchCase{"case_sensitive_substring_miss", Both(Scan("Report"), CaseSensitive()),
                         "/d/report.txt", Plain, false},
               MatchCase{"mask_ignores_case_always", Both(Scan("Report*"), CaseSensitive()),
                         "/d/report.txt", Plain, true},
               MatchCase{"colon_token_is_whole_mask", Scan(":abc"), "/d/ABC", Plain, true},
               MatchCase{"colon_token_not_substring", Scan(":abc"), "/d/xabcx", Plain, false},
               MatchCase{"plain_token_is_substring", Scan("abc"), "/d/xabcx.doc", Plain, true},
               MatchCase{"empty_scan_string_matches", Scan(""), "/d/a.doc", Plain, true},
               MatchCase{"trailing_comma_matches_all", Scan("*.txt,"), "/d/a.doc", Plain, true},
               MatchCase{"or_any_token", Scan("*.txt *.doc"), "/d/a.doc", Plain, true},
               MatchCase{"or_no_token", Scan("*.txt *.doc"), "/d/a.pdf", Plain, false},
               MatchCase{"and_all_tokens", Both(Scan("a b"), Logic(ScanLogic::kAnd)), "/d/ab.txt",
                         Plain, true},
               MatchCase{"and_missing_token", Both(Scan("a b"), Logic(ScanLogic::kAnd)), "/d/a.txt",
                         Plain, false},
               MatchCase{"not_both_present", Both(Scan("a b"), Logic(ScanLogic::kNot)), "/d/ab.txt",
                         Plain, false},
               MatchCase{"not_one_present", Both(Scan("a b"), Logic(ScanLogic::kNot)), "/d/a.txt",
                         Plain, false},
               MatchCase{"not_none_present", Both(Scan("a b"), Logic(ScanLogic::kNot)), "/d/x.txt",
                         Plain, true},
               MatchCase{"path_in_test_text",
                         Both(Scan("work"), [](SelectionCriteria& c) { c.use_path = true; }),
                         "/work/x.txt", Plain, true},
               MatchCase{"path_not_in_test_text", Scan("work"), "/work/x.txt", Plain, false},
               MatchCase{"extension_only",
                         Both(Scan("rep"), [](SelectionCriteria& c) { c.use_name = false; }),
                         "/d/report.txt", Plain, false},
               MatchCase{"dir_needs_incl_dir_names", [](SelectionCriteria&) {}, "/d/sub", Dir,
                         false},
               MatchCase{"dir_with_incl_dir_names", Dirs(), "/d/sub", Dir, true},
               MatchCase{"dot_entries_never", Dirs(), "/d/..", Dir, false},
               MatchCase{"dot_entry_itself_never", Dirs(), "/d/.", Dir, false},
               // Names ending in "." are ordinary names.
               MatchCase{"dir_ending_in_dot", Dirs(), "/d/dir.", Dir, true},
               MatchCase{"file_ending_in_dot", Scan("*.*"), "/d/v1.", Plain, true},
               MatchCase{"file_ending_in_dot_by_name", Scan("v1."), "/d/v1.", Plain, true},
               // Ignoring case folds letters beyond ASCII, in substrings as in masks.
               MatchCase{"substring_folds_non_ascii", Scan("\xc3\x89T\xc3\x89"),
                         "/d/\xc3\xa9t\xc3\xa9.txt", Plain, true},
               MatchCase{"substring_case_sensitive_keeps_non_ascii",
                         Both(Scan("\xc3\x89T\xc3\x89"), CaseSensitive()),
                         "/d/\xc3\xa9t\xc3\xa9.txt", Plain, false},
               MatchCase{"question_mark_takes_one_character", Scan("caf?.txt"),
                         "/d/caf\xc3\xa9.txt", Plain, true},
               MatchCase{"excl_filenames_drops_files",
                         Both(Dirs(), [](SelectionCriteria& c) { c.excl_filenames = true; }),
                         "/d/a.txt", Plain, false},
               MatchCase{"excl_filenames_keeps_dirs",
                         Both(Dirs(), [](SelectionCriteria& c) { c.excl_filenames = true; }),
                         "/d/sub", Dir, true},
               MatchCase{"only_normal_drops_read_only", OnlyAttr(&SelectionCriteria::normal),
                         "/d/a.txt", [] { return File(1, attr::kReadOnly); }, false},
               MatchCase{"only_normal_keeps_normal", OnlyAttr(&SelectionCriteria::normal),
                         "/d/a.txt", Plain, true},
               MatchCase{"only_hidden_keeps_hidden", OnlyAttr(&SelectionCriteria::hidden),
                         "/d/.profile", [] { return File(1, attr::kHidden); }, true},
               MatchCase{"min_1k_keeps_1024", Min("1", true), "/d/a", [] { return File(1024); },
                         true},
               MatchCase{"min_1k_drops_1023", Min("1", true), "/d/a", [] { return File(1023); },
                         false},
               MatchCase{"max_0_bytes_keeps_empty", Max("0", false), "/d/a", [] { return File(0); },
                         true},
               MatchCase{"max_0_bytes_drops_one", Max("0", false), "/d/a", [] { return File(1); },
                         false},
               MatchCase{"max_0_bytes_keeps_dirs", Both(Dirs(), Max("0", false)), "/d/sub", Dir,
                         true},
               MatchCase{"max_kbytes_64_bit", Max("999999999", true), "/d/a",
                         [] { return File(1'023'999'998'976); }, true},
               MatchCase{"max_kbytes_64_bit_over", Max("999999999", true), "/d/a",
                         [] { return File(1'023'999'998'977); }, false},
               MatchCase{"to_date_keeps_23_59", ModifiedTo(At(2014, 3, 7)), "/d/a",
                         [] { return File(1, attr::kNormal, At(2014, 3, 7, 23, 59)); }, true},
               MatchCase{"to_date_drops_next_day", ModifiedTo(At(2014, 3, 7, 23, 0)), "/d/a",
                         [] { return File(1, attr::kNormal, At(2014, 3, 8, 0, 0)); }, false},
               MatchCase{"time_row_ignores_day",
                         ModifiedTimes(At(2000, 1, 1, 9, 0), At(2000, 1, 1, 10, 0)), "/d/a",
                         [] { return File(1, attr::kNormal, At(2014, 3, 7, 9, 5)); }, true},
               MatchCase{"from_time_after_to_time_selects_nothing",
                         ModifiedTimes(At(2000, 1, 1, 10, 0), At(2000, 1, 1, 9, 0)), "/d/a",
                         [] { return File(1, attr::kNormal, At(2014, 3, 7, 9, 30)); }, false},
               MatchCase{"created_from_uses_creation_time", CreatedFrom(At(2014, 3, 8)), "/d/a",
                         [] {
                           KnownEntryFacts f = File(1, attr::kNormal, At(2014, 3, 9));
                           f.created = At(2014, 3, 7);
                           return f;
                         },
                         false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessFileErrors, MalformedSizeAndMaskEndTheRunWithTheirMessages) {
  {
    Fixture fx;
    fx.criteria.min = {true, "12a", true};
    KnownEntryFacts f = File();
    const auto err = fx.matcher.ProcessFile("/d/a.txt", f);
    ASSERT_TRUE(err.has_value());
    EXPECT_EQ(err->message, "''12a'' is not a valid integer value");
  }
  {
    Fixture fx;
    // Only a token with "*" or "?" is a mask; "[a" alone would be a substring.
    fx.criteria.scan_text = "[a*";
    fx.criteria.ignore_case = false;
    KnownEntryFacts f = File();
    const auto err = fx.matcher.ProcessFile("/d/a.txt", f);
    ASSERT_TRUE(err.has_value());
    EXPECT_EQ(err->message, "'[a*' is an invalid mask at (4)");
  }
  {
    // A size box is only read when an entry reaches its test.
    Fixture fx;
    fx.criteria.scan_text = "*.doc";
    fx.criteria.min = {true, "junk", true};
    KnownEntryFacts f = File();
    EXPECT_FALSE(fx.matcher.ProcessFile("/d/a.txt", f).has_value());
  }
}

TEST(ProcessFileEmission, BuildsTheLineInTheCurrentOrderAndTracksHistory) {
  Fixture fx;
  fx.state.SortOutput = ItemOrder::kSize;
  fx.state.RetrieveVolumename = false;
  KnownEntryFacts f = File(1234);
  ASSERT_FALSE(fx.matcher.ProcessFile("/work/report.txt", f).has_value());
  ASSERT_EQ(fx.items.Count(), 1u);
  EXPECT_EQ(fx.items.Line(0), ": |  | 000000001234 | /work/ | report.txt | 2014-03-07 09:05");
  EXPECT_EQ(fx.state.MaxListLength, static_cast<int>(fx.items.Line(0).size()));
  EXPECT_EQ(fx.host.history_calls, 1);
  // The same text again is already at the history's front; a new text is recorded.
  ASSERT_FALSE(fx.matcher.ProcessFile("/work/again.txt", f).has_value());
  EXPECT_EQ(fx.host.history_calls, 1);
  fx.criteria.scan_text = "*.txt";
  ASSERT_FALSE(fx.matcher.ProcessFile("/work/other.txt", f).has_value());
  EXPECT_EQ(fx.host.history_calls, 2);
  fx.state.TrackHist = false;
  fx.criteria.scan_text = "*.doc";
  ASSERT_FALSE(fx.matcher.ProcessFile("/work/other.doc", f).has_value());
  EXPECT_EQ(fx.host.history_calls, 2);
}

class RecordingOutput final : public ScanOutput {
 public:
  std::vector<ItemFields> rows;
  int Init() override { return 1; }
  int Write(const ItemFields& f) override {
    rows.push_back(f);
    return 1;
  }
  int Close() override { return 1; }
};

TEST(ProcessFileEmission, ScanToFileWritesFieldsAndLeavesTheListAlone) {
  Fixture fx;
  RecordingOutput out;
  fx.host.output = &out;
  fx.state.ScanToFile = true;
  KnownEntryFacts f = File(1234);
  ASSERT_FALSE(fx.matcher.ProcessFile("/work/report.txt", f).has_value());
  EXPECT_EQ(fx.items.Count(), 0u);
  ASSERT_EQ(out.rows.size(), 1u);
  EXPECT_EQ(out.rows[0].Path, "/work/");
  EXPECT_EQ(out.rows[0].File, "report.txt");
  EXPECT_EQ(out.rows[0].Size, "1234");
}

TEST(ProcessFileItemLimit, DecliningKeepsExactlyMaxItemsLines) {
  Fixture fx;
  fx.state.ItemLimit = 3;
  fx.state.MaxItems = 3;
  fx.prompter.answers = {Answer::kYes, Answer::kNo};
  KnownEntryFacts f = File();
  for (int i = 0; i < 10; ++i) {
    ASSERT_FALSE(fx.matcher.ProcessFile("/d/f" + std::to_string(i), f).has_value());
  }
  EXPECT_EQ(fx.prompter.questions,
            (std::vector<std::string>{"3 items found, continue?", "6 items found, continue?"}));
  EXPECT_TRUE(fx.matcher.Stopped());
  EXPECT_EQ(fx.items.Count(), 6u);
}

TEST(ProcessFileCriteria, ChangesBetweenEntriesApplyToTheNextEntry) {
  Fixture fx;
  KnownEntryFacts f = File();
  fx.criteria.scan_text = "*.txt";
  ASSERT_FALSE(fx.matcher.ProcessFile("/d/a.doc", f).has_value());
  fx.criteria.scan_text = "*.doc";
  ASSERT_FALSE(fx.matcher.ProcessFile("/d/a.doc", f).has_value());
  EXPECT_EQ(fx.items.Count(), 1u);
}

TEST(ScanStringErrorTest, NamesTheFirstMalformedMaskBeforeAnyEntry) {
  struct Case {
    const char* scan_text;
    const char* message;  // nullptr: every mask is sound
  };
  const Case cases[] = {
      {"*.txt [a-c]*", nullptr},
      {"[a", nullptr},  // no "*" or "?": a substring, never parsed
      {"a.txt, [a*, [b?", "'[a*' is an invalid mask at (4)"},
      {":[a", "'[a' is an invalid mask at (3)"},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    const auto err = ScanStringError(c.scan_text);
    if (c.message == nullptr) {
      EXPECT_FALSE(err.has_value()) << c.scan_text;
    } else {
      ASSERT_TRUE(err.has_value()) << c.scan_text;
      EXPECT_EQ(err->message, c.message);
    }
  }
}

TEST(ParseSizeBoxTest, AcceptsIntegersOnly) {
  EXPECT_EQ(ParseSizeBox("999999999"), 999999999);
  EXPECT_EQ(ParseSizeBox(" 12 "), 12);
  EXPECT_EQ(ParseSizeBox("-5"), -5);
  EXPECT_FALSE(ParseSizeBox(""));
  EXPECT_FALSE(ParseSizeBox("1.5"));
  EXPECT_FALSE(ParseSizeBox("+"));
  EXPECT_FALSE(ParseSizeBox("12345678901234567890"));
}

}  // namespace
}  // namespace krellix
