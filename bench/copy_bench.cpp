// Copies 10,000 files of 4 KiB (a folder's contents) and one 512 MiB file with the program's
// copy, and the same with cp(1); prints our time over cp's.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "bench_support.h"
#include "platform/file_copy.h"

namespace {

using namespace krellix;
using namespace krellix::bench;
namespace fs = std::filesystem;

struct Timings {
  double ours = 1e9;
  double cp = 1e9;
};

// The best of `runs` timings of our copy and of cp's, taken in turns so that both meet the same
// machine, each into a fresh target that is removed afterwards. Pending writes are flushed
// before every run, so no run pays for the one before.
Timings Best(int runs, const std::string& target, const std::function<void()>& ours,
             const std::function<void()>& cp) {
  Timings best;
  const auto time = [&](const std::function<void()>& copy) {
    fs::remove_all(target);
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    copy();
    const double seconds = SecondsSince(start);
    fs::remove_all(target);
    return seconds;
  };
  for (int i = 0; i < runs; ++i) {
    best.ours = std::min(best.ours, time(ours));
    best.cp = std::min(best.cp, time(cp));
  }
  return best;
}

void MustCopy(const CopyResult& r) {
  if (!r.Ok()) {
    std::fprintf(stderr, "copy failed: %s\n", r.result.Error().reason.c_str());
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const long files = argc > 1 ? std::atol(argv[1]) : 10'000;
  const long big_mib = argc > 2 ? std::atol(argv[2]) : 512;
  const std::string root = MakeTempDir();
  const std::string many = root + "/many";
  const std::string big = root + "/big.bin";
  const std::string out = root + "/out";

  // 100 files a folder, 4 KiB each.
  const std::string block(4096, 'k');
  for (long i = 0; i < files; ++i) {
    const std::string dir = many + "/d" + std::to_string(i / 100);
    if (i % 100 == 0) fs::create_directories(dir);
    std::ofstream(dir + "/f" + std::to_string(i) + ".dat", std::ios::binary) << block;
  }
  WriteRandomFile(big, big_mib);
  ::sync();

  const Timings m = Best(
      5, out, [&] { MustCopy(CopyDirectoryContents(many, out, false)); },
      [&] { RunCommand("cp -r '" + many + "' '" + out + "'"); });
  std::printf("copy %ld files of 4 KiB: %.3f s, cp -r: %.3f s\n", files, m.ours, m.cp);
  std::printf("copy_many_vs_cp_ratio=%.2f\n", m.ours / m.cp);

  const std::string big_out = out + ".bin";
  const Timings b = Best(
      5, big_out, [&] { MustCopy(CopyEntry(big, big_out, false)); },
      [&] { RunCommand("cp '" + big + "' '" + big_out + "'"); });
  std::printf("copy one %ld MiB file: %.3f s, cp: %.3f s\n", big_mib, b.ours, b.cp);
  std::printf("copy_big_vs_cp_ratio=%.2f\n", b.ours / b.cp);
  fs::remove_all(root);
  return 0;
}
