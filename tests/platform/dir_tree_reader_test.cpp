#include "platform/dir_tree_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_tree.h"

namespace krellix {
namespace {

// Entry index of `name` in a block; Count() when there is none.
std::size_t IndexOf(DirBlock& b, const std::string& name) {
  for (std::size_t i = 0; i < b.Count(); ++i) {
    if (name == b.Name(i)) return i;
  }
  return b.Count();
}

// Walks depth-first through the reader as the scan does, entering the sub-directories that
// `enter` accepts, and lists every file it sees as "dir/.../name".
std::vector<std::string> WalkAll(DirTreeReader& reader, const std::string& root,
                                 const DirTreeReader::Options& options,
                                 const std::function<bool(const std::string&)>& enter) {
  std::vector<std::string> seen;
  std::function<void(DirTreeReader::Dir&, const std::string&)> walk = [&](DirTreeReader::Dir& dir,
                                                                          const std::string& rel) {
    DirBlock& b = dir.Block();
    EXPECT_TRUE(b.Ok()) << rel;
    for (std::size_t i = 0; i < b.Count(); ++i) {
      const std::string name = b.Name(i);
      if (name == "." || name == "..") continue;
      if (!b.IsDirectory(i)) {
        seen.push_back(rel + name);
      } else if (enter(rel + name + "/")) {
        const DirTreeReader::DirRef child = reader.Enter(dir, i);
        walk(*child, rel + name + "/");
      }
    }
  };
  const DirTreeReader::DirRef top = reader.Open(root, options);
  walk(*top, "");
  std::sort(seen.begin(), seen.end());
  return seen;
}

// 3 x 4 directories of 5 files: enough for the workers to run ahead of the walk.
std::vector<std::string> MakeTree(test::TempTree& t) {
  std::vector<std::string> files;
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 4; ++b) {
      for (int f = 0; f < 5; ++f) {
        const std::string rel =
            "a" + std::to_string(a) + "/b" + std::to_string(b) + "/f" + std::to_string(f);
        t.File(rel);
        files.push_back(rel);
      }
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(DirTreeReaderTest, EveryDirectoryEnteredGivesItsOwnEntries) {
  test::TempTree t;
  const std::vector<std::string> files = MakeTree(t);
  for (unsigned workers : {1u, 8u}) {
    DirTreeReader reader(workers);
    EXPECT_EQ(reader.Workers(), workers);
    for (bool stat_all : {false, true}) {
      DirTreeReader::Options options;
      options.stat_all = stat_all;
      EXPECT_EQ(WalkAll(reader, t.Root(), options, [](const std::string&) { return true; }), files)
          << workers;
    }
    // Passing over directories drops what was read below them; the rest still comes right.
    std::vector<std::string> some;
    for (const std::string& f : files) {
      if (f.starts_with("a1/") || f.starts_with("a2/b3/")) continue;
      some.push_back(f);
    }
    EXPECT_EQ(WalkAll(reader, t.Root(), {},
                      [](const std::string& rel) { return rel != "a1/" && rel != "a2/b3/"; }),
              some)
        << workers;
  }
}

TEST(DirTreeReaderTest, ExcludedDirectoriesAreReadOnlyWhenEntered) {
  test::TempTree t;
  MakeTree(t);
  DirTreeReader reader(2);
  DirTreeReader::Options options;
  options.excluded = {t.Path("a1/")};
  const DirTreeReader::DirRef top = reader.Open(t.Root(), options);
  // Written after the walk began: a directory read ahead might miss it, one read on entering
  // cannot.
  t.File("a1/late");
  const DirTreeReader::DirRef a1 = reader.Enter(*top, IndexOf(top->Block(), "a1"));
  EXPECT_LT(IndexOf(a1->Block(), "late"), a1->Block().Count());
}

TEST(DirTreeReaderTest, LinkLoopsAndMissingDirectoriesEndTheReadsAhead) {
  test::TempTree t;
  t.File("a/b/f");
  t.Link("a/b/up", "../..");  // back to the top
  DirTreeReader reader(2);
  const DirTreeReader::DirRef top = reader.Open(t.Root(), {});
  const DirTreeReader::DirRef a = reader.Enter(*top, IndexOf(top->Block(), "a"));
  const DirTreeReader::DirRef b = reader.Enter(*a, IndexOf(a->Block(), "b"));
  const DirTreeReader::DirRef up = reader.Enter(*b, IndexOf(b->Block(), "up"));
  EXPECT_TRUE(up->Block().Ok());
  EXPECT_EQ(up->Block().DirInode(), top->Block().DirInode());

  EXPECT_FALSE(reader.Open(t.Path("missing/"), {})->Block().Ok());
}

std::size_t OpenFiles() {
  return static_cast<std::size_t>(std::distance(
      std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
}

TEST(DirTreeReaderTest, ReadsAheadStopAtTheirBound) {
  test::TempTree t;
  for (int i = 0; i < 400; ++i) t.Dir("d" + std::to_string(i) + "/e");
  const std::size_t before = OpenFiles();
  DirTreeReader reader(2);
  const std::size_t bound = 32 + 8 * 2;
  const DirTreeReader::DirRef top = reader.Open(t.Root(), {});
  // Every directory read ahead stays open until the walk takes or drops it.
  std::size_t open = 0;
  for (int settled = 0; settled < 20;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::size_t now = OpenFiles();
    settled = now == open ? settled + 1 : 0;
    open = now;
  }
  EXPECT_GE(open, before + bound);      // the workers did read ahead
  EXPECT_LE(open, before + bound + 3);  // and stopped: the top, and reads under way
}

}  // namespace
}  // namespace krellix
