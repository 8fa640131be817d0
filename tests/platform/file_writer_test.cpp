#include "platform/file_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/temp_tree.h"

namespace krellix {
namespace {

namespace fs = std::filesystem;

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

unsigned Permissions(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Runs `body` in a child process and gives its exit code (-1 when it did not exit).
int InChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) std::_Exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileWriterTest, ReplacementTakesThePlaceOnlyAtCommit) {
  test::TempTree t;
  const std::string target = t.Path("list.txt");
  WriteAll(target, "old");
  ::chmod(target.c_str(), 0640);
  FileWriter w;
  ASSERT_TRUE(w.Open(target, WriteHow::kReplace));
  const std::string temp = w.TemporaryPath();
  EXPECT_EQ(temp.rfind(t.Path(".list.txt.krellix-" + std::to_string(::getpid()) + "-"), 0), 0u);
  EXPECT_TRUE(w.Write("new "));
  EXPECT_TRUE(w.Write(std::string(200000, 'x')));  // past the buffer
  EXPECT_EQ(test::ReadWholeFile(target), "old");
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(test::ReadWholeFile(target), "new " + std::string(200000, 'x'));
  EXPECT_EQ(Permissions(target), 0640u);
  EXPECT_EQ(Names(t.Root()), std::vector<std::string>{"list.txt"});

  // Given up: the old file stays, the temporary file goes.
  ASSERT_TRUE(w.Open(target, WriteHow::kReplace));
  w.Write("abandoned");
  w.Abandon();
  EXPECT_EQ(test::ReadWholeFile(target).substr(0, 4), "new ");
  EXPECT_EQ(Names(t.Root()), std::vector<std::string>{"list.txt"});
}

TEST(FileWriterTest, NewFilesGetTheUmaskAndLinksStay) {
  test::TempTree t;
  const mode_t old_mask = ::umask(027);
  ASSERT_TRUE(WriteWholeFile(t.Path("new.txt"), "a"));
  ::umask(old_mask);
  EXPECT_EQ(Permissions(t.Path("new.txt")), 0640u);

  // A link keeps pointing at the file, which gets the new contents.
  t.Link("link.txt", "new.txt");
  ASSERT_TRUE(WriteWholeFile(t.Path("link.txt"), "through the link"));
  EXPECT_TRUE(fs::is_symlink(t.Path("link.txt")));
  EXPECT_EQ(test::ReadWholeFile(t.Path("new.txt")), "through the link");

  // A new file only: a name taken meanwhile is left alone.
  FileWriter w;
  ASSERT_TRUE(w.Open(t.Path("fresh.txt"), WriteHow::kCreateNew));
  w.Write("mine");
  WriteAll(t.Path("fresh.txt"), "theirs");
  const FileResult r = w.Commit();
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Error().code, EEXIST);
  EXPECT_EQ(test::ReadWholeFile(t.Path("fresh.txt")), "theirs");
  EXPECT_EQ(Names(t.Root()), (std::vector<std::string>{"fresh.txt", "link.txt", "new.txt"}));
}

TEST(FileWriterTest, FailuresNameTheFileAndTheReason) {
  test::TempTree t;
  const FileResult missing = WriteWholeFile(t.Path("no/such/folder.txt"), "x");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.Error().path, t.Path("no/such/folder.txt"));
  EXPECT_EQ(missing.Error().reason, "No such file or directory");
  EXPECT_EQ(WithReason("Cannot open: x", missing.Error()),
            "Cannot open: x (No such file or directory)");

  t.Dir("folder");
  EXPECT_EQ(WriteWholeFile(t.Path("folder"), "x").Error().code, EISDIR);

  // A device is written in place, never replaced: a full one says so.
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full";
  FileWriter w;
  ASSERT_TRUE(w.Open("/dev/full", WriteHow::kReplace));
  ASSERT_EQ(w.TemporaryPath(), "");
  w.Write(std::string(100000, 'x'));
  const FileResult full = w.Commit();
  ASSERT_FALSE(full);
  EXPECT_EQ(full.Error().reason, "No space left on device");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

// A write that fails part way (the file size limit of the process, a fault any user can
// cause) leaves the replaced file whole and no temporary file, and cuts an append back.
TEST(FileWriterTest, AFailedWriteLeavesTheFileAsItWas) {
  test::TempTree t;
  const std::string old_text = "old contents\r\n";
  WriteAll(t.Path("r.txt"), old_text);
  WriteAll(t.Path("a.txt"), old_text);
  const int code = InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
    const std::string big(100000, 'y');
    const FileResult replaced = WriteWholeFile(t.Path("r.txt"), big);
    if (replaced || replaced.Error().code != EFBIG) return 11;
    FileWriter w;
    if (!w.Open(t.Path("a.txt"), WriteHow::kAppend)) return 12;
    w.Write(big);
    const FileResult appended = w.Commit();
    return !appended && appended.Error().reason == "File too large" ? 0 : 13;
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(test::ReadWholeFile(t.Path("r.txt")), old_text);
  EXPECT_EQ(test::ReadWholeFile(t.Path("a.txt")), old_text);
  EXPECT_EQ(Names(t.Root()), (std::vector<std::string>{"a.txt", "r.txt"}));
}

TEST(FileWriterTest, AppendAddsInPlace) {
  test::TempTree t;
  WriteAll(t.Path("a.txt"), "one\r\n");
  FileWriter w;
  ASSERT_TRUE(w.Open(t.Path("a.txt"), WriteHow::kAppend));
  EXPECT_EQ(w.TemporaryPath(), "");
  w.Write("two\r\n");
  ASSERT_TRUE(w.Commit());
  EXPECT_EQ(test::ReadWholeFile(t.Path("a.txt")), "one\r\ntwo\r\n");
  // An append given up is cut back; one that created the file removes it.
  ASSERT_TRUE(w.Open(t.Path("a.txt"), WriteHow::kAppend));
  w.Write("three\r\n");
  w.Abandon();
  EXPECT_EQ(test::ReadWholeFile(t.Path("a.txt")), "one\r\ntwo\r\n");
  ASSERT_TRUE(w.Open(t.Path("b.txt"), WriteHow::kAppend));
  w.Abandon();
  EXPECT_FALSE(fs::exists(t.Path("b.txt")));
}

// Bytes copied from an open file follow the buffered ones, in steps the caller chooses, both
// into a replacement (the kernel copies) and onto an append (plain reads and writes).
TEST(FileWriterTest, CopyFromTakesTheBytesOfAnOpenFile) {
  test::TempTree t;
  std::string source(3 << 20, '\0');
  for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<char>(i * 7 / 3);
  source += "end";
  WriteAll(t.Path("source"), source);
  for (const WriteHow how : {WriteHow::kReplace, WriteHow::kAppend}) {
    const std::string target = t.Path("target");
    WriteAll(target, "old ");
    const int fd = ::open(t.Path("source").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    FileWriter w;
    ASSERT_TRUE(w.Open(target, how));
    w.Write("head ");
    std::int64_t copied = -1;
    EXPECT_TRUE(w.CopyFrom(fd, "source", 2 << 20, copied));
    EXPECT_EQ(copied, 2 << 20);
    EXPECT_TRUE(w.CopyFrom(fd, "source", 2 << 20, copied));
    EXPECT_EQ(copied, (1 << 20) + 3);  // the rest
    EXPECT_TRUE(w.CopyFrom(fd, "source", 2 << 20, copied));
    EXPECT_EQ(copied, 0);
    w.Write(" tail");
    ::close(fd);
    if (how == WriteHow::kReplace) {
      EXPECT_EQ(test::ReadWholeFile(target), "old ");
    }
    ASSERT_TRUE(w.Commit());
    const std::string kept = how == WriteHow::kAppend ? "old " : "";
    EXPECT_TRUE(test::ReadWholeFile(target) == kept + "head " + source + " tail");
  }
  // A file of a pseudo file system, which some kernels will not copy, arrives whole.
  FileWriter w;
  const int proc = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
  ASSERT_GE(proc, 0);
  ASSERT_TRUE(w.Open(t.Path("cmdline"), WriteHow::kReplace));
  std::int64_t got = -1;
  EXPECT_TRUE(w.CopyFrom(proc, "/proc/self/cmdline", 1 << 20, got));
  ::close(proc);
  ASSERT_TRUE(w.Commit());
  const std::string cmdline = test::ReadWholeFile("/proc/self/cmdline");
  EXPECT_FALSE(cmdline.empty());
  EXPECT_EQ(test::ReadWholeFile(t.Path("cmdline")), cmdline);
  EXPECT_EQ(got, static_cast<std::int64_t>(cmdline.size()));

  // A file that cannot be read is named in the failure.
  ASSERT_TRUE(w.Open(t.Path("other"), WriteHow::kReplace));
  std::int64_t copied = -1;
  const FileResult r = w.CopyFrom(-1, "nowhere", 10, copied);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Error().path, "nowhere");
  EXPECT_EQ(copied, 0);
}

// A small file system that fills up: mounted in a namespace of its own, where the kernel
// allows that without privileges.
TEST(FileWriterTest, FullFileSystemKeepsTheOldFile) {
  test::TempTree t;
  const std::string mount = t.Dir("small");
  const int code = InChild([&] {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return 77;
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    if (::mount("none", mount.c_str(), "tmpfs", 0, "size=64k") != 0) return 77;
    const std::string target = mount + "/list.txt";
    WriteAll(target, "old");
    const FileResult r = WriteWholeFile(target, std::string(1 << 20, 'z'));
    if (r || r.Error().reason != "No space left on device") return 1;
    if (test::ReadWholeFile(target) != "old") return 2;
    return Names(mount) == std::vector<std::string>{"list.txt"} ? 0 : 3;
  });
  if (code == 77) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(code, 0);
}

// Killed in the middle of writing a large replacement: the old file is whole, and the next
// replacement of it removes the temporary file the dead writer left.
TEST(FileWriterTest, KilledWriterLeavesTheOldFileWhole) {
  test::TempTree t;
  const std::string target = t.Path("big.txt");
  const std::string old_text(3 << 20, 'o');
  WriteAll(target, old_text);
  const pid_t pid = ::fork();
  if (pid == 0) {
    FileWriter w;
    if (!w.Open(target, WriteHow::kReplace)) std::_Exit(1);
    const std::string chunk(1 << 16, 'n');
    for (int i = 0; i < 4096; ++i) w.Write(chunk);  // 256 MiB at most
    std::_Exit(2);
  }
  // Wait for the temporary file to hold several megabytes, then kill the writer.
  const std::string prefix = ".big.txt.krellix-" + std::to_string(pid) + "-";
  std::string temp;
  for (int i = 0; i < 2000 && temp.empty(); ++i) {
    for (const std::string& name : Names(t.Root())) {
      if (name.rfind(prefix, 0) == 0 && fs::file_size(t.Path(name)) > (4u << 20)) temp = name;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_FALSE(temp.empty()) << "the writer never got going";
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_TRUE(test::ReadWholeFile(target) == old_text);
  EXPECT_EQ(Names(t.Root()), (std::vector<std::string>{temp, "big.txt"}));

  EXPECT_EQ(RemoveStaleTemporaries(target), 1);
  ASSERT_TRUE(WriteWholeFile(target, "next"));
  EXPECT_EQ(Names(t.Root()), std::vector<std::string>{"big.txt"});
}

TEST(FileWriterTest, TemporaryFilesOfLiveWritersStay) {
  test::TempTree t;
  FileWriter live;
  ASSERT_TRUE(live.Open(t.Path("f.txt"), WriteHow::kReplace));
  // Someone else's file that only looks alike, and a writer of this process: both stay.
  WriteAll(t.Path(".f.txt.krellix-notes"), "x");
  EXPECT_EQ(RemoveStaleTemporaries(t.Path("f.txt")), 0);
  ASSERT_TRUE(WriteWholeFile(t.Path("f.txt"), "other"));
  live.Write("live");
  ASSERT_TRUE(live.Commit());
  EXPECT_EQ(test::ReadWholeFile(t.Path("f.txt")), "live");
  EXPECT_EQ(Names(t.Root()), (std::vector<std::string>{".f.txt.krellix-notes", "f.txt"}));
}

bool ReplaceInReadOnlyFolder(const test::TempTree& t) {
  const FileResult r = WriteWholeFile(t.Path("locked/f.txt"), "new");
  return !r && r.Error().reason == "Permission denied" &&
         test::ReadWholeFile(t.Path("locked/f.txt")) == "old" &&
         Names(t.Path("locked")) == std::vector<std::string>{"f.txt"};
}

TEST(FileWriterTest, ReadOnlyFolderRefusesAndKeepsTheFile) {
  test::TempTree t;
  t.Dir("locked");
  WriteAll(t.Path("locked/f.txt"), "old");
  ::chmod(t.Path("locked/f.txt").c_str(), 0666);
  ::chmod(t.Path("locked").c_str(), 0555);
  if (::geteuid() != 0) {
    EXPECT_TRUE(ReplaceInReadOnlyFolder(t));
    return;
  }
  // Root writes anywhere: try as an unprivileged user in a child process.
  ::chmod(t.Root().c_str(), 0755);
  EXPECT_EQ(InChild([&] {
              if (::setgid(65534) != 0 || ::setuid(65534) != 0) return 2;
              return ReplaceInReadOnlyFolder(t) ? 0 : 1;
            }),
            0);
}

}  // namespace
}  // namespace krellix
