#include "checksums/checksum_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "checksums/gen_md5.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

// Takes rows until the run has finished.
std::vector<ChecksumRow> TakeAll(ChecksumRun& run) {
  std::vector<ChecksumRow> rows;
  run.Wait();
  run.TakeReady(rows);
  EXPECT_TRUE(run.Finished());
  return rows;
}

TEST(ChecksumRun, GivesEveryFileItsRowInListOrder) {
  test::TempTree tree;
  std::vector<std::string> files;
  for (int i = 0; i < 300; ++i) {
    const std::string path = tree.Path("f" + std::to_string(i));
    // Sizes vary, so the files finish out of order on several threads.
    std::ofstream(path, std::ios::binary)
        << std::string(static_cast<std::size_t>((i * 7919) % 70000), static_cast<char>(i));
    files.push_back(path);
  }
  files.insert(files.begin() + 10, tree.Path("missing"));
  files.insert(files.begin() + 20, tree.Dir("folder"));
  files.push_back(files[0]);  // the same file twice gives two rows

  for (const unsigned threads : {1U, 4U}) {
    ChecksumRun run(files, threads);
    const std::vector<ChecksumRow> rows = TakeAll(run);
    ASSERT_EQ(rows.size(), files.size()) << threads;
    for (std::size_t i = 0; i < files.size(); ++i) {
      EXPECT_EQ(rows[i], (ChecksumRow{GenMD5(files[i]), files[i]})) << i;
    }
    EXPECT_EQ(rows[10].checksum, kMd5Failed);
    EXPECT_EQ(rows[20].checksum, kMd5Failed);
    EXPECT_EQ(rows.front().checksum, rows.back().checksum);
  }
}

TEST(ChecksumRun, StopPassesOverTheFilesNotYetBegun) {
  test::TempTree tree;
  std::vector<std::string> files;
  for (int i = 0; i < 50; ++i) files.push_back(tree.File("f" + std::to_string(i), 100));
  // The worker holds after its first row until Stop has been pressed.
  std::promise<void> first_row;
  std::promise<void> stopped;
  std::shared_future<void> go = stopped.get_future().share();
  std::once_flag once;
  ChecksumRun run(files, 1, [&] {
    std::call_once(once, [&] {
      first_row.set_value();
      go.wait();
    });
  });
  first_row.get_future().wait();
  run.Stop();
  stopped.set_value();
  const std::vector<ChecksumRow> rows = TakeAll(run);
  ASSERT_EQ(rows.size(), 1U);
  EXPECT_EQ(rows[0], (ChecksumRow{GenMD5(files[0]), files[0]}));
}

TEST(ChecksumRun, AnEmptyListIsFinishedAtOnce) {
  ChecksumRun run({}, 4);
  std::vector<ChecksumRow> rows;
  EXPECT_EQ(run.TakeReady(rows), 0U);
  EXPECT_TRUE(run.Finished());
}

}  // namespace
}  // namespace krellix
