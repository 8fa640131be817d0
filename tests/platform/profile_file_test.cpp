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

  f.Write("Init", "Created", "today");
  f.WriteInt("Init", "Count", 3);
  f.WriteBool("Output", "Quotes", true);
  f.Write("Output", "Sep", "  ");
  f.Write("init", "count", "4");  // replaces, keeping the stored name
  EXPECT_EQ(f.Read("Output", "Sep"), "  ");
  EXPECT_NE(::access(path.c_str(), F_OK), 0);  // written by Save only
  ASSERT_TRUE(f.Save());
  EXPECT_EQ(test::ReadWholeFile(path),
            "[Init]\r\nCreated=today\r\nCount=4\r\n\r\n[Output]\r\nQuotes=1\r\nSep=  \r\n");
  ProfileFile again(path);
  EXPECT_EQ(again.Read("OUTPUT", "sep"), "  ");

  f.DeleteKey("Init", "Created");
  ASSERT_TRUE(f.Save());
  EXPECT_FALSE(ProfileFile(path).Read("Init", "Created").has_value());
  EXPECT_EQ(ProfileFile(path).ReadInt("Init", "Count", 0), 4);
}

TEST(ProfileFileTest, SavingKeepsEveryOtherLineAsItWas) {
  test::TempTree t;
  const std::string path = t.Path("k.ini");
  const std::string text =
      "; comment\r\n[Init]\r\n  Created = x\r\nOld=1\r\nold=dup\r\n\r\n\r\n[Prefs]\r\n"
      "Scan0=a\r\n[init]\r\nLate=1\r\n";
  WriteAll(path, text);
  ::chmod(path.c_str(), 0600);
  ProfileFile f(path);
  EXPECT_EQ(f.Text(), text);
  f.Write("INIT", "New", "v");  // after the last key, before the blank lines
  f.Write("init", "old", "2");  // the first duplicate, under its stored name
  f.DeleteKey("Prefs", "SCAN0");
  f.Write("Prefs", "Scan0", "b");  // back at the end of its section
  ASSERT_TRUE(f.Save());
  EXPECT_EQ(test::ReadWholeFile(path),
            "; comment\r\n[Init]\r\n  Created = x\r\nOld=2\r\nold=dup\r\nNew=v\r\n\r\n\r\n"
            "[Prefs]\r\nScan0=b\r\n[init]\r\nLate=1\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(ProfileFileTest, AFailedSaveKeepsTheFileAndTheChanges) {
  test::TempTree t;
  const std::string path = t.Path("missing-folder/k.ini");
  ProfileFile f(path);
  f.Write("S", "K", "v");
  const FileResult saved = f.Save();
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.Error().path, path);
  EXPECT_EQ(saved.Error().reason, "No such file or directory");
  EXPECT_EQ(f.Read("S", "K"), "v");
  t.Dir("missing-folder");
  ASSERT_TRUE(f.Save());  // the changes wait for the next save
  EXPECT_EQ(ProfileFile(path).Read("S", "K"), "v");
}

bool UnreadableFileIsNotSavedOver(const std::string& path) {
  ProfileFile f(path);
  f.Write("Form", "WinT", "1");
  const FileResult saved = f.Save();
  return !saved && saved.Error().reason == "Permission denied";
}

TEST(ProfileFileTest, AFileThatCannotBeReadIsNotSavedOver) {
  test::TempTree t;
  const std::string path = t.Path("k.ini");
  const std::string text = "[Prefs]\r\nLimit=5\r\n";
  WriteAll(path, text);
  ::chmod(path.c_str(), 0200);
  if (::geteuid() != 0) {
    EXPECT_TRUE(UnreadableFileIsNotSavedOver(path));
  } else {
    // Root reads everything: try as an unprivileged user who owns the file and the folder.
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chown(t.Root().c_str(), 65534, 65534), 0);
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
          if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
          std::_Exit(UnreadableFileIsNotSavedOver(path) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
  }
  ::chmod(path.c_str(), 0600);
  EXPECT_EQ(test::ReadWholeFile(path), text);
}

TEST(ProfileFileTest, ManyKeysAndABulkDeletion) {
  test::TempTree t;
  ProfileFile f(t.Path("k.ini"));
  for (int i = 0; i < 30000; ++i)
    f.Write("Prefs", "Addr" + std::to_string(i), "/d" + std::to_string(i));
  f.DeleteKeys("Prefs", [](const std::string& name) { return name.size() == 5; });  // Addr0..9
  EXPECT_FALSE(f.Read("Prefs", "Addr9").has_value());
  EXPECT_EQ(f.Read("Prefs", "addr29999"), "/d29999");
  EXPECT_EQ(f.KeyNames("Prefs").size(), 29990u);
}

TEST(ProfileIntTest, Forms) {
  EXPECT_EQ(ParseProfileInt("42"), 42);
  EXPECT_EQ(ParseProfileInt(" 42 "), 42);
  EXPECT_EQ(ParseProfileInt("0XfF"), 255);
  EXPECT_FALSE(ParseProfileInt(""));
  EXPECT_FALSE(ParseProfileInt("4 2"));
  EXPECT_FALSE(ParseProfileInt("99999999999999999999"));
  EXPECT_EQ(ParseProfileInt("+7"), 7);
  EXPECT_EQ(ParseProfileInt("-7"), -7);
  EXPECT_FALSE(ParseProfileInt("+-7"));
  EXPECT_FALSE(ParseProfileInt("-0x10"));
  EXPECT_FALSE(ParseProfileInt("0x"));
  EXPECT_EQ(ParseProfileInt("0xFFFFFFFFFFFFFFFF"), -1);
  EXPECT_FALSE(ParseProfileInt("0x10000000000000000"));
}

}  // namespace
}  // namespace krellix
