#include "platform/crlf_line_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(CrlfLineWriterTest, LinesEndWithCrLfAndReachTheFileAtClose) {
  test::TempTree t;
  const std::string path = t.File("t.txt", 3);
  const std::string old = test::ReadWholeFile(path);
  CrlfLineWriter w;
  EXPECT_FALSE(w.WriteLine("not open"));
  ASSERT_TRUE(w.Open(path, WriteHow::kReplace));
  EXPECT_TRUE(w.WriteLine("a\xff"));
  EXPECT_TRUE(w.WriteLine(""));
  EXPECT_EQ(test::ReadWholeFile(path), old);
  ASSERT_TRUE(w.Close());
  EXPECT_EQ(test::ReadWholeFile(path), "a\xff\r\n\r\n");

  ASSERT_TRUE(w.Open(path, WriteHow::kAppend));
  EXPECT_TRUE(w.WriteLine("b"));
  ASSERT_TRUE(w.Close());
  EXPECT_EQ(test::ReadWholeFile(path), "a\xff\r\n\r\nb\r\n");

  ASSERT_TRUE(w.Open(path, WriteHow::kReplace));
  EXPECT_TRUE(w.WriteLine("dropped"));
  w.Abandon();
  EXPECT_EQ(test::ReadWholeFile(path), "a\xff\r\n\r\nb\r\n");
}

TEST(CrlfLineWriterTest, AFailedWriteIsReportedAtClose) {
  if (!std::ifstream("/dev/full")) GTEST_SKIP() << "no /dev/full";
  CrlfLineWriter w;
  ASSERT_TRUE(w.Open("/dev/full", WriteHow::kReplace));
  const std::string line(1 << 20, 'x');
  bool failed = false;
  for (int i = 0; i < 64 && !failed; ++i) failed = !w.WriteLine(line);
  EXPECT_TRUE(failed);
  EXPECT_FALSE(w.WriteLine("later"));
  const FileResult closed = w.Close();
  ASSERT_FALSE(closed);
  EXPECT_EQ(closed.Error().code, ENOSPC);
  EXPECT_EQ(closed.Error().path, "/dev/full");
}

}  // namespace
}  // namespace krellix
