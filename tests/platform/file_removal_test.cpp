#include "platform/file_removal.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/child_process.h"
#include "support/temp_trash.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

[[maybe_unused]] const auto* const kTrash =
    ::testing::AddGlobalTestEnvironment(new test::TempTrashHome);

TEST(PurgePathTest, RemovesTreesWithoutFollowingLinks) {
  test::TempTree t;
  t.File("outside/keep.txt", 4);
  t.File("tree/sub/a.txt", 4);
  t.File("tree/ro.txt", 4);
  ::chmod(t.Path("tree/ro.txt").c_str(), 0444);
  t.Link("tree/sub/to_outside", t.Path("outside"));
  t.Link("file_link", t.Path("outside/keep.txt"));
  ASSERT_TRUE(PurgePath(t.Path("tree")));
  ASSERT_TRUE(PurgePath(t.Path("file_link")));
  EXPECT_FALSE(fs::exists(t.Path("tree")));
  EXPECT_FALSE(fs::is_symlink(t.Path("file_link")));
  EXPECT_EQ(fs::file_size(t.Path("outside/keep.txt")), 4u);

  const FileResult missing = PurgePath(t.Path("tree"));
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.Error().code, ENOENT);
}

TEST(MoveToTrashTest, FilesAndFoldersCanBeRestored) {
  test::TempTree t;
  t.File("old.txt", 7);
  t.File("folder/inner.txt", 3);
  ASSERT_TRUE(MoveToTrash(t.Path("old.txt")));
  ASSERT_TRUE(MoveToTrash(t.Path("folder")));
  EXPECT_FALSE(fs::exists(t.Path("old.txt")));
  EXPECT_FALSE(fs::exists(t.Path("folder")));
  const std::string trash = test::TempTrashHome::TrashDir();
  EXPECT_EQ(fs::file_size(trash + "files/old.txt"), 7u);
  EXPECT_EQ(fs::file_size(trash + "files/folder/inner.txt"), 3u);
  // Where it came from, for the restore.
  EXPECT_NE(test::ReadWholeFile(trash + "info/old.txt.trashinfo").find("Path="), std::string::npos);

  const FileResult missing = MoveToTrash(t.Path("old.txt"));
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.Error().code, ENOENT);
}

// A file system where the user can make no trash folder: nothing is removed.
TEST(MoveToTrashTest, NoTrashRemovesNothing) {
  test::TempTree t;
  const std::string mount = t.Dir("other");
  ::chmod(t.Root().c_str(), 0755);
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount and then drop to a normal user";
  const int code = test::InChild([&] {
    if (::unshare(CLONE_NEWNS) != 0) return test::kCannotSetUp;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
      return test::kCannotSetUp;
    if (::mount("none", mount.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
      return test::kCannotSetUp;
    }
    fs::create_directory(mount + "/open");
    ::chmod((mount + "/open").c_str(), 0777);
    return test::AsNormalUser([&] {
      std::ofstream(mount + "/open/f.txt") << "data";
      const FileResult r = MoveToTrash(mount + "/open/f.txt");
      if (r || r.Error().code != ENOTSUP) return 1;
      if (r.Error().reason != "No Trash can take files from this file system") return 2;
      return test::ReadWholeFile(mount + "/open/f.txt") == "data" ? 0 : 3;
    });
  });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace krellix
