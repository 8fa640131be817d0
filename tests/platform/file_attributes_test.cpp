#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/attributes.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(ReadAttributesTest, WordOfAPathFromTheFileSystem) {
  test::TempTree tree;
  const std::string dir = tree.Dir("sub");
  const std::string plain = tree.File("plain.txt");
  const std::string locked = tree.File("locked.txt");
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  const std::string hidden = tree.File(".hidden");

  struct Case {
    std::string path;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {dir, attr::kDirectory},
      {dir + "/", attr::kDirectory},  // a trailing delimiter names the
                                      // same directory
      {plain, attr::kNormal},
      {locked, attr::kReadOnly},
      {hidden, attr::kHidden},
  };
  for (const Case& c : cases) {
    std::uint32_t a = 0xFFFF;
    ASSERT_TRUE(ReadAttributes(c.path, a)) << c.path;
    EXPECT_EQ(a, c.expected) << c.path;
  }
}

TEST(ReadAttributesTest, VanishedEntryFails) {
  test::TempTree tree;
  std::uint32_t a = 0;
  EXPECT_FALSE(ReadAttributes(tree.Path("gone.txt"), a));
}

}  // namespace
}  // namespace krellix
