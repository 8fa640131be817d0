#include "itemlist/item_click.h"

#include <gtest/gtest.h>

#include "platform/attributes.h"

namespace krellix {
namespace {

TEST(ClickStatusTextTest, NameWithLettersOrSelectionCount) {
  struct Case {
    std::size_t selected;
    std::optional<std::uint32_t> attributes;
    std::string expected;
  };
  const Case cases[] = {
      {0, attr::kDirectory, "/d/sub  [D]"},
      {1, attr::kReadOnly | attr::kArchive, "/d/sub  [RA]"},
      {1, std::nullopt, "/d/sub  [not found]"},
      {2, attr::kNormal, "2 items selected"},
      {3, std::nullopt, "3 items selected"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClickStatusText(c.selected, "/d/sub", c.attributes), c.expected);
  }
}

TEST(LocalFileUrlTest, EncodesEveryByteOutsideTheSafeSet) {
  EXPECT_EQ(LocalFileUrl("/home/a-b_c.~/x.txt"), "file:///home/a-b_c.~/x.txt");
  EXPECT_EQ(LocalFileUrl("/tmp/a b#%?.txt"), "file:///tmp/a%20b%23%25%3F.txt");
  // UTF-8 and bytes that are no UTF-8 alike.
  EXPECT_EQ(LocalFileUrl("/\xC3\xA9/\xFF"), "file:///%C3%A9/%FF");
}

}  // namespace
}  // namespace krellix
