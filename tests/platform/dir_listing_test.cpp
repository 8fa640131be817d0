#include "platform/dir_listing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(SubdirectoryNamesTest, DirectoriesAndLinksToThemOnly) {
  test::TempTree t;
  t.Dir("b");
  t.Dir("a/inner");
  t.Dir(".hidden");
  t.File("file.txt");
  ASSERT_EQ(::symlink(t.Path("a").c_str(), t.Path("link").c_str()), 0);
  ASSERT_EQ(::symlink(t.Path("file.txt").c_str(), t.Path("file link").c_str()), 0);
  ASSERT_EQ(::symlink(t.Path("gone").c_str(), t.Path("dangling").c_str()), 0);
  std::vector<std::string> names = SubdirectoryNames(t.Root());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "link"}));
  EXPECT_TRUE(SubdirectoryNames(t.Path("b")).empty());
  EXPECT_TRUE(SubdirectoryNames(t.Path("no such dir")).empty());
  EXPECT_TRUE(SubdirectoryNames(t.Path("file.txt")).empty());
}

}  // namespace
}  // namespace krellix
