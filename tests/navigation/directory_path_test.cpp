#include "navigation/directory_path.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

TEST(TreeForm, AbsoluteWithoutTrailingDelimiterExceptTheRoot) {
  struct Case {
    const char* path;
    const char* base;
    const char* tree;
  };
  const Case cases[] = {
      {"/home/ann/", "/x", "/home/ann"},
      {"/home/ann", "/x", "/home/ann"},
      {"/", "/x", "/"},
      {"//", "/x", "/"},
      {"/home/./ann/../bob/", "/x", "/home/bob"},
      {"/..", "/x", "/"},
      {"docs", "/home/ann/", "/home/ann/docs"},
      {"..", "/home/ann", "/home"},
      {"", "/home/ann/", "/home/ann"},
      {"/My Files/a b", "/", "/My Files/a b"},
  };
  for (const Case& c : cases) EXPECT_EQ(TreeForm(c.path, c.base), c.tree) << c.path;
}

}  // namespace
}  // namespace krellix
