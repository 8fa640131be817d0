// Checksums one 512 MiB file with GenMD5 and with `openssl md5`, and 10,000 files of 16 KiB
// with the MD5 command's run and with md5sum(1); prints our time over theirs. The files are
// read once beforehand, so every timing meets them in the page cache.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "checksums/checksum_run.h"
#include "checksums/gen_md5.h"

namespace {

using namespace krellix;
using namespace krellix::bench;
namespace fs = std::filesystem;

struct Timings {
  double ours = 1e9;
  double theirs = 1e9;
};

// The best of `runs` timings of each, taken in turns so that both meet the same machine.
Timings Best(int runs, const std::function<void()>& ours, const std::function<void()>& theirs) {
  Timings best;
  const auto time = [](const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return SecondsSince(start);
  };
  for (int i = 0; i < runs; ++i) {
    best.ours = std::min(best.ours, time(ours));
    best.theirs = std::min(best.theirs, time(theirs));
  }
  return best;
}

void MustHash(const std::string& checksum) {
  if (checksum == kMd5Failed) {
    std::fprintf(stderr, "GenMD5 failed\n");
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const long files = argc > 1 ? std::atol(argv[1]) : 10'000;
  const long big_mib = argc > 2 ? std::atol(argv[2]) : 512;
  const std::string root = MakeTempDir();
  const std::string big = root + "/big.bin";
  const std::string list = root + "/list";

  std::mt19937_64 random(7);
  std::vector<std::string> names;
  {
    std::string chunk(16384, '\0');
    std::ofstream list_file(list, std::ios::binary);
    for (long i = 0; i < files; ++i) {
      const std::string dir = root + "/many/d" + std::to_string(i / 100);
      if (i % 100 == 0) fs::create_directories(dir);
      names.push_back(dir + "/f" + std::to_string(i) + ".dat");
      FillRandom(random, chunk);
      std::ofstream(names.back(), std::ios::binary) << chunk;
      list_file << names.back() << '\0';
    }
  }
  WriteRandomFile(big, big_mib);

  const std::string openssl = "openssl md5 '" + big + "' > /dev/null";
  const std::string md5sum = "xargs -0 -a '" + list + "' md5sum > /dev/null";
  RunCommand(openssl);
  RunCommand(md5sum);

  const Timings b = Best(
      5, [&] { MustHash(GenMD5(big)); }, [&] { RunCommand(openssl); });
  std::printf("MD5 of one %ld MiB file: %.3f s, openssl md5: %.3f s\n", big_mib, b.ours, b.theirs);
  std::printf("md5_vs_openssl_ratio=%.2f\n", b.ours / b.theirs);

  const unsigned threads =
      argc > 3 ? static_cast<unsigned>(std::atol(argv[3])) : ChecksumRun::DefaultThreads();
  const Timings m = Best(
      5,
      [&] {
        ChecksumRun run(names, threads);
        run.Wait();
        std::vector<ChecksumRow> rows;
        run.TakeReady(rows);
        if (rows.size() != names.size()) std::exit(1);
        for (const ChecksumRow& row : rows) MustHash(row.checksum);
      },
      [&] { RunCommand(md5sum); });
  std::printf("MD5 of %ld files of 16 KiB on %u threads: %.3f s, md5sum: %.3f s\n", files, threads,
              m.ours, m.theirs);
  std::printf("md5_many_vs_md5sum_ratio=%.2f\n", m.ours / m.theirs);
  fs::remove_all(root);
  return 0;
}
