#include "fileops/directory_commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/activity_log.h"
#include "base/confirm_options.h"
#include "platform/scripted_prompter.h"
#include "support/child_process.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

// The window side: the dialog closes with OK holding `dialog` (its "Current: " kept unless set),
// the prompt answers `answer`, and the tree's openings are recorded.
struct Rig {
  ScriptedPrompter prompter;
  Clock clock;
  ActivityLog log{clock};
  ConfirmOptions confirm;
  CreateDirectoryValues dialog;
  bool dialog_ok = true;
  std::string answer;
  std::vector<std::string> opened;
  int refreshes = 0;
  std::string shown_base;
  DirectoryCommandsEnv env{prompter,
                           log,
                           confirm,
                           [this](const std::string& dir) { opened.push_back(dir); },
                           [this] { ++refreshes; },
                           [this](CreateDirectoryValues& v) {
                             shown_base = v.base;
                             const std::string base = dialog.base.empty() ? v.base : dialog.base;
                             v = dialog;
                             v.base = base;
                             return dialog_ok;
                           },
                           [this](const std::string&, const std::string&, const std::string& d) {
                             return answer.empty() ? d : answer;
                           }};

  std::vector<std::string> LogTexts() const {
    std::vector<std::string> texts;
    for (const auto& line : log.Lines()) texts.push_back(line.substr(20));
    return texts;
  }
};

TEST(DirectoryCommandsTest, FieldAndSeriesNames) {
  EXPECT_EQ(DirectoryFieldOnOk("/new"), "new/");
  EXPECT_EQ(DirectoryFieldOnOk("a/b"), "a/b/");
  EXPECT_EQ(DirectoryFieldOnOk("a/"), "a/");
  EXPECT_EQ(DirectoryFieldOnOk(""), "");
  EXPECT_EQ(DirectoryFieldOnOk("/"), "");
  EXPECT_EQ(SeriesName("Week", 1, 2, ""), "Week01");
  EXPECT_EQ(SeriesName("", 123, 2, "x"), "123x");
  EXPECT_EQ(SeriesName("d", 7, 0, ""), "d7");
}

// The worked example: a directory, then a numbered series in it; the tree opens the series' base.
TEST(DirectoryCommandsTest, CreatesADirectoryAndASeries) {
  test::TempTree t;
  Rig rig;
  t.Dir("Work/2014/Week02");  // an existing member counts as created
  rig.dialog.directory = "2014/";
  rig.dialog.series = true;
  rig.dialog.prefix = "Week";
  rig.dialog.count = "3";
  rig.dialog.zero_fill = "2";
  CreateDirectoryValues values;

  CreateDirectoryCommand(t.Path("Work"), values, rig.env);

  EXPECT_EQ(rig.shown_base, t.Path("Work/"));
  for (const char* week : {"Week01", "Week02", "Week03"}) {
    EXPECT_TRUE(fs::is_directory(t.Path("Work/2014/") + week)) << week;
  }
  EXPECT_EQ(rig.LogTexts(),
            (std::vector<std::string>{"Create_directory=" + t.Path("Work/2014/Week01"),
                                      "Create_directory=" + t.Path("Work/2014/Week02"),
                                      "Create_directory=" + t.Path("Work/2014/Week03")}));
  EXPECT_EQ(rig.opened, std::vector<std::string>{t.Path("Work/2014/")});
  EXPECT_EQ(rig.refreshes, 1);
  EXPECT_TRUE(values.directory.empty());
  EXPECT_EQ(values.prefix, "Week");  // the other fields keep their values
  EXPECT_TRUE(rig.prompter.messages.empty());
}

// Nothing asked for creates nothing; Count 0 creates no member; a bad number stops the series.
TEST(DirectoryCommandsTest, EmptyRequestsAndBadNumbers) {
  struct Case {
    std::string name;
    bool series;
    std::string count;
    std::string step;
    std::size_t messages;
  };
  for (const Case& c : {Case{"nothing", false, "1", "1", 0}, Case{"count 0", true, "0", "1", 0},
                        Case{"count empty", true, "", "1", 1}, Case{"step x", true, "2", "x", 1}}) {
    test::TempTree t;
    Rig rig;
    rig.dialog.series = c.series;
    rig.dialog.count = c.count;
    rig.dialog.step = c.step;
    CreateDirectoryValues values;
    CreateDirectoryCommand(t.Path("."), values, rig.env);
    EXPECT_TRUE(fs::is_empty(t.Root())) << c.name;
    EXPECT_TRUE(rig.log.Lines().empty()) << c.name;
    EXPECT_EQ(rig.prompter.messages.size(), c.messages) << c.name;
    EXPECT_EQ(rig.opened, std::vector<std::string>{t.Root()}) << c.name;
  }
}

// A member that cannot be created is logged and told; the series goes on.
TEST(DirectoryCommandsTest, FailedMembersAreReported) {
  test::TempTree t;
  Rig rig;
  t.File("base/d2", 1);  // a file where the second member should go
  rig.dialog.series = true;
  rig.dialog.prefix = "d";
  rig.dialog.count = "3";
  CreateDirectoryValues values;
  CreateDirectoryCommand(t.Path("base"), values, rig.env);
  EXPECT_TRUE(fs::is_directory(t.Path("base/d1")));
  EXPECT_TRUE(fs::is_directory(t.Path("base/d3")));
  EXPECT_EQ(rig.LogTexts()[1], "Create_directory_failed=" + t.Path("base/d2"));
  ASSERT_EQ(rig.prompter.messages.size(), 1u);
  EXPECT_EQ(rig.prompter.messages[0].text, "Create directory failed: " + t.Path("base/d2"));
}

TEST(DirectoryCommandsTest, MissingHighlightedDirectory) {
  test::TempTree t;
  Rig rig;
  CreateDirectoryValues values;
  CreateDirectoryCommand(t.Path("gone"), values, rig.env);
  EXPECT_EQ(rig.LogTexts(), std::vector<std::string>{"Create_directory_failed=" + t.Path("gone")});
  EXPECT_EQ(rig.prompter.messages.at(0).text, "Create directory: " + t.Path("gone"));
  EXPECT_TRUE(rig.opened.empty());
  EXPECT_TRUE(rig.shown_base.empty());
}

// Rename within the parent after the question; the tree leaves a directory inside the renamed one.
TEST(DirectoryCommandsTest, RenamesADirectory) {
  test::TempTree t;
  Rig rig;
  t.File("Work/Old/inner/x.txt", 1);
  rig.answer = "New";
  rig.prompter.answers = {Answer::kYes};
  RenameDirectoryCommand(t.Path("Work/Old"), t.Path("Work/Old/inner/"), rig.env);
  EXPECT_TRUE(fs::exists(t.Path("Work/New/inner/x.txt")));
  EXPECT_FALSE(fs::exists(t.Path("Work/Old")));
  EXPECT_EQ(rig.prompter.questions,
            std::vector<std::string>{"Rename " + t.Path("Work/Old") + " into \n" +
                                     t.Path("Work/New") + " ? "});
  EXPECT_EQ(rig.LogTexts(), std::vector<std::string>{"Rename_directory=" + t.Path("Work/Old") +
                                                     " Into=" + t.Path("Work/New")});
  EXPECT_EQ(rig.opened, std::vector<std::string>{t.Path("Work/")});
  EXPECT_EQ(rig.refreshes, 1);
}

// No rename: the same name, No to the question, an existing target (kept whole), a bad name.
TEST(DirectoryCommandsTest, RenameRefusals) {
  struct Case {
    std::string name;
    std::string answer;
    Answer confirm;
    bool failed;
  };
  for (const Case& c :
       {Case{"same", "", Answer::kYes, false}, Case{"no", "Other", Answer::kNo, false},
        Case{"exists", "Taken", Answer::kYes, true}, Case{"slash", "a/b", Answer::kYes, true},
        Case{"dotdot", "..", Answer::kYes, true}}) {
    test::TempTree t;
    Rig rig;
    t.File("Old/o.txt", 1);
    t.File("Taken/t.txt", 2);
    rig.answer = c.answer;
    rig.prompter.answers = {c.confirm};
    RenameDirectoryCommand(t.Path("Old"), t.Root(), rig.env);
    EXPECT_TRUE(fs::exists(t.Path("Old/o.txt"))) << c.name;
    EXPECT_TRUE(fs::exists(t.Path("Taken/t.txt"))) << c.name;
    EXPECT_FALSE(fs::exists(t.Path("Taken/o.txt"))) << c.name;
    EXPECT_EQ(rig.log.Lines().size(), c.failed ? 1u : 0u) << c.name;
    if (c.failed) {
      EXPECT_EQ(rig.LogTexts()[0], "Rename_directory_failed=" + t.Path("Old")) << c.name;
      EXPECT_EQ(
          rig.prompter.messages.at(0).text.rfind("Rename directory failed: " + t.Path("Old"), 0),
          0u)
          << c.name;
    }
  }
}

// A parent folder the user may not write to refuses the rename, and says so.
TEST(DirectoryCommandsTest, ReadOnlyParentRefusesTheRename) {
  test::TempTree t;
  t.Dir("locked/Old");
  ::chmod(t.Root().c_str(), 0755);
  ::chmod(t.Path("locked").c_str(), 0555);
  const int code = test::AsNormalUser([&] {
    Rig rig;
    rig.confirm.rename_directory = false;
    rig.answer = "New";
    RenameDirectoryCommand(t.Path("locked/Old"), t.Root(), rig.env);
    return rig.prompter.messages.size() == 1 &&
                   rig.prompter.messages[0].text ==
                       "Rename directory failed: " + t.Path("locked/Old") + " (Permission denied)"
               ? 0
               : 1;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "cannot run as a normal user";
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(fs::is_directory(t.Path("locked/Old")));
}

}  // namespace
}  // namespace krellix
