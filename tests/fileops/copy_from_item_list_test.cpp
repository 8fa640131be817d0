#include "fileops/copy_from_item_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "base/activity_log.h"
#include "platform/clock.h"
#include "platform/file_copy.h"
#include "platform/scripted_prompter.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

void Put(const test::TempTree& t, const std::string& name, const std::string& text) {
  std::ofstream(t.Path(name), std::ios::binary) << text;
}

TEST(FreeTargetNameTest, NumbersBeforeTheExtension) {
  test::TempTree t;
  Put(t, "a.txt", "1");
  Put(t, "a (2).txt", "2");
  Put(t, ".hidden", "3");
  Put(t, "noext", "4");
  EXPECT_EQ(FreeTargetName(t.Path("b.txt")), t.Path("b.txt"));
  EXPECT_EQ(FreeTargetName(t.Path("a.txt")), t.Path("a (3).txt"));
  EXPECT_EQ(FreeTargetName(t.Path(".hidden")), t.Path(".hidden (2)"));
  EXPECT_EQ(FreeTargetName(t.Path("noext")), t.Path("noext (2)"));
}

TEST(CopyFromItemListTest, CopiesKeepsExistingTargetsAndLogs) {
  test::TempTree t;
  Put(t, "src.ini", "new");
  Put(t, "dst.ini", "old");
  Clock clock;
  ActivityLog log(clock);
  ScriptedPrompter prompter;
  EXPECT_EQ(CopyFromItemList(false, 0, t.Path("src.ini"), t.Path("dst.ini"), prompter, log),
            Answer::kOk);
  // Without replace the existing target stays and the copy takes a free name.
  EXPECT_EQ(test::ReadWholeFile(t.Path("dst.ini")), "old");
  EXPECT_EQ(test::ReadWholeFile(t.Path("dst (2).ini")), "new");
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_NE(log.Lines()[0].find("Copied=" + t.Path("src.ini") + " To=" + t.Path("dst (2).ini")),
            std::string::npos);

  EXPECT_EQ(CopyFromItemList(true, 0, t.Path("src.ini"), t.Path("dst.ini"), prompter, log),
            Answer::kOk);
  EXPECT_EQ(test::ReadWholeFile(t.Path("dst.ini")), "new");
  EXPECT_TRUE(prompter.questions.empty());
}

TEST(CopyFromItemListTest, AFailureAsksAndLeavesNothingBehind) {
  test::TempTree t;
  Put(t, "src.ini", "data");
  Clock clock;
  ActivityLog log(clock);
  ScriptedPrompter prompter;
  prompter.answers = {Answer::kCancel};
  // Missing folders above a target are made; a plain file in the way cannot become one.
  Put(t, "plain", "x");
  const std::string target = t.Path("plain/missing/dst.ini");
  EXPECT_EQ(CopyFromItemList(false, 0, t.Path("src.ini"), target, prompter, log), Answer::kCancel);
  ASSERT_EQ(prompter.questions.size(), 1u);
  EXPECT_EQ(prompter.questions[0], "Copy failed for: " + t.Path("src.ini") + "\r\n" + target +
                                       "\r\ncontinue with next items or Cancel?");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Not a directory: " + t.Path("plain/missing"));
  EXPECT_NE(log.Lines().back().find("Copy_Failed="), std::string::npos);
  struct stat st {};
  EXPECT_EQ(::stat(t.Path("plain").c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));

  // A negative line index does nothing.
  EXPECT_EQ(CopyFromItemList(false, -1, t.Path("src.ini"), t.Path("x.ini"), prompter, log),
            Answer::kNo);
  EXPECT_NE(::stat(t.Path("x.ini").c_str(), &st), 0);
}

}  // namespace
}  // namespace krellix
