#include "platform/file_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(CopyOneFileTest, ReplacesWithTheSourcesBytesPermissionsAndTime) {
  test::TempTree t;
  const std::string source = t.File("src.bin", 3 << 20, 1000000000);
  ::chmod(source.c_str(), 0604);
  t.File("dst.bin", 10);
  std::string error;
  ASSERT_EQ(CopyOneFile(source, t.Path("dst.bin"), true, error), t.Path("dst.bin")) << error;
  EXPECT_EQ(test::ReadWholeFile(t.Path("dst.bin")), test::ReadWholeFile(source));
  struct stat st {};
  ASSERT_EQ(::stat(t.Path("dst.bin").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
  EXPECT_EQ(st.st_mtime, 1000000000);
  // Nothing but the two files: no temporary file is left.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.Root()),
                          std::filesystem::directory_iterator()),
            2);

  EXPECT_FALSE(CopyOneFile(t.Path("missing"), t.Path("x"), true, error));
  EXPECT_EQ(error, "No such file or directory");
}

}  // namespace
}  // namespace krellix
