#include "bench_support.h"

#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_engine.h"

namespace krellix::bench {

double CoreScanSeconds(const std::string& root, const std::string& scan_text, unsigned workers,
                       std::size_t* lines) {
  Clock clock;
  ActivityLog log(clock);
  SelectionCriteria criteria;
  criteria.scan_text = scan_text;
  ScanState state;
  state.ItemLimit = 1 << 30;
  ScanStatistics stats;
  ItemList items;
  CheckList include, exclude;
  BenchHost host(root);
  ScriptedPrompter prompter;
  ScanEngine engine({criteria, state, stats, items, include, exclude, host, prompter, log, clock},
                    workers);
  const auto start = std::chrono::steady_clock::now();
  engine.StartScan();
  items.Count();
  if (!items.Empty()) items.Line(0);  // the merge into sorted order is part of the scan
  const double s = SecondsSince(start);
  *lines = items.Count();
  return s;
}

void BuildTree(const std::string& root, long entries) {
  long made = 0, dir_no = 0;
  while (made < entries) {
    const std::string dir =
        root + "/d" + std::to_string(dir_no / 10) + "/s" + std::to_string(dir_no);
    std::filesystem::create_directories(dir);
    made += 2;
    for (int f = 0; f < 100 && made < entries; ++f, ++made) {
      std::ofstream(dir + "/file" + std::to_string(f) + (f % 3 ? ".txt" : ".dat")) << f;
    }
    ++dir_no;
  }
}

std::string MakeTempDir() {
  char tmpl[] = "/tmp/krellix-bench-XXXXXX";
  return ::mkdtemp(tmpl);
}

void RunCommand(const std::string& command) {
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

void FillRandom(std::mt19937_64& random, std::string& chunk) {
  for (std::size_t i = 0; i + 8 <= chunk.size(); i += 8) {
    const auto v = random();
    std::memcpy(chunk.data() + i, &v, 8);
  }
}

void WriteRandomFile(const std::string& path, long mib) {
  std::mt19937_64 random(7);
  std::string chunk(std::size_t{1} << 20, '\0');
  std::ofstream file(path, std::ios::binary);
  for (long m = 0; m < mib; ++m) {
    FillRandom(random, chunk);
    file << chunk;
  }
}

}  // namespace krellix::bench
