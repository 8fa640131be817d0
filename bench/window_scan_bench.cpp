// Usage: window_scan_bench [entries].
// Scans a generated tree with the Scan command of the real main window (offscreen, shown, with
// an almost empty settings folder) and with the core scan alone, and prints how much the
// window's own work (measuring lines, polling events, repainting) adds. SCAN_BENCH_TREE=DIR
// scans DIR instead of a generated tree.
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/main_window.h"
#include "bench_support.h"
#include "itemlist/item_list.h"
#include "platform/scripted_prompter.h"
#include "scan/scan_engine.h"

namespace {

using namespace krellix;
using namespace krellix::bench;

double WindowScanSeconds(MainWindow& form, std::size_t* lines) {
  const auto start = std::chrono::steady_clock::now();
  form.Engine().ScanCommand();
  QCoreApplication::processEvents();  // the repaint that shows the list
  const double s = SecondsSince(start);
  *lines = form.Items().Count();
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const long entries = argc > 1 ? std::atol(argv[1]) : 200'000;
  // SCAN_BENCH_TREE names an existing tree to scan instead (kept as it is).
  const char* given = std::getenv("SCAN_BENCH_TREE");
  const std::string root = given != nullptr ? given : MakeTempDir();
  const std::string home = MakeTempDir();
  if (given == nullptr) {
    std::printf("building a tree of %ld entries in %s\n", entries, root.c_str());
    BuildTree(root, entries);
    ::sync();  // the new tree written out first, so no writeback runs during the timing
  }

  qputenv("HOME", QByteArray::fromStdString(home));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "/.config"));
  ScriptedPrompter prompter;
  BenchDialogs dialogs(home + "/out.txt");
  MainWindow form({"/opt/krellix/krellix"}, &prompter, &dialogs);
  form.show();
  QCoreApplication::processEvents();
  form.State().ItemLimit = 1 << 30;  // no "items found, continue?" on the way
  if (!form.SetTreeDirectory(root + "/")) {
    std::fprintf(stderr, "the window refused %s\n", root.c_str());
    return 1;
  }

  // A warm-up of each, then the best of three.
  std::size_t window_lines = 0, core_lines = 0;
  WindowScanSeconds(form, &window_lines);
  CoreScanSeconds(root + "/", "*.*", 0, &core_lines);
  double window = 1e9, core = 1e9;
  for (int i = 0; i < 3; ++i) {
    window = std::min(window, WindowScanSeconds(form, &window_lines));
    core = std::min(core, CoreScanSeconds(root + "/", "*.*", 0, &core_lines));
  }
  std::printf("window scan: %zu lines, %.3f s\n", window_lines, window);
  std::printf("core scan: %zu lines, %.3f s\n", core_lines, core);
  std::printf("window_scan_vs_core_scan_ratio=%.2f\n", window / core);

  form.close();
  if (given == nullptr) std::filesystem::remove_all(root);
  std::filesystem::remove_all(home);
  return 0;
}
