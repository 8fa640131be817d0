#include "platform/file_move.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "support/child_process.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

TEST(MoveEntryTest, RenamesWithFreeNamesOrReplaces) {
  test::TempTree t;
  t.File("a.txt", 1);
  t.File("b.txt", 2);
  t.File("dst/a.txt", 9);
  CopyResult r = MoveEntry(t.Path("a.txt"), t.Path("dst/a.txt"), false);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.target, t.Path("dst/a (2).txt"));
  EXPECT_EQ(fs::file_size(t.Path("dst/a.txt")), 9u);
  EXPECT_FALSE(fs::exists(t.Path("a.txt")));

  r = MoveEntry(t.Path("b.txt"), t.Path("dst/a.txt"), true);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(fs::file_size(t.Path("dst/a.txt")), 2u);

  // Into new folders, which are made.
  r = MoveEntry(t.Path("dst"), t.Path("x/y/dst"), false);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(test::EntriesBelow(t.Path("x/y/dst")),
            (std::vector<std::string>{"a (2).txt", "a.txt"}));

  // Onto itself, or onto another name of the same file: refused, both names stay.
  ::link(t.Path("x/y/dst/a.txt").c_str(), t.Path("x/y/hard.txt").c_str());
  for (const bool replace : {false, true}) {
    r = MoveEntry(t.Path("x/y/dst/a.txt"), t.Path("x/y/hard.txt"), replace);
    ASSERT_FALSE(r.Ok());
    EXPECT_EQ(r.result.Error().reason, "The source and the target are the same file");
    EXPECT_FALSE(MoveEntry(t.Path("x/y/hard.txt"), t.Path("x/y/hard.txt"), replace).Ok());
  }
  EXPECT_TRUE(fs::exists(t.Path("x/y/dst/a.txt")));
  EXPECT_TRUE(fs::exists(t.Path("x/y/hard.txt")));
  ::unlink(t.Path("x/y/hard.txt").c_str());

  r = MoveEntry(t.Path("x"), t.Path("x/y/inner"), false);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.result.Error().reason, "Cannot move a directory into itself");
  r = MoveEntry(t.Path("gone"), t.Path("x/gone"), false);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.result.Error().path, t.Path("gone"));
}

TEST(MoveDirectoryContentsTest, EntriesMoveAndTheFolderStays) {
  test::TempTree t;
  t.File("src/a.txt", 1);
  t.File("src/sub/b.txt", 2);
  t.File("dst/sub/b.txt", 9);
  t.File("dst/sub/keep.txt", 9);
  CopyResult r = MoveDirectoryContents(t.Path("src"), t.Path("dst"), true);
  ASSERT_TRUE(r.Ok());
  EXPECT_TRUE(test::EntriesBelow(t.Path("src")).empty());
  EXPECT_EQ(test::EntriesBelow(t.Path("dst")),
            (std::vector<std::string>{"a.txt", "sub", "sub/b.txt", "sub/keep.txt"}));
  EXPECT_EQ(fs::file_size(t.Path("dst/sub/b.txt")), 2u);

  r = MoveDirectoryContents(t.Path("dst"), t.Path("dst"), false);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.result.Error().code, EINVAL);
  EXPECT_EQ(test::EntriesBelow(t.Path("dst")).size(), 4u);
}

// To another file system: the source goes only after a whole copy; a copy that cannot finish
// (the target fills up) leaves the source and no piece of the target.
TEST(MoveEntryTest, AcrossFileSystemsCopiesThenRemoves) {
  test::TempTree t;
  t.File("src/a.txt", 10, 1200000000);
  t.File("src/sub/b.txt", 20);
  t.File("huge/big.bin", 1 << 20);
  const std::string mount = t.Dir("other");
  const int code = test::WithTmpfs(mount, "256k", [&] {
    const CopyResult moved = MoveDirectoryContents(t.Path("src"), mount + "/in", false);
    if (!moved.Ok() || !test::EntriesBelow(t.Path("src")).empty()) return 1;
    if (test::EntriesBelow(mount + "/in") != std::vector<std::string>{"a.txt", "sub", "sub/b.txt"})
      return 2;
    struct stat st {};
    if (::stat((mount + "/in/a.txt").c_str(), &st) != 0 || st.st_mtime != 1200000000) return 3;
    const CopyResult full = MoveEntry(t.Path("huge"), mount + "/huge", false);
    if (full.Ok() || full.result.Error().code != ENOSPC || !full.left.empty()) return 4;
    if (test::EntriesBelow(t.Path("huge")) != std::vector<std::string>{"big.bin"}) return 5;
    if (fs::file_size(t.Path("huge/big.bin")) != (1u << 20)) return 6;
    return test::EntriesBelow(mount) ==
                   std::vector<std::string>{"in", "in/a.txt", "in/sub", "in/sub/b.txt"}
               ? 0
               : 7;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace krellix
