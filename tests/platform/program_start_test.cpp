#include "platform/program_start.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "support/argv_recorder.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(StartDetachedTest, EachArgumentArrivesWholeAndNothingElseRuns) {
  test::TempTree tree;
  const std::string out = tree.Path("args");
  const std::string script = test::ArgvRecorder(tree, out);
  const std::string planted = tree.Path("planted");
  const std::vector<std::string> args = {
      tree.Path("my file; touch ") + planted,
      "\"quoted\" 'single' $(touch " + planted + ") `touch " + planted + "`",
      "line\nbreak \xff\xfe",
      "",
  };

  ASSERT_TRUE(StartDetached(script, args).Ok());

  EXPECT_EQ(test::RecordedArgs(out), args);
  EXPECT_FALSE(std::filesystem::exists(planted));
}

TEST(StartDetachedTest, AProgramThatCannotRunFails) {
  test::TempTree tree;
  const std::string plain = tree.File("not a program", 10);
  const struct {
    std::string program;
    int code;
  } kCases[] = {{tree.Path("missing"), ENOENT}, {plain, EACCES}};
  for (const auto& c : kCases) {
    const FileResult result = StartDetached(c.program, {"x"});
    ASSERT_FALSE(result.Ok()) << c.program;
    EXPECT_EQ(result.Error().code, c.code) << c.program;
    EXPECT_EQ(result.Error().path, c.program);
  }
}

}  // namespace
}  // namespace krellix
