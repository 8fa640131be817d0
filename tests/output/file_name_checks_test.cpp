#include "output/file_name_checks.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

struct CheckCase {
  const char* name;
  std::string text;
  bool want;
};

TEST(ValidFilenameTest, FromTheThirdCharacterOn) {
  const CheckCase cases[] = {
      {"empty", "", false},
      {"one character", "a", true},
      {"two characters are never tested", "C:", true},
      {"even forbidden ones", "*?", true},
      {"colon after the second character", "C:\\a:b.txt", false},
      {"plain path", "/home/user/scanlist.txt", true},
      {"backslash and slash pass", "a\\b/c", true},
      {"double quote", "/tmp/a\"b", false},
      {"star", "/tmp/*.txt", false},
      {"less", "/tmp/a<b", false},
      {"greater", "/tmp/a>b", false},
      {"question mark", "/tmp/a?b", false},
      {"bar", "/tmp/a|b", false},
      {"control character", std::string("/tmp/a\x01", 7), false},
      {"tab", "/tmp/a\tb", false},
      {"above 127 passes", "/tmp/caf\xC3\xA9.txt", true},
      {"bytes that are not UTF-8 pass", "/tmp/\xFF\xFE.txt", true},
      {"characters, not bytes: a colon as second character", "\xC3\xA9:", true},
      {"a colon as third character after a two-byte one", "\xC3\xA9x:", false},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ValidFilename(c.text), c.want);
  }
}

TEST(ValidFileNameCharsTest, OneNameWithoutPath) {
  const CheckCase cases[] = {
      {"empty", "", true},
      {"plain", "report 2024.txt", true},
      {"above 127", "caf\xC3\xA9", true},
      {"slash", "a/b", false},
      {"backslash", "a\\b", false},
      {"colon", "a:b", false},
      {"double quote", "a\"b", false},
      {"star", "*", false},
      {"question mark", "a?", false},
      {"less", "<a", false},
      {"greater", "a>", false},
      {"bar", "a|b", false},
      {"control character", "a\nb", false},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ValidFileNameChars(c.text), c.want);
  }
}

TEST(WithExtensionTest, ReplacesOrAddsTheExtensionOfTheName) {
  EXPECT_EQ(WithExtension("/out/list.txt", ".csv"), "/out/list.csv");
  EXPECT_EQ(WithExtension("/out/list", ".csv"), "/out/list.csv");
  EXPECT_EQ(WithExtension("/o.d/list", ".csv"), "/o.d/list.csv");
  EXPECT_EQ(WithExtension("/out/a.tar.gz", ".csv"), "/out/a.tar.csv");
  EXPECT_EQ(WithExtension("", ".csv"), "");
}

}  // namespace
}  // namespace krellix
