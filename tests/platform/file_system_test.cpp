#include "platform/file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/attributes.h"
#include "platform/block_entry_facts.h"
#include "platform/dir_block.h"
#include "platform/volume_labels.h"
#include "platform/wall_time.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(PathPartsTest, SplitAtTheLastDelimiter) {
  EXPECT_EQ(WithTrailingDelim("/a"), "/a/");
  EXPECT_EQ(WithTrailingDelim("/a/"), "/a/");
  EXPECT_EQ(DirectoryPart("/a/b.txt"), "/a/");
  EXPECT_EQ(NamePart("/a/b.txt"), "b.txt");
  EXPECT_EQ(DirectoryPart("b.txt"), "");
}

TEST(DiskSpaceTest, RootHasRoomAndMissingPathsFail) {
  std::uint64_t total = 0, free = 0;
  ASSERT_TRUE(DiskSpace("/", total, free));
  EXPECT_GT(total, 0u);
  EXPECT_LE(free, total);
  EXPECT_FALSE(DiskSpace("/no/such/place", total, free));
}

TEST(MountInfoTest, KeepsRealFileSystemsWithUnescapedPaths) {
  const std::string text =
      "22 1 254:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
      "23 22 0:21 / /proc rw - proc proc rw\n"
      "24 22 0:5 / /dev rw - devtmpfs udev rw\n"
      "30 22 8:17 / /media/My\\040Disk rw - vfat /dev/sdb1 rw\n"
      "31 22 0:40 / /tmp rw - tmpfs tmpfs rw\n"
      "garbage line\n";
  const auto mounts = ParseMountInfo(text);
  ASSERT_EQ(mounts.size(), 3u);
  EXPECT_EQ(mounts[0].path, "/");
  EXPECT_EQ(mounts[1].path, "/media/My Disk/");
  EXPECT_EQ(mounts[1].fs_type, "vfat");
  EXPECT_EQ(mounts[2].path, "/tmp/");
  EXPECT_EQ(MountPointOf("/media/My Disk/photos/a.jpg", mounts), "/media/My Disk/");
  EXPECT_EQ(MountPointOf("/media/My", mounts), "/");
  EXPECT_EQ(MountPointOf("/tmp", mounts), "/tmp/");
}

TEST(MountInfoTest, ABackslashBeforeNoOctalByteStaysAsItIs) {
  const auto mounts = ParseMountInfo("30 22 8:17 / /mnt/a\\9z9\\134 rw - ext4 /dev/sdb1 rw\n");
  ASSERT_EQ(mounts.size(), 1u);
  EXPECT_EQ(mounts[0].path, "/mnt/a\\9z9\\/");
}

TEST(UserDirsTest, DocumentsFolderWithHomeSubstituted) {
  const std::string text =
      "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
  EXPECT_EQ(DocumentsFromUserDirs(text, "/home/u"), "/home/u/Dokumente");
  EXPECT_EQ(DocumentsFromUserDirs("", "/home/u"), "");
}

TEST(VolumeLabelsTest, UnescapesUdevNamesAndCachesMisses) {
  EXPECT_EQ(UnescapeUdevName("My\\x20Disk"), "My Disk");
  EXPECT_EQ(UnescapeUdevName("plain"), "plain");
  EXPECT_EQ(UnescapeUdevName("bad\\x2"), "bad\\x2");
  VolumeLabels labels("/nonexistent-by-label");
  EXPECT_EQ(labels.LabelOfDevice(1234), "");
  EXPECT_EQ(labels.LabelOfPath("/nonexistent/path"), "Unknown");
}

TEST(BlockEntryFactsTest, AttributesFromPosixFacts) {
  test::TempTree t;
  t.File("plain.txt", 5);
  t.File(".hidden", 1);
  const std::string ro = t.File("readonly.txt");
  ::chmod(ro.c_str(), 0444);
  t.Dir("sub");
  t.Link("link_to_sub", "sub");
  t.Link("dangling", "nowhere");
  ::mkfifo(t.Path("fifo").c_str(), 0644);

  LocalTimeConverter times;
  std::vector<char> scratch;
  for (const bool stat_all : {false, true}) {
    DirBlock block;
    ASSERT_TRUE(block.Read(AT_FDCWD, t.Root().c_str(), stat_all, scratch));
    BlockEntryFacts facts(block, times);
    std::map<std::string, std::uint32_t> seen;
    std::map<std::string, std::int64_t> sizes;
    for (std::size_t i = 0; i < block.Count(); ++i) {
      facts.MoveTo(i);
      seen[block.Name(i)] = facts.Attributes();
      sizes[block.Name(i)] = facts.Size();
    }
    EXPECT_EQ(seen.count("."), 1u);
    EXPECT_EQ(seen.count(".."), 1u);
    EXPECT_EQ(seen["."] & attr::kHidden, 0u);
    EXPECT_EQ(seen["plain.txt"], attr::kNormal);
    EXPECT_EQ(sizes["plain.txt"], 5);
    EXPECT_EQ(seen[".hidden"], attr::kHidden);
    EXPECT_EQ(seen["readonly.txt"], attr::kReadOnly);
    EXPECT_EQ(seen["sub"], attr::kDirectory);
    EXPECT_EQ(sizes["sub"], 0);
    EXPECT_EQ(seen["link_to_sub"], attr::kDirectory);
    EXPECT_EQ(seen["dangling"], 0u);
    EXPECT_EQ(seen["fifo"], attr::kSystem);
  }
  DirBlock file;
  EXPECT_FALSE(file.Read(AT_FDCWD, t.Path("plain.txt").c_str(), false, scratch));
}

TEST(BlockEntryFactsTest, ModifiedTimeKeepsTwoSecondSteps) {
  test::TempTree t;
  t.File("odd", 0, 1'000'000'001);
  LocalTimeConverter times;
  std::vector<char> scratch;
  DirBlock block;
  ASSERT_TRUE(block.Read(AT_FDCWD, t.Root().c_str(), true, scratch));
  BlockEntryFacts facts(block, times);
  bool found = false;
  for (std::size_t i = 0; i < block.Count(); ++i) {
    if (std::string(block.Name(i)) != "odd") continue;
    facts.MoveTo(i);
    EXPECT_EQ(facts.Modified(), times.FromUtc(1'000'000'000));
    found = true;
  }
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace krellix
