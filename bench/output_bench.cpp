// Scan to file against scan into the item list on one tree, and saving a million-line list.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/activity_log.h"
#include "bench_support.h"
#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"
#include "output/output_writer.h"
#include "output/save_item_list.h"
#include "output/scan_output_file.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_engine.h"

namespace {

using namespace krellix;
using namespace krellix::bench;

// Everything a scan and the output writer need, in one place.
struct Rig {
  Clock clock;
  ActivityLog log{clock};
  SelectionCriteria criteria;
  ScanState state;
  ScanStatistics stats;
  ItemList items;
  CheckList include, exclude;
  ScriptedPrompter prompter;
  OutputOptions options;
  std::string Header1;
  LocaleFormat locale;
  BenchDialogs dialogs;
  BenchHost host;
  WriteOutputFile writer{OutputFileContext{options, Header1, items, state, dialogs, prompter, log,
                                           clock, locale, [](const std::string&) {},
                                           [] { return std::string("*.*"); }, "Krellix", "bench"}};
  ScanOutputFile scan_output{writer};
  ScanEngine engine{{criteria, state, stats, items, include, exclude, host, prompter, log, clock}};

  Rig(const std::string& tree, const std::string& out) : dialogs(out), host(tree) {
    state.ItemLimit = 1 << 30;
    host.output = &scan_output;
  }
};

double ScanSeconds(const std::string& tree, const std::string& out, bool to_file) {
  Rig rig(tree, out);
  rig.state.ScanToFile = to_file;
  if (to_file) rig.state.SortOutput = ItemOrder::kArrival;
  const auto start = std::chrono::steady_clock::now();
  rig.engine.StartScan();
  if (!rig.items.Empty()) rig.items.Line(0);  // the merge into sorted order counts
  return SecondsSince(start);
}

double SaveSeconds(const std::string& out, long lines) {
  Rig rig("/", out);
  for (long i = 0; i < lines; ++i) {
    rig.items.AddItem(
        {":", "DATA",
         "/home/user/projects/tree/d" + std::to_string(i % 1000) + "/s" + std::to_string(i / 1000) +
             "/",
         "file" + std::to_string(i) + ".txt", std::to_string(i * 37 % 100000), "2024-03-07 09:05"},
        ItemOrder::kPath);
  }
  rig.items.Line(0);
  const auto start = std::chrono::steady_clock::now();
  FileSelectedItems(rig.writer, rig.items, rig.log, [](const std::string&) {});
  return SecondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  const long entries = argc > 1 ? std::atol(argv[1]) : 200'000;
  const std::string root = MakeTempDir();
  const std::string tree = root + "/tree";
  const std::string out = root + "/out.txt";
  BuildTree(tree, entries);
  ScanSeconds(tree, out, false);  // warm the caches
  double list = 1e9, file = 1e9;
  for (int i = 0; i < 3; ++i) {
    list = std::min(list, ScanSeconds(tree, out, false));
    file = std::min(file, ScanSeconds(tree, out, true));
  }
  std::printf("scan into the item list: %.3f s\n", list);
  std::printf("scan to file: %.3f s (%ju bytes)\n", file,
              static_cast<std::uintmax_t>(std::filesystem::file_size(out)));
  std::printf("scan_to_file_vs_scan_ratio=%.2f\n", file / list);
  const double save = SaveSeconds(out, 1'000'000);
  std::printf("save_1m_lines_seconds=%.2f\n", save);
  std::filesystem::remove_all(root);
  return 0;
}
