#include "platform/file_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "support/child_process.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

struct stat Lstat(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st;
}

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

TEST(CopyEntryTest, TreesLinksAndOddNamesArriveWhole) {
  test::TempTree t;
  t.File("src/a.txt", 5, 1200000000);
  t.File("src/sub/deep/b.bin", 70000, 1300000000);
  const std::string odd = std::string("src/caf\xe9\xff.txt");  // not UTF-8
  t.File(odd, 3);
  t.Link("src/link", "a.txt");
  t.Link("src/dangling", "/no/such/file");
  ::chmod(t.Path("src/sub").c_str(), 0750);
  ::mkfifo(t.Path("src/pipe").c_str(), 0640);
  ::utimensat(AT_FDCWD, t.Path("src/sub").c_str(),
              std::array<timespec, 2>{timespec{0, UTIME_OMIT}, timespec{1100000000, 0}}.data(), 0);

  const CopyResult r = CopyEntry(t.Path("src"), t.Path("new/place/dst"), false);
  ASSERT_TRUE(r.Ok()) << r.result.Error().reason;
  EXPECT_EQ(r.target, t.Path("new/place/dst"));
  EXPECT_EQ(test::EntriesBelow(t.Path("src")), test::EntriesBelow(t.Path("new/place/dst")));
  EXPECT_EQ(r.counts.items, 9);  // 6 entries, 2 folders below src and src itself
  EXPECT_EQ(r.counts.bytes, 5 + 70000 + 3);
  EXPECT_EQ(test::ReadWholeFile(t.Path("new/place/dst/" + odd.substr(4))), "xxx");
  EXPECT_EQ(fs::read_symlink(t.Path("new/place/dst/link")), "a.txt");
  EXPECT_EQ(fs::read_symlink(t.Path("new/place/dst/dangling")), "/no/such/file");
  EXPECT_TRUE(S_ISFIFO(Lstat(t.Path("new/place/dst/pipe")).st_mode));
  EXPECT_EQ(Lstat(t.Path("new/place/dst/sub")).st_mode & 07777, 0750u);
  EXPECT_EQ(Lstat(t.Path("new/place/dst/sub")).st_mtime, 1100000000);
  EXPECT_EQ(Lstat(t.Path("new/place/dst/sub/deep/b.bin")).st_mtime, 1300000000);

  // A taken name gives a free one; the existing entry is untouched.
  const CopyResult again = CopyEntry(t.Path("src/a.txt"), t.Path("new/place/dst/a.txt"), false);
  ASSERT_TRUE(again.Ok());
  EXPECT_EQ(again.target, t.Path("new/place/dst/a (2).txt"));
  const CopyResult dir_again = CopyEntry(t.Path("src/sub"), t.Path("new/place/dst/sub"), false);
  EXPECT_EQ(dir_again.target, t.Path("new/place/dst/sub (2)"));
  EXPECT_TRUE(fs::is_regular_file(t.Path("new/place/dst/sub (2)/deep/b.bin")));
}

TEST(CopyDirectoryContentsTest, CollisionsReplaceAndSelfCopies) {
  test::TempTree t;
  t.File("src/a.txt", 1);
  t.File("src/sub/b.txt", 2);
  t.File("dst/a.txt", 9);
  t.File("dst/sub/b.txt", 9);
  t.File("dst/sub/keep.txt", 9);

  // Without replace the taken top-level names get free names.
  CopyResult r = CopyDirectoryContents(t.Path("src"), t.Path("dst"), false);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(test::EntriesBelow(t.Path("dst")),
            (std::vector<std::string>{"a (2).txt", "a.txt", "sub", "sub (2)", "sub (2)/b.txt",
                                      "sub/b.txt", "sub/keep.txt"}));
  EXPECT_EQ(fs::file_size(t.Path("dst/a.txt")), 9u);

  // With replace, folders merge and files are replaced.
  r = CopyDirectoryContents(t.Path("src"), t.Path("dst"), true);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(fs::file_size(t.Path("dst/a.txt")), 1u);
  EXPECT_EQ(fs::file_size(t.Path("dst/sub/b.txt")), 2u);
  EXPECT_EQ(fs::file_size(t.Path("dst/sub/keep.txt")), 9u);

  // Through a link to the folder: its entries, not the link.
  t.Link("via_link", t.Path("src"));
  r = CopyDirectoryContents(t.Path("via_link"), t.Path("linked"), false);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(test::EntriesBelow(t.Path("linked")),
            (std::vector<std::string>{"a.txt", "sub", "sub/b.txt"}));

  // Into itself: free names, never its own copies again.
  r = CopyDirectoryContents(t.Path("src"), t.Path("src/"), false);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(test::EntriesBelow(t.Path("src")),
            (std::vector<std::string>{"a (2).txt", "a.txt", "sub", "sub (2)", "sub (2)/b.txt",
                                      "sub/b.txt"}));

  // Below itself: refused, nothing made.
  r = CopyDirectoryContents(t.Path("src"), t.Path("src/sub/inner"), false);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.result.Error().code, EINVAL);
  EXPECT_EQ(r.result.Error().reason, "Cannot copy a directory into itself");
  EXPECT_FALSE(fs::exists(t.Path("src/sub/inner")));
  EXPECT_FALSE(CopyEntry(t.Path("src"), t.Path("src/sub/x"), false).Ok());
}

// A stop between files, or between the pieces of a big file, removes what the copy made.
TEST(CopyEntryTest, AStopRemovesThePartialTarget) {
  test::TempTree t;
  t.File("src/one.txt", 10);
  t.File("src/two.txt", 10);
  t.File("big.bin", 40 << 20);
  t.File("dst/old.txt", 3);
  std::vector<CopyCounts> seen;
  const CopyProgress stop_at_second = [&](const CopyCounts& c) {
    seen.push_back(c);
    return seen.size() < 2;
  };
  const CopyResult r = CopyDirectoryContents(t.Path("src"), t.Path("dst"), false, stop_at_second);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.result.Error().code, kCopyStopped);
  EXPECT_EQ(r.left, "");
  EXPECT_EQ(test::EntriesBelow(t.Path("dst")), std::vector<std::string>{"old.txt"});
  EXPECT_EQ(test::EntriesBelow(t.Path("src")), (std::vector<std::string>{"one.txt", "two.txt"}));
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].items, 1);
  EXPECT_EQ(seen[1].bytes, 20);

  int calls = 0;
  const CopyResult big =
      CopyEntry(t.Path("big.bin"), t.Path("dst/old.txt"), true,
                [&](const CopyCounts& c) { return ++calls, c.bytes < (20 << 20); });
  ASSERT_FALSE(big.Ok());
  EXPECT_GE(calls, 2);  // asked between pieces, before the end
  EXPECT_EQ(test::ReadWholeFile(t.Path("dst/old.txt")), "xxx");
  EXPECT_EQ(test::EntriesBelow(t.Path("dst")), std::vector<std::string>{"old.txt"});
}

// The failures a user meets, each naming the file and its reason, none leaving a partial file.
TEST(CopyEntryTest, FailuresNameTheFileAndLeaveNothing) {
  test::TempTree t;
  t.File("src.txt", 10);
  t.Dir("dst");
  const std::string long_name = t.Path("dst/" + std::string(300, 'n'));
  CopyResult r = CopyEntry(t.Path("src.txt"), long_name, false);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.result.Error().code, ENAMETOOLONG);
  EXPECT_EQ(r.result.Error().path, long_name);

  r = CopyEntry(t.Path("gone.txt"), t.Path("dst/gone.txt"), false);
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.result.Error().code, ENOENT);
  EXPECT_EQ(r.result.Error().path, t.Path("gone.txt"));
  EXPECT_TRUE(test::EntriesBelow(t.Path("dst")).empty());
}

TEST(CopyEntryTest, FullDiskKeepsTheOldTargetAndLeavesNoPiece) {
  test::TempTree t;
  t.File("big.bin", 1 << 20);
  t.File("src/small.txt", 10);
  t.File("src/big.bin", 1 << 20);
  const std::string mount = t.Dir("small");
  const int code = test::WithTmpfs(mount, "256k", [&] {
    std::ofstream(mount + "/old.bin") << "old";
    const CopyResult replaced = CopyEntry(t.Path("big.bin"), mount + "/old.bin", true);
    if (replaced.Ok() || replaced.result.Error().code != ENOSPC) return 1;
    if (replaced.result.Error().reason != "No space left on device") return 2;
    if (test::ReadWholeFile(mount + "/old.bin") != "old") return 3;
    const CopyResult tree = CopyDirectoryContents(t.Path("src"), mount + "/new/dir", false);
    if (tree.Ok() || tree.result.Error().path != mount + "/new/dir/big.bin") return 4;
    return test::EntriesBelow(mount) == std::vector<std::string>{"old.bin"} ? 0 : 5;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(code, 0);
}

TEST(CopyEntryTest, ReadOnlyFolderRefuses) {
  test::TempTree t;
  t.File("src.txt", 10);
  t.Dir("locked");
  ::chmod(t.Root().c_str(), 0755);
  ::chmod(t.Path("src.txt").c_str(), 0644);
  ::chmod(t.Path("locked").c_str(), 0555);
  const int code = test::AsNormalUser([&] {
    const CopyResult r = CopyEntry(t.Path("src.txt"), t.Path("locked/src.txt"), false);
    if (r.Ok() || r.result.Error().code != EACCES) return 1;
    return r.result.Error().path == t.Path("locked/src.txt") ? 0 : 2;
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "cannot run as a normal user";
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(test::EntriesBelow(t.Path("locked")).empty());
}

}  // namespace
}  // namespace krellix
