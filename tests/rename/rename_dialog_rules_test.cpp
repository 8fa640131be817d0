#include "rename/rename_dialog_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "support/rename_samples.h"

namespace krellix {
namespace {

using P = RenameParameters;
using Field = RenameField;

P Changed() { return test::EveryRenameParameterChanged(); }

TEST(PrepareRenameParameters, RememberKeepsEverythingElseAllButOldNewAndTabReturnToDefaults) {
  P kept = Changed();
  PrepareRenameParameters(kept, true);
  EXPECT_EQ(kept, Changed());

  P reset = Changed();
  PrepareRenameParameters(reset, false);
  P expected;
  expected.tab = P::EditTab::kSwap;
  expected.old_text = "old\xff";
  expected.new_text = "new\xfe";
  EXPECT_EQ(reset, expected);
}

TEST(PrepareRenameParameters, FocusGoesToTheMainFieldOfTheTabShowing) {
  const struct {
    P::EditTab tab;
    std::string new_text;
    Field focus;
  } cases[] = {
      {P::EditTab::kReplace, "b.txt", Field::kNew},
      {P::EditTab::kReplace, "", Field::kPrefix},
      {P::EditTab::kCrop, "b.txt", Field::kRemoveCount},
      {P::EditTab::kInsert, "b.txt", Field::kInsertText},
      {P::EditTab::kSwap, "", Field::kSwapCount},
      {P::EditTab::kPath, "b.txt", Field::kPathCount},
  };
  for (const auto& c : cases) {
    for (bool remember : {false, true}) {
      P p;
      p.tab = c.tab;
      p.new_text = c.new_text;
      EXPECT_EQ(PrepareRenameParameters(p, remember), c.focus)
          << static_cast<int>(c.tab) << " '" << c.new_text << "' remember " << remember;
    }
  }
}

TEST(LeaveOldText, WholeNameTurnsNumberingOnAndFillsOnlyEmptyNumbers) {
  const struct {
    const char* name;
    std::string old_text;
    P::NumberPlace number;
    const char* start;
    const char* step;
    const char* zero_fill;
    P::NumberPlace number_after;
    const char* start_after;
    const char* step_after;
    const char* zero_fill_after;
  } cases[] = {
      {"all empty", "*.*", P::NumberPlace::kSkip, "", "", "", P::NumberPlace::kPrefix, "1", "1",
       "3"},
      {"typed numbers stay", "*.*", P::NumberPlace::kSuffix, "0001", "", "5",
       P::NumberPlace::kPrefix, "0001", "1", "5"},
      {"other text", "*.* ", P::NumberPlace::kSkip, "", "", "", P::NumberPlace::kSkip, "", "", ""},
      {"a mask", "*.txt", P::NumberPlace::kSuffix, "", "2", "", P::NumberPlace::kSuffix, "", "2",
       ""},
      {"empty", "", P::NumberPlace::kSkip, "", "", "", P::NumberPlace::kSkip, "", "", ""},
  };
  for (const auto& c : cases) {
    P p;
    p.old_text = c.old_text;
    p.number = c.number;
    p.start = c.start;
    p.step = c.step;
    p.zero_fill = c.zero_fill;
    P expected = p;
    expected.number = c.number_after;
    expected.start = c.start_after;
    expected.step = c.step_after;
    expected.zero_fill = c.zero_fill_after;
    LeaveOldText(p);
    EXPECT_EQ(p, expected) << c.name;
  }
}

TEST(LeaveSeparatorText, AnyTextTicksSeparatorAndNoTextLeavesTheTick) {
  const struct {
    std::string separator;
    bool ticked;
    bool ticked_after;
  } cases[] = {{" ", false, true}, {"-", false, true}, {"", false, false}, {"", true, true}};
  for (const auto& c : cases) {
    P p;
    p.separator = c.separator;
    p.use_separator = c.ticked;
    LeaveSeparatorText(p);
    EXPECT_EQ(p.use_separator, c.ticked_after) << "'" << c.separator << "' " << c.ticked;
  }
}

TEST(CheckRenameParameters, RefusesTheFirstFieldAtFault) {
  const RenameFault invalid_new{Field::kNew, kInvalidCharsNotice};
  const auto invalid = [](Field f) { return RenameFault{f, kInvalidCharsNotice}; };
  const struct {
    const char* name;
    std::function<void(P&)> set;
    std::optional<RenameFault> fault;
  } cases[] = {
      {"defaults", [](P&) {}, std::nullopt},
      {"star in New:", [](P& p) { p.new_text = "a*"; }, invalid_new},
      {"colon in Prefix:", [](P& p) { p.prefix = "a:"; }, invalid(Field::kPrefix)},
      {"question mark in Suffix:", [](P& p) { p.suffix = "?"; }, invalid(Field::kSuffix)},
      {"slash in Extension", [](P& p) { p.extension_text = "a/b"; }, invalid(Field::kExtension)},
      {"tab in Prefix:", [](P& p) { p.prefix = "\t"; }, invalid(Field::kPrefix)},
      {"New: before Prefix:",
       [](P& p) {
         p.prefix = "|";
         p.new_text = "<";
       },
       invalid_new},
      {"Suffix: before Extension",
       [](P& p) {
         p.extension_text = ">";
         p.suffix = "\"";
       },
       invalid(Field::kSuffix)},
      {"Old:, Insert: and separator are not checked",
       [](P& p) {
         p.old_text = "a*";
         p.insert_text = "?";
         p.separator = ":";
       },
       std::nullopt},
      {"New: equal to Old: replaces nothing new", [](P& p) { p.old_text = p.new_text = "a:b.txt"; },
       std::nullopt},
      {"New: equal to the whole-name Old:", [](P& p) { p.old_text = p.new_text = "*.*"; },
       invalid_new},
      {"bytes above 127 pass", [](P& p) { p.new_text = p.prefix = "caf\xc3\xa9\xff"; },
       std::nullopt},
      {"invalid text before empty number",
       [](P& p) {
         p.number = P::NumberPlace::kPrefix;
         p.start = "";
         p.suffix = "*";
       },
       invalid(Field::kSuffix)},
  };
  for (const auto& c : cases) {
    P p;
    c.set(p);
    EXPECT_EQ(CheckRenameParameters(p), c.fault) << c.name;
  }
}

TEST(CheckRenameParameters, RefusesAnEmptyNumberOnlyWhereTheChosenRulesReadIt) {
  const auto empty = [](Field f) { return RenameFault{f, kEmptyNumberNotice}; };
  const struct {
    const char* name;
    P::EditTab tab;
    std::function<void(P&)> choose;
    std::optional<RenameFault> fault;
  } cases[] = {
      {"Replace reads none", P::EditTab::kReplace, [](P&) {}, std::nullopt},
      {"Crop skip", P::EditTab::kCrop, [](P& p) { p.crop = P::Crop::kSkip; }, std::nullopt},
      {"Crop Remove", P::EditTab::kCrop, [](P& p) { p.crop = P::Crop::kRemove; },
       empty(Field::kRemoveCount)},
      {"Crop Remove, count given", P::EditTab::kCrop,
       [](P& p) {
         p.crop = P::Crop::kRemove;
         p.remove_count = "2";
       },
       empty(Field::kRemovePosition)},
      {"Crop Keep last", P::EditTab::kCrop, [](P& p) { p.crop = P::Crop::kKeepLast; },
       empty(Field::kLastCount)},
      {"Crop Remove last", P::EditTab::kCrop, [](P& p) { p.crop = P::Crop::kRemoveLast; },
       empty(Field::kLastCount)},
      {"Insert", P::EditTab::kInsert, [](P&) {}, empty(Field::kInsertPosition)},
      {"Swap skip", P::EditTab::kSwap, [](P&) {}, std::nullopt},
      {"Swap first", P::EditTab::kSwap, [](P& p) { p.swap = P::Swap::kFirst; },
       empty(Field::kSwapCount)},
      {"Path Add all levels", P::EditTab::kPath, [](P& p) { p.path = P::PathLevels::kAddAll; },
       std::nullopt},
      {"Path Add first", P::EditTab::kPath, [](P& p) { p.path = P::PathLevels::kAddFirst; },
       empty(Field::kPathCount)},
      {"Path Add last", P::EditTab::kPath, [](P& p) { p.path = P::PathLevels::kAddLast; },
       empty(Field::kPathCount)},
      {"tab not showing: Crop Remove under Replace", P::EditTab::kReplace,
       [](P& p) { p.crop = P::Crop::kRemove; }, std::nullopt},
      {"numbering Prefix", P::EditTab::kReplace, [](P& p) { p.number = P::NumberPlace::kPrefix; },
       empty(Field::kStart)},
      {"numbering Suffix, start given", P::EditTab::kReplace,
       [](P& p) {
         p.number = P::NumberPlace::kSuffix;
         p.start = "7";
       },
       empty(Field::kStep)},
      {"numbering, start and step given", P::EditTab::kReplace,
       [](P& p) {
         p.number = P::NumberPlace::kSuffix;
         p.start = p.step = "7";
       },
       empty(Field::kZeroFill)},
      {"edit tab before numbering", P::EditTab::kSwap,
       [](P& p) {
         p.swap = P::Swap::kLast;
         p.number = P::NumberPlace::kPrefix;
       },
       empty(Field::kSwapCount)},
  };
  for (const auto& c : cases) {
    P p;
    p.remove_count = p.remove_position = p.last_count = p.insert_position = p.swap_count =
        p.path_count = p.start = p.step = p.zero_fill = "";
    p.tab = c.tab;
    c.choose(p);
    EXPECT_EQ(CheckRenameParameters(p), c.fault) << c.name;
  }
  // With every number given, no choice is refused.
  for (const auto& c : cases) {
    P p;
    p.tab = c.tab;
    c.choose(p);
    EXPECT_EQ(CheckRenameParameters(p), std::nullopt) << c.name;
  }
}

}  // namespace
}  // namespace krellix
