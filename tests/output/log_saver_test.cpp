#include "output/log_saver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/activity_log.h"
#include "output/output_dialogs.h"
#include "output/output_options.h"
#include "platform/file_system.h"
#include "platform/scripted_prompter.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

class ScriptedSavingFile final : public SavingFileQuestion {
 public:
  SaveMode answer = SaveMode::kReplace;
  std::vector<std::string> asked;
  SaveMode AskSavingFile(const std::string& path) override {
    asked.push_back(path);
    return answer;
  }
};

constexpr char kStamp[] = "2024/06/01 13:05:09 ";

class LogSaverTest : public ::testing::Test {
 protected:
  LogSaverTest() {
    clock.SetFake([] { return FromCivil({2024, 6, 1, 13, 5, 9, 0}); });
    log_name = tree.Path("krellix.log");
    log.AddLogLine("Scan=*.txt");
    log.AddRawLine("raw line");
  }

  LogSaveResult Save(LogSaveKind kind) { return SaveLogfile(ctx, kind); }

  // The file a save writes with the log as it stood before (two lines).
  std::string Written(const std::string& name) const {
    return test::CrLfLines({";  ", ";  - Krellix - (c) Test",
                            ";  - Log written: 2024-06-01 13:05:09", ";  ",
                            std::string(kStamp) + "Scan=*.txt", "raw line", "Save_Logfile=" + name,
                            std::string(kStamp) + "Save_Logfile=" + name});
  }

  test::TempTree tree;
  Clock clock;
  ActivityLog log{clock};
  std::string log_name;
  std::string header1;
  OutputOptions output;
  ScriptedPrompter prompter;
  ScriptedSavingFile saving_file;
  LocaleFormat locale;
  std::vector<std::string> statuses;
  LogSaverContext ctx{log,       log_name, header1,
                      output,    prompter, saving_file,
                      clock,     locale,   [&](const std::string& s) { statuses.push_back(s); },
                      "(c) Test"};
};

TEST_F(LogSaverTest, InteractiveSaveCreatesTheChosenFile) {
  prompter.picks = {tree.Path("session")};
  const std::string name = tree.Path("session.log");  // the default extension is added
  EXPECT_EQ(Save(LogSaveKind::kInteractive), LogSaveResult::kSaved);
  EXPECT_EQ(log_name, name);
  EXPECT_EQ(test::ReadWholeFile(name), Written(name));
  EXPECT_EQ(header1, "- Log written: 2024-06-01 13:05:09");
  EXPECT_EQ(statuses, (std::vector<std::string>{"Save_Logfile=" + name, "LogRecords=4"}));
  EXPECT_EQ(log.Lines().back(), std::string(kStamp) + "LogRecords=4");
  EXPECT_TRUE(saving_file.asked.empty());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LogSaverTest, ExistingFileTakesTheAnswerUnlessTheOutputModeOverridesIt) {
  struct Case {
    const char* name;
    SaveMode answer;
    bool out_replace, out_append;
    SaveMode want;
  };
  const Case cases[] = {
      {"Replace", SaveMode::kReplace, false, false, SaveMode::kReplace},
      {"Append", SaveMode::kAppend, false, false, SaveMode::kAppend},
      {"Cancel", SaveMode::kCancel, false, false, SaveMode::kCancel},
      {"Replace, OutFileAppend", SaveMode::kReplace, false, true, SaveMode::kAppend},
      {"Append, OutFileReplace", SaveMode::kAppend, true, false, SaveMode::kReplace},
      {"Cancel stands against OutFileAppend", SaveMode::kCancel, false, true, SaveMode::kCancel},
  };
  const std::vector<std::string> before = log.Lines();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.Clear();
    for (const std::string& l : before) log.AddRawLine(l);
    statuses.clear();
    std::ofstream(log_name, std::ios::binary) << "old\r\n";
    prompter.picks = {log_name};
    saving_file.answer = c.answer;
    saving_file.asked.clear();
    output.OutFileReplace = c.out_replace;
    output.OutFileAppend = c.out_append;

    const LogSaveResult result = Save(LogSaveKind::kInteractive);
    EXPECT_EQ(saving_file.asked, std::vector<std::string>{log_name});
    switch (c.want) {
      case SaveMode::kReplace:
        EXPECT_EQ(result, LogSaveResult::kSaved);
        EXPECT_EQ(test::ReadWholeFile(log_name), Written(log_name));
        break;
      case SaveMode::kAppend:
        EXPECT_EQ(result, LogSaveResult::kSaved);
        EXPECT_EQ(test::ReadWholeFile(log_name), "old\r\n" + Written(log_name));
        break;
      case SaveMode::kCancel:
        EXPECT_EQ(result, LogSaveResult::kCancelled);
        EXPECT_EQ(test::ReadWholeFile(log_name), "old\r\n");
        EXPECT_EQ(log.Lines(), before);
        EXPECT_TRUE(statuses.empty());
        break;
    }
  }
}

TEST_F(LogSaverTest, CancelledPickerWritesNothing) {
  const std::string old_name = log_name;
  const std::vector<std::string> before = log.Lines();
  prompter.picks = {""};
  EXPECT_EQ(Save(LogSaveKind::kInteractive), LogSaveResult::kCancelled);
  EXPECT_EQ(statuses, std::vector<std::string>{"Save log cancelled"});
  EXPECT_EQ(log.Lines(), before);
  EXPECT_EQ(log_name, old_name);
  EXPECT_FALSE(FileExists(log_name));
}

TEST_F(LogSaverTest, FailedOpenIsReportedAndLeavesTheLogAlone) {
  const std::vector<std::string> before = log.Lines();
  const std::string missing = tree.Path("missing/k.log");
  prompter.picks = {missing};
  EXPECT_EQ(Save(LogSaveKind::kInteractive), LogSaveResult::kFailed);
  log_name = tree.Path("missing/silent.log");
  EXPECT_EQ(Save(LogSaveKind::kSilent), LogSaveResult::kFailed);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text,
            "Cannot open(create): " + missing + " (No such file or directory)");
  EXPECT_EQ(prompter.messages[1].text,
            "Cannot open(create): " + log_name + " (No such file or directory)");
  EXPECT_EQ(log.Lines(), before);
  EXPECT_EQ(header1, "");
}

TEST_F(LogSaverTest, FullDiskIsAFailedCloseWithoutRecordCount) {
  if (!FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  log_name = "/dev/full";
  EXPECT_EQ(Save(LogSaveKind::kSilent), LogSaveResult::kFailed);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Close failed for: /dev/full (No space left on device)");
  EXPECT_EQ(statuses, std::vector<std::string>{"Save_Logfile=/dev/full"});
}

TEST_F(LogSaverTest, SilentSaveAppendsWithoutAnyDialog) {
  prompter.picks = {tree.Path("never.log")};
  EXPECT_EQ(Save(LogSaveKind::kSilent), LogSaveResult::kSaved);
  const std::string first = test::ReadWholeFile(log_name);
  EXPECT_EQ(first, Written(log_name));
  EXPECT_EQ(Save(LogSaveKind::kSilent), LogSaveResult::kSaved);
  const std::string both = test::ReadWholeFile(log_name);
  EXPECT_EQ(both.substr(0, first.size()), first);
  EXPECT_NE(both.find(";  - Log written: ", first.size()), std::string::npos);
  EXPECT_EQ(prompter.picks.size(), 1u);
  EXPECT_TRUE(saving_file.asked.empty());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LogSaverTest, ClearThenSave) {
  ClearLog(log, clock, locale);
  EXPECT_EQ(log.Lines(), std::vector<std::string>{"Log cleared at: 2024-06-01 13:05:09"});
  EXPECT_EQ(Save(LogSaveKind::kSilent), LogSaveResult::kSaved);
  EXPECT_EQ(
      test::ReadWholeFile(log_name),
      test::CrLfLines({";  ", ";  - Krellix - (c) Test", ";  - Log written: 2024-06-01 13:05:09",
                       ";  ", "Log cleared at: 2024-06-01 13:05:09", "Save_Logfile=" + log_name,
                       std::string(kStamp) + "Save_Logfile=" + log_name}));
}

}  // namespace
}  // namespace krellix
