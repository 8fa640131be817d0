#include "checksums/gen_md5.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "support/child_process.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

struct Vector {
  const char* name;
  std::string message;
  const char* md5;
};

// The test suite of RFC 1321, and its million-letter message.
TEST(GenMD5, GivesTheDigestsOfTheRfcTestSuiteInUpperCase) {
  const Vector vectors[] = {
      {"empty", "", "D41D8CD98F00B204E9800998ECF8427E"},
      {"a", "a", "0CC175B9C0F1B6A831C399E269772661"},
      {"abc", "abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"message digest", "message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
      {"alphabet", "abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
      {"alphanumeric", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "D174AB98D277D9F5A5611C2C9F419D9F"},
      {"digits", Repeat("1234567890", 8), "57EDF4A22BE3C955AC49DA2E2107B67A"},
      {"a million a", std::string(1000000, 'a'), "7707D6AE4E027C70EEA2A935C2296F21"},
  };
  test::TempTree tree;
  for (const Vector& v : vectors) {
    const std::string path = tree.Path("vector.bin");
    WriteFile(path, v.message);
    EXPECT_EQ(GenMD5(path), v.md5) << v.name;
  }
}

TEST(GenMD5, ReadsAFileOfManyBlocksWhole) {
  std::string bytes(3 * 1048576 + 7, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131) >> 3);
  Md5Digest expected{};
  unsigned int size = 0;
  ASSERT_EQ(EVP_Digest(bytes.data(), bytes.size(), expected.data(), &size, EVP_md5(), nullptr), 1);
  test::TempTree tree;
  const std::string path = tree.Path("big.bin");
  WriteFile(path, bytes);
  Md5Hasher hasher;
  EXPECT_EQ(GenMD5(hasher, path), Md5Text(expected));
  // The same hasher serves the next file from a fresh start.
  WriteFile(tree.Path("empty"), "");
  EXPECT_EQ(GenMD5(hasher, tree.Path("empty")), "D41D8CD98F00B204E9800998ECF8427E");
}

TEST(GenMD5, FailsForWhatCannotBeReadAsAFile) {
  test::TempTree tree;
  const std::string fifo = tree.Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(GenMD5(tree.Path("missing.txt")), kMd5Failed);
  EXPECT_EQ(GenMD5(tree.Dir("folder")), kMd5Failed);
  // A FIFO without a writer would block a reader for ever.
  EXPECT_EQ(GenMD5(fifo), kMd5Failed);
  EXPECT_EQ(GenMD5(""), kMd5Failed);
  // A name that is no valid UTF-8 is read by its bytes.
  EXPECT_EQ(GenMD5(tree.File("caf\xE9.txt")), "D41D8CD98F00B204E9800998ECF8427E");
}

TEST(GenMD5, FailsForAFileItsUserMayNotRead) {
  test::TempTree tree;
  const std::string path = tree.File("secret.txt", 10);
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  ASSERT_EQ(::chmod(tree.Root().c_str(), 0755), 0);
  const int code = test::AsNormalUser([&] { return GenMD5(path) == kMd5Failed ? 0 : 1; });
  if (code == test::kCannotSetUp) GTEST_SKIP() << "cannot switch to an unprivileged user";
  EXPECT_EQ(code, 0);
}

TEST(GenMD5, FailsWhileAnotherOpenWritesTheFile) {
  test::TempTree tree;
  const std::string path = tree.Path("busy.txt");
  WriteFile(path, "abc");
  {
    // Where the file system keeps no leases, a writer cannot be seen.
    const int probe = ::open(path.c_str(), O_RDONLY);
    const bool leases = ::fcntl(probe, F_SETLEASE, F_RDLCK) == 0;
    if (leases) ::fcntl(probe, F_SETLEASE, F_UNLCK);
    ::close(probe);
    if (!leases) GTEST_SKIP() << "no file leases here";
  }
  const int writer = ::open(path.c_str(), O_WRONLY);
  ASSERT_GE(writer, 0);
  EXPECT_EQ(GenMD5(path), kMd5Failed);
  ::close(writer);
  // Once the writer is gone the file reads, and a new writer is not held up by this reader.
  EXPECT_EQ(GenMD5(path), "900150983CD24FB0D6963F7D28E17F72");
  const int again = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
  EXPECT_GE(again, 0);
  if (again >= 0) ::close(again);
}

}  // namespace
}  // namespace krellix
