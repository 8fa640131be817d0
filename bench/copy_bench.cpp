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

// The best of `runs` timings of `copy`, each into a fresh target that is removed afterwards.
// Pending writes are flushed between runs, so no run pays for the one before.
double Best(int runs, const std::string& target, const std::function<void()>& copy) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    fs::remove_all(target);
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    copy();
    best = std::min(best, SecondsSince(start));
  }
  fs::remove_all(target);
  return best;
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
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
  {
    std::mt19937_64 random(7);
    std::string chunk(1 << 20, '\0');
    std::ofstream file(big, std::ios::binary);
    for (long m = 0; m < big_mib; ++m) {
      for (std::size_t i = 0; i < chunk.size(); i += 8) {
        const auto v = random();
        std::memcpy(chunk.data() + i, &v, 8);
      }
      file << chunk;
    }
  }
  ::sync();

  const double ours_many = Best(3, out, [&] { MustCopy(CopyDirectoryContents(many, out, false)); });
  const double cp_many = Best(3, out, [&] { Run("cp -r '" + many + "' '" + out + "'"); });
  std::printf("copy %ld files of 4 KiB: %.3f s, cp -r: %.3f s\n", files, ours_many, cp_many);
  std::printf("copy_many_vs_cp_ratio=%.2f\n", ours_many / cp_many);

  const std::string big_out = out + ".bin";
  const double ours_big = Best(3, big_out, [&] { MustCopy(CopyEntry(big, big_out, false)); });
  const double cp_big = Best(3, big_out, [&] { Run("cp '" + big + "' '" + big_out + "'"); });
  std::printf("copy one %ld MiB file: %.3f s, cp: %.3f s\n", big_mib, ours_big, cp_big);
  std::printf("copy_big_vs_cp_ratio=%.2f\n", ours_big / cp_big);
  fs::remove_all(root);
  return 0;
}
