// Usage: scan_bench [entries [workers]].
// Scans a generated tree with the default criteria into the item list, and with `krellix scan`
// to /dev/null, and times the same walk by find(1), with warm and (where allowed) cold caches;
// compares the scan with find over /usr, a real tree; then measures what the item list holds
// per line at a million lines.
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/activity_log.h"
#include "bench_support.h"
#include "itemlist/item_list.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_engine.h"

namespace {

using namespace krellix;
using namespace krellix::bench;
namespace fs = std::filesystem;

double FindOnce(const std::string& root) {
  const std::string cmd = "TZ=:/etc/localtime find '" + root +
                          "' -printf '%y %p %s %TY-%Tm-%Td %TH:%TM\\n' >/dev/null 2>&1";
  const auto start = std::chrono::steady_clock::now();
  if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "find failed\n");
  return SecondsSince(start);
}

// Empties the page, directory and inode caches, where this user may: false when it may not.
bool DropCaches() {
  ::sync();
  std::FILE* f = std::fopen("/proc/sys/vm/drop_caches", "w");
  if (f == nullptr) return false;
  const bool ok = std::fputs("3\n", f) >= 0;
  return std::fclose(f) == 0 && ok;
}

// One core scan and one find of the tree, each from cold caches.
void CompareCold(const std::string& root, unsigned workers) {
  if (!DropCaches()) {
    std::printf("scan_cold_vs_find_ratio skipped: the caches cannot be dropped by this user\n");
    return;
  }
  std::size_t lines = 0;
  const double scan = CoreScanSeconds(root, "*.*", workers, &lines);
  DropCaches();
  const double find = FindOnce(root);
  std::printf("cold caches: scan %.3f s, find %.3f s\n", scan, find);
  std::printf("scan_cold_vs_find_ratio=%.2f\n", scan / find);
}

// The core scan and find over /usr, best of three after a warm-up each; skipped where /usr is
// too small to tell.
void CompareOverUsr(unsigned workers) {
  const std::string usr = "/usr/";
  std::size_t lines = 0;
  CoreScanSeconds(usr, "*.*", workers, &lines);
  if (lines < 100'000) {
    std::printf("scan_usr_vs_find_ratio skipped: /usr holds %zu entries, fewer than 100,000\n",
                lines);
    return;
  }
  FindOnce(usr);
  double scan = 1e9, find = 1e9;
  for (int i = 0; i < 3; ++i) {
    scan = std::min(scan, CoreScanSeconds(usr, "*.*", workers, &lines));
    find = std::min(find, FindOnce(usr));
  }
  std::printf("scan /usr: %zu lines, %.3f s; find: %.3f s\n", lines, scan, find);
  std::printf("scan_usr_vs_find_ratio=%.2f\n", scan / find);
}

// `krellix scan` of the tree to /dev/null with the built-in criteria and output options, its
// configuration folder an empty one (no settings file, no lists).
double HeadlessOnce(const std::string& root, const std::string& config) {
  const std::string cmd = "XDG_CONFIG_HOME='" + config + "' '" KRELLIX_PROGRAM "' scan --no-ini '" +
                          root + "' >/dev/null";
  const auto start = std::chrono::steady_clock::now();
  if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "krellix scan failed\n");
  return SecondsSince(start);
}

// Bytes the program holds from malloc: in the heap, and in chunks large enough to get their own
// mapping (the list's array of lines may be one of those or not, as earlier frees decide).
std::size_t HeldBytes() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

void MeasureItemListMemory() {
  const long n = 1'000'000;
  const std::size_t before = HeldBytes();
  ItemList items;
  for (long i = 0; i < n; ++i) {
    items.AddItem(
        {":", "DATA",
         "/home/user/projects/krellix/tree/d" + std::to_string(i % 1000) + "/s" +
             std::to_string(i / 1000) + "/",
         "file" + std::to_string(i) + ".txt", std::to_string(i * 37 % 100000), "2024-03-07 09:05"},
        ItemOrder::kPath);
  }
  items.Line(0);
  const std::size_t after = HeldBytes();
  std::printf("itemlist_lines=%zu\n", items.Count());
  std::printf("itemlist_bytes_per_line=%.0f\n", double(after - before) / double(n));
}

}  // namespace

int main(int argc, char** argv) {
  const long entries = argc > 1 ? std::atol(argv[1]) : 200'000;
  // Threads reading directories ahead of the walk; 0 lets the reader choose.
  const unsigned workers = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 0;
  const std::string root = MakeTempDir();
  std::printf("building a tree of %ld entries in %s\n", entries, root.c_str());
  BuildTree(root, entries);
  ::sync();  // the new tree written out first, so no writeback runs during the timing

  // Warm the caches once, then take the best of three for each side.
  // The default "*.*" takes no name test; the second scan string tests every name with a mask
  // and a case-insensitive substring.
  const std::string all = "*.*", tested = "*1?.t?t Le2";
  std::size_t lines = 0, tested_lines = 0;
  const std::string config = MakeTempDir();
  CoreScanSeconds(root, all, workers, &lines);
  FindOnce(root);
  HeadlessOnce(root, config);
  double scan = 1e9, scan_tested = 1e9, find = 1e9, headless = 1e9;
  for (int i = 0; i < 3; ++i) {
    scan = std::min(scan, CoreScanSeconds(root, all, workers, &lines));
    scan_tested = std::min(scan_tested, CoreScanSeconds(root, tested, workers, &tested_lines));
    find = std::min(find, FindOnce(root));
    headless = std::min(headless, HeadlessOnce(root, config));
  }
  std::printf("scan: %zu lines, %.3f s, %.0f entries/s\n", lines, scan, entries / scan);
  std::printf("scan '%s': %zu lines, %.3f s\n", tested.c_str(), tested_lines, scan_tested);
  std::printf("find: %.3f s, %.0f entries/s\n", find, entries / find);
  std::printf("scan_vs_find_ratio=%.2f\n", scan / find);
  std::printf("scan_tested_vs_find_ratio=%.2f\n", scan_tested / find);
  std::printf("krellix scan: %.3f s\n", headless);
  std::printf("headless_scan_vs_find_ratio=%.2f\n", headless / find);

  CompareCold(root, workers);
  fs::remove_all(root);
  fs::remove_all(config);
  CompareOverUsr(workers);
  MeasureItemListMemory();
  return 0;
}
