#include "output/output_writer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "output/save_item_list.h"
#include "output/scan_output_file.h"
#include "platform/file_system.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_state.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

// The dialogs, answered from a script: "Save" (after applying `edit`) or "Cancel", and the
// answer of the "Saving file" prompt.
class ScriptedDialogs final : public OutputDialogs {
 public:
  bool save = true;
  std::function<void(OutputOptions&)> edit;
  SaveMode answer = SaveMode::kReplace;
  std::vector<std::string> asked;

  bool ShowSaveAs(OutputOptions& options) override {
    if (save && edit) edit(options);
    return save;
  }
  SaveMode AskSavingFile(const std::string& path) override {
    asked.push_back(path);
    return answer;
  }
};

const std::vector<std::string> kEmptyListStatistics = {
    ";  ",
    ";  Total number 0",
    ";    Total size 0 Kbytes",
    "; Smallest size 999,999,999,999,999.000 Kbytes",
    "; Smallest name ",
    ";  Largest size -1.000 Kbytes",
    ";  Largest name ",
    ";   Oldest date 2024-06-01",
    ";   Oldest name ",
    "; Youngest date 0000-00-00",
    "; Youngest name ",
    ";  ",
};

class OutputWriterTest : public ::testing::Test {
 protected:
  OutputWriterTest() {
    clock.SetFake([] { return FromCivil({2024, 6, 1, 13, 5, 9, 0}); });
    options.SaveName = tree.Path("scanlist.txt");
    items.SetSorted(false);
  }

  std::vector<std::string> HeaderLines() const {
    return {";  ", ";  - Krellix -- (c) Test", ";  - File saved on: 2024-06-01 13:05:09", ";  - ",
            ";  "};
  }

  std::string Save() {
    return FileSelectedItems(writer, items, log,
                             [&](const std::string& s) { statuses.push_back(s); });
  }

  test::TempTree tree;
  Clock clock;
  ActivityLog log{clock};
  OutputOptions options;
  std::string header1 = "unset";
  ItemList items;
  ScanState scan;
  ScriptedDialogs dialogs;
  ScriptedPrompter prompter;
  LocaleFormat locale;
  std::vector<std::string> statuses;
  std::string scan_text = "*.txt";
  WriteOutputFile writer{{options, header1, items, scan, dialogs, prompter, log, clock, locale,
                          [&](const std::string& s) { statuses.push_back(s); },
                          [&] { return scan_text; }, "Krellix", "(c) Test"}};
};

TEST_F(OutputWriterTest, EmptyListWithDefaultOptionsGetsHeaderAndStatistics) {
  EXPECT_EQ(Save(), "Saved_Item_count=0");
  std::vector<std::string> want = HeaderLines();
  want.insert(want.end(), kEmptyListStatistics.begin(), kEmptyListStatistics.end());
  EXPECT_EQ(test::ReadWholeFile(options.SaveName), test::CrLfLines(want));
  EXPECT_EQ(header1, "- File saved on: 2024-06-01 13:05:09");
  EXPECT_EQ(statuses, (std::vector<std::string>{"Writing to scanlist.txt", "Saved_Item_count=0"}));
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"2024/06/01 13:05:09 Save " + options.SaveName,
                                                   "2024/06/01 13:05:09 Saved_Item_count=0"}));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OutputWriterTest, SavesEveryItemAsARowUnderTheTitles) {
  items.AddItem({":", "DATA", "/d/", "b.txt", "2048", "2024-01-02 03:04"}, ItemOrder::kPath);
  items.AddItem({".", "", "/d/", "sub", "0", "2023-12-31 23:59"}, ItemOrder::kPath);
  items.SetSelected(1, true);
  options.Headers = options.Statistics = false;
  options.Titles = true;
  // A name that is not UTF-8 is created with its bytes as they are.
  options.SaveName = tree.Path("list\xFF.txt");
  EXPECT_EQ(Save(), "Saved_Item_count=2");
  EXPECT_EQ(test::ReadWholeFile(options.SaveName),
            test::CrLfLines({"Attr \t Volume \t Path\\Filename \t Size \t Date",
                             ": \t DATA \t /d/b.txt \t 2048 \t 2024-01-02 03:04",
                             ". \t /d/sub \t 0 \t 2023-12-31 23:59"}));
  EXPECT_EQ(header1, "unset");
  EXPECT_EQ(log.Lines().back(), "2024/06/01 13:05:09 Saved_Item_count=2");
}

TEST_F(OutputWriterTest, StatisticsCoverTheWholeList) {
  items.AddItem({":", "", "/d/", "a", "1536", "2024-01-02 03:04"}, ItemOrder::kPath);
  items.AddItem({":", "", "/d/", "b", "512", "2020-05-06 07:08"}, ItemOrder::kPath);
  options.Headers = false;
  Save();
  const std::string text = test::ReadWholeFile(options.SaveName);
  EXPECT_NE(text.find("\r\n;  Total number 2\r\n;    Total size 2 Kbytes\r\n"
                      "; Smallest size 0.500 Kbytes\r\n; Smallest name /d/b\r\n"
                      ";  Largest size 1.500 Kbytes\r\n;  Largest name /d/a\r\n"
                      ";   Oldest date 2020-05-06 07:08\r\n;   Oldest name /d/b\r\n"
                      "; Youngest date 2024-01-02 03:04\r\n; Youngest name /d/a\r\n;  \r\n"),
            std::string::npos)
      << text;
}

TEST_F(OutputWriterTest, ExistingFileFollowsTheChosenMode) {
  struct Case {
    const char* name;
    bool prompt, replace, append;
    SaveMode answer;  // of the "Saving file" prompt
    SaveMode want;
    bool asked;
  };
  const Case cases[] = {
      {"prompt, Replace", true, false, false, SaveMode::kReplace, SaveMode::kReplace, true},
      {"prompt, Append", true, false, false, SaveMode::kAppend, SaveMode::kAppend, true},
      {"prompt, Cancel", true, false, false, SaveMode::kCancel, SaveMode::kCancel, true},
      {"replace", false, true, false, SaveMode::kCancel, SaveMode::kReplace, false},
      {"append", false, false, true, SaveMode::kCancel, SaveMode::kAppend, false},
      {"none of the three", false, false, false, SaveMode::kReplace, SaveMode::kCancel, false},
  };
  options.Headers = options.Statistics = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(options.SaveName, std::ios::binary) << "old\r\n";
    dialogs.asked.clear();
    dialogs.answer = c.answer;
    options.OutFilePrompt = c.prompt;
    options.OutFileReplace = c.replace;
    options.OutFileAppend = c.append;
    EXPECT_EQ(writer.Init(), c.want);
    EXPECT_EQ(dialogs.asked.size(), c.asked ? 1u : 0u);
    writer.Write({":", "", "/d/", "new", "1", "2024-01-01 00:00"});
    EXPECT_EQ(writer.Close(), c.want != SaveMode::kCancel);
    const std::string row = ": \t /d/new \t 1 \t 2024-01-01 00:00\r\n";
    const std::string want = c.want == SaveMode::kReplace  ? row
                             : c.want == SaveMode::kAppend ? "old\r\n" + row
                                                           : "old\r\n";
    EXPECT_EQ(test::ReadWholeFile(options.SaveName), want);
  }
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OutputWriterTest, NewFileIsCreatedWithoutAsking) {
  options.OutFilePrompt = false;  // not even "Replace" is needed for a new file
  EXPECT_EQ(writer.Init(), SaveMode::kReplace);
  EXPECT_TRUE(writer.Close());
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_TRUE(FileExists(options.SaveName));
}

TEST_F(OutputWriterTest, AppendingAddsASecondHeaderBlockAndTitleRow) {
  options.Statistics = false;
  options.Titles = true;
  options.OutFilePrompt = false;
  options.OutFileAppend = true;
  Save();
  Save();
  std::vector<std::string> block = HeaderLines();
  block.push_back("Attr \t Volume \t Path\\Filename \t Size \t Date");
  EXPECT_EQ(test::ReadWholeFile(options.SaveName), test::CrLfLines(block) + test::CrLfLines(block));
}

TEST_F(OutputWriterTest, CancelledDialogWritesNothing) {
  dialogs.save = false;
  dialogs.edit = [](OutputOptions& o) { o.Quotes = true; };
  EXPECT_EQ(Save(), "Save_file=cancelled");
  EXPECT_FALSE(options.Quotes);
  EXPECT_FALSE(FileExists(options.SaveName));
  EXPECT_EQ(statuses, std::vector<std::string>{"Save_file=cancelled"});
  EXPECT_EQ(log.Lines(), std::vector<std::string>{"2024/06/01 13:05:09 Save_file=cancelled"});
}

TEST_F(OutputWriterTest, FileThatCannotBeOpenedIsReportedAndNothingIsWritten) {
  options.SaveName = tree.Path("missing/scanlist.txt");
  EXPECT_EQ(writer.Init(), SaveMode::kReplace);
  EXPECT_FALSE(writer.IsOpen());
  EXPECT_FALSE(writer.Write({":", "", "/d/", "a", "1", "2024-01-01 00:00"}));
  EXPECT_FALSE(writer.Close());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Cannot open: " + options.SaveName + " (No such file or directory)");
  EXPECT_TRUE(log.Lines().empty());
  EXPECT_EQ(header1, "unset");
  EXPECT_TRUE(statuses.empty());
  EXPECT_FALSE(DirectoryExists(tree.Path("missing")));

  items.AddItem({":", "", "/d/", "a", "1", "2024-01-01 00:00"}, ItemOrder::kPath);
  EXPECT_EQ(Save(), "Saved_Item_count=0");
}

TEST_F(OutputWriterTest, FullDiskIsReportedAsCloseFailure) {
  if (!FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  options.SaveName = "/dev/full";
  options.OutFilePrompt = false;
  options.OutFileReplace = true;
  items.AddItem({":", "", "/d/", "a", "1", "2024-01-01 00:00"}, ItemOrder::kPath);
  EXPECT_EQ(Save(), "Saved_Item_count=0");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Close failed for: /dev/full (No space left on device)");
}

TEST_F(OutputWriterTest, TheOldFileStaysWholeUntilTheNewOneIsComplete) {
  const std::string old_text = test::CrLfLines({"old row"});
  std::ofstream(options.SaveName, std::ios::binary) << old_text;
  options.OutFilePrompt = false;
  options.OutFileReplace = true;
  ASSERT_EQ(writer.Init(), SaveMode::kReplace);
  ASSERT_TRUE(writer.Write({":", "", "/d/", "a.txt", "1", "2024-01-01 00:00"}));
  EXPECT_EQ(test::ReadWholeFile(options.SaveName), old_text);
  ASSERT_TRUE(writer.Close());
  EXPECT_NE(test::ReadWholeFile(options.SaveName).find("/d/a.txt"), std::string::npos);

  // A disk that fills up during the save (here the process's file size limit): the message
  // says why, and the old file is still there, whole.
  const std::string saved = test::ReadWholeFile(options.SaveName);
  for (int i = 0; i < 2000; ++i) {
    items.Add(BuildItemEntry({":", "", "/d/", "f" + std::to_string(i), "1", "2024-01-01 00:00"},
                             ItemOrder::kPath));
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(10);
    const bool zero = Save() == "Saved_Item_count=0";
    const bool told =
        prompter.messages.size() == 1 &&
        prompter.messages[0].text == "Close failed for: " + options.SaveName + " (File too large)";
    std::_Exit(zero && told ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(test::ReadWholeFile(options.SaveName), saved);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree.Root()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(OutputWriterTest, ScanToFileWritesTheScanStringAndNoStatistics) {
  scan.ScanToFile = true;
  options.Headers = false;
  options.ListScan = true;
  options.OutputSep = ",";
  ScanOutputFile output(writer);
  ASSERT_EQ(output.Init(), 1);
  output.Write({":", "", "/d/", "a.txt", "1", "2024-01-01 00:00"});
  scan_text = "*.doc";  // read anew for every row
  output.Write({":", "", "/d/", "b.doc", "2", "2024-01-01 00:00"});
  EXPECT_EQ(output.Close(), 3);
  EXPECT_EQ(test::ReadWholeFile(options.SaveName),
            test::CrLfLines({"*.txt , : , /d/a.txt , 1 , 2024-01-01 00:00",
                             "*.doc , : , /d/b.doc , 2 , 2024-01-01 00:00"}));
}

TEST_F(OutputWriterTest, ScanToFileRunsNoScanWithoutAnOpenFile) {
  scan.ScanToFile = true;
  ScanOutputFile output(writer);
  dialogs.save = false;
  EXPECT_EQ(output.Init(), 3);
  dialogs.save = true;
  options.SaveName = tree.Path("missing/out.txt");
  EXPECT_EQ(output.Init(), 3);
  EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace krellix
