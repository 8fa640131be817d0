#include "launch/launch_items.h"

#include <gtest/gtest.h>

#include "itemlist/item_list.h"
#include "support/item_lines.h"

namespace krellix {
namespace {

TEST(ProgramFolderTest, FolderWithItsSlash) {
  EXPECT_EQ(ProgramFolder("/usr/bin/vi"), "/usr/bin/");
  EXPECT_EQ(ProgramFolder("/opt/my tools/ed it"), "/opt/my tools/");
  EXPECT_EQ(ProgramFolder("/sh"), "/");
  EXPECT_EQ(ProgramFolder("sh"), "");
}

TEST(OpenLogLineTest, NameAsItIsOrQuotedWithTheProgram) {
  EXPECT_EQ(OpenLogLine("/d/letter one.txt"), "Open_File=/d/letter one.txt");
  EXPECT_EQ(OpenWithLogLine("/d/a b;c.txt", "/usr/bin/editor"),
            "Open_File=\"/d/a b;c.txt\" Program=/usr/bin/editor");
}

TEST(CurrentItemNameTest, OnlyACurrentItemLineNamesAFile) {
  ItemList items;
  test::AddTestLine(items, ": |  | /d/ | a.txt | 1 | 2024-01-01 10:00", ItemOrder::kPath);
  test::AddTestLine(items, "Scan cancelled", ItemOrder::kPath);
  EXPECT_FALSE(CurrentItemName(items).has_value());
  items.SetCurrent(0);
  EXPECT_EQ(CurrentItemName(items), "/d/a.txt");
  items.SetCurrent(1);
  EXPECT_FALSE(CurrentItemName(items).has_value());
  items.SetCurrent(7);
  EXPECT_FALSE(CurrentItemName(items).has_value());
}

}  // namespace
}  // namespace krellix
