#include "platform/dir_block.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>

#include "support/temp_tree.h"

namespace krellix {
namespace {

// Name to "is a directory" for every entry of a block.
std::map<std::string, bool> Listing(DirBlock& b) {
  std::map<std::string, bool> out;
  for (std::size_t i = 0; i < b.Count(); ++i) out[b.Name(i)] = b.IsDirectory(i);
  return out;
}

TEST(DirBlockTest, ReadsEveryEntryWithTypesAndLinks) {
  test::TempTree t;
  t.File("file.txt", 5);
  t.Dir("sub");
  ASSERT_EQ(::symlink("sub", t.Path("to_sub").c_str()), 0);
  ASSERT_EQ(::symlink("gone", t.Path("dangling").c_str()), 0);
  std::vector<char> scratch;
  DirBlock b;
  ASSERT_TRUE(b.Read(AT_FDCWD, t.Root().c_str(), false, scratch));
  EXPECT_EQ(Listing(b), (std::map<std::string, bool>{{".", true},
                                                     {"..", true},
                                                     {"dangling", false},
                                                     {"file.txt", false},
                                                     {"sub", true},
                                                     {"to_sub", true}}));
  struct stat st {};
  ASSERT_EQ(::stat(t.Root().c_str(), &st), 0);
  EXPECT_EQ(b.DirInode(), st.st_ino);
  for (std::size_t i = 0; i < b.Count(); ++i) {
    const std::string name = b.Name(i);
    if (name == "file.txt") {
      // Not read up front without stat_all; read on demand.
      EXPECT_EQ(b.At(i).stat_state, DirBlock::StatState::kNotRead);
      EXPECT_EQ(b.Stated(i).stat.size, 5u);
    }
    if (name == "dangling") {
      EXPECT_EQ(b.At(i).stat_state, DirBlock::StatState::kRead);
      EXPECT_TRUE(S_ISLNK(b.At(i).stat.mode));
    }
  }
  DirBlock child;
  ASSERT_TRUE(child.Read(b.Fd(), "to_sub", true, scratch));
  EXPECT_EQ(child.Count(), 2u);
}

TEST(DirBlockTest, UnreadableTargetsGiveNoBlock) {
  test::TempTree t;
  t.File("file.txt");
  std::vector<char> scratch;
  DirBlock b;
  EXPECT_FALSE(b.Read(AT_FDCWD, t.Path("missing").c_str(), false, scratch));
  EXPECT_FALSE(b.Read(AT_FDCWD, t.Path("file.txt").c_str(), false, scratch));
  EXPECT_FALSE(b.Ok());
  EXPECT_EQ(b.Count(), 0u);
}

TEST(DirBlockTest, LargeDirectoriesAreReadWhole) {
  test::TempTree t;
  for (int i = 0; i < 3000; ++i) t.File("d/file_with_a_longish_name_" + std::to_string(i));
  std::vector<char> scratch;
  DirBlock b;
  ASSERT_TRUE(b.Read(AT_FDCWD, t.Path("d").c_str(), true, scratch));
  EXPECT_EQ(b.Count(), 3002u);
  // Every entry's metadata came with the listing, but that of "." and "..", never items.
  for (std::size_t i = 0; i < b.Count(); ++i) {
    EXPECT_EQ(b.At(i).stat_state, IsDotEntryName(b.Name(i)) ? DirBlock::StatState::kNotRead
                                                            : DirBlock::StatState::kRead)
        << b.Name(i);
  }
}

}  // namespace
}  // namespace krellix
