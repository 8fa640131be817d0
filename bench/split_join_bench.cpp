// Splits one 512 MiB file into 64 MiB pieces and joins them back with the program's split and
// join, and the same with split(1) and cat(1); prints our time over theirs.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "fileops/join_split.h"
#include "output/output_dialogs.h"
#include "platform/scripted_prompter.h"

namespace {

using namespace krellix;
using namespace krellix::bench;
namespace fs = std::filesystem;

struct Quiet final : JoinSplitProgress, SavingFileQuestion {
  std::vector<std::string> pieces;
  void ShowCounts(const JoinSplitCounts&) override {}
  void PieceWritten(const std::string& name) override { pieces.push_back(name); }
  bool CancelRequested() override { return false; }
  SaveMode AskSavingFile(const std::string&) override { return SaveMode::kReplace; }
};

void Clean(const std::string& dir) {
  fs::remove_all(dir);
  fs::create_directories(dir);
  ::sync();
}

}  // namespace

int main(int argc, char** argv) {
  const long big_mib = argc > 1 ? std::atol(argv[1]) : 512;
  const long piece_mib = argc > 2 ? std::atol(argv[2]) : 64;
  const std::string root = MakeTempDir();
  const std::string big = root + "/big.bin";
  const std::string work = root + "/work";
  WriteRandomFile(big, big_mib);
  const std::string source = work + "/big.bin";
  double ours = 1e9;
  double theirs = 1e9;
  for (int run = 0; run < 3; ++run) {
    Clean(work);
    fs::create_hard_link(big, source);
    auto start = std::chrono::steady_clock::now();
    Quiet quiet;
    ScriptedPrompter prompter;
    const JoinSplitEnv env{prompter, quiet, [] { return std::int64_t{0}; }};
    if (SplitFile(source, std::to_string(piece_mib * 1024), env).status != JoinSplitStatus::kDone ||
        JoinFiles(quiet.pieces, work + "/joined.bin", quiet, env).status !=
            JoinSplitStatus::kDone) {
      std::fprintf(stderr, "split or join failed\n");
      return 1;
    }
    ours = std::min(ours, SecondsSince(start));

    Clean(work);
    fs::create_hard_link(big, source);
    start = std::chrono::steady_clock::now();
    RunCommand("cd '" + work + "' && split -b " + std::to_string(piece_mib) +
               "M big.bin piece. && cat piece.* > joined.bin && sync");
    theirs = std::min(theirs, SecondsSince(start));
  }
  fs::remove_all(root);
  std::printf("split %ld MiB into %ld MiB pieces and join: %.3f s, split -b + cat: %.3f s\n",
              big_mib, piece_mib, ours, theirs);
  std::printf("split_join_vs_cat_ratio=%.2f\n", ours / theirs);
  return 0;
}
