#include "platform/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "support/temp_tree.h"

namespace krellix {
namespace {

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ProfileFileTest, ReadsNamesWithoutCaseAndValuesExactly) {
  test::TempTree t;
  const std::string path = t.Path("k.ini");
  WriteAll(path,
           "[Init]\r\nCreated=2024-01-01\r\nSep=\t\r\nTwo=  \r\nEmpty=\r\n"
           "Created=second\r\n[Output]\nHex=0x1F\nBad=12x\nshort=0x\n ; comment\nNeg=-3\n"
           "Flag=2\n[init]\nLate=1");
  ProfileFile f(path);
  EXPECT_EQ(f.Read("init", "CREATED"), "2024-01-01");  // the first of duplicates
  EXPECT_EQ(f.Read("Init", "Sep"), "\t");
  EXPECT_EQ(f.Read("Init", "Two"), "  ");
  EXPECT_EQ(f.ReadString("Init", "Empty", "default"), "");
  EXPECT_EQ(f.ReadString("Init", "Missing", "default"), "default");
  EXPECT_EQ(f.ReadInt("Output", "Hex", 0), 31);
  EXPECT_EQ(f.ReadInt("Output", "Bad", 7), 7);
  EXPECT_EQ(f.ReadInt("Output", "short", 7), 7);
  EXPECT_EQ(f.ReadInt("Output", "Neg", 0), -3);
  EXPECT_TRUE(f.ReadBool("Output", "Flag", false));
  EXPECT_FALSE(f.Read("Nowhere", "Flag").has_value());
  EXPECT_FALSE(f.Read("Init", "Late").has_value());  // a second section of the same name
}

TEST(ProfileFileTest, LongValuesAreCutAndBinaryBytesSurvive) {
  test::TempTree t;
  const std::string path = t.Path("k.ini");
  const std::string big(10 * 1024 * 1024, 'x');
  WriteAll(path, "[S]\nBig=" + big + "\nBin=\x01\xff\xfe\n[garbage\n=novalue\nZ=1");
  ProfileFile f(path);
  EXPECT_EQ(f.Read("S", "Big")->size(), ProfileFile::kMaxValue);
  EXPECT_EQ(f.Read("S", "Bin"), "\x01\xff\xfe");
  EXPECT_EQ(f.ReadInt("S", "Z", 0), 1);
}

TEST(ProfileFileTest, ReadingNeverCreatesAndWritingCreatesEverything) {
  test::TempTree t;
  const std::string path = t.Path("new.ini");
  ProfileFile f(path);
  EXPECT_FALSE(f.Read("Init", "Created").has_value());
  EXPECT_NE(::access(path.c_str(), F_OK), 0);

  ASSERT_TRUE(f.Write("Init", "Created", "today"));
  ASSERT_TRUE(f.WriteInt("Init", "Count", 3));
  ASSERT_TRUE(f.WriteBool("Output", "Quotes", true));
  ASSERT_TRUE(f.Write("Output", "Sep", "  "));
  ASSERT_TRUE(f.Write("init", "count", "4"));  // replaces, keeping the stored name
  EXPECT_EQ(test::ReadWholeFile(path),
            "[Init]\r\nCreated=today\r\nCount=4\r\n\r\n[Output]\r\nQuotes=1\r\nSep=  \r\n");
  ProfileFile again(path);
  EXPECT_EQ(again.Read("OUTPUT", "sep"), "  ");

  ASSERT_TRUE(f.DeleteKey("Init", "Created"));
  EXPECT_FALSE(ProfileFile(path).Read("Init", "Created").has_value());
  EXPECT_EQ(ProfileFile(path).ReadInt("Init", "Count", 0), 4);
}

TEST(ProfileFileTest, AFailedWriteKeepsWhatWasThere) {
  test::TempTree t;
  const std::string path = t.Path("missing-folder/k.ini");
  ProfileFile f(path);
  EXPECT_FALSE(f.Write("S", "K", "v"));
  EXPECT_FALSE(f.Read("S", "K").has_value());
}

TEST(ProfileIntTest, Forms) {
  EXPECT_EQ(ParseProfileInt("42"), 42);
  EXPECT_EQ(ParseProfileInt(" 42 "), 42);
  EXPECT_EQ(ParseProfileInt("0XfF"), 255);
  EXPECT_FALSE(ParseProfileInt(""));
  EXPECT_FALSE(ParseProfileInt("4 2"));
  EXPECT_FALSE(ParseProfileInt("99999999999999999999"));
}

}  // namespace
}  // namespace krellix
