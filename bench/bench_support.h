#pragma once

#include <chrono>
#include <random>
#include <string>

#include "output/output_dialogs.h"
#include "scan/scan_host.h"

namespace krellix::bench {

// A window stand-in for scans: no repaints, no questions.
class BenchHost final : public ScanHost {
 public:
  explicit BenchHost(std::string dir) : dir_(std::move(dir)) {}
  ScanOutput* output = nullptr;

  void ShowStatus(const std::string&) override {}
  DirPane ActiveDirPane() override { return DirPane::kTree; }
  std::string TreeDirectory() override { return dir_; }
  void AddToHistory(const std::string&) override {}
  void ShowItemsTab() override {}
  void ShowLogTab() override {}
  void BeginBusy() override {}
  void EndBusy() override {}
  void ClearRenameBox() override {}
  int ItemListWidth() override { return 0; }
  int TextWidth(const std::string& line) override { return static_cast<int>(line.size()); }
  int TextWidthBound(const std::string& line) override { return static_cast<int>(line.size()); }
  void FinishRun(int) override {}
  ScanOutput* Output() override { return output; }
  void SetScanText(const std::string&) override {}
  void StopPreview() override {}

 private:
  std::string dir_;
};

// "Save" to a fixed file, replacing it.
class BenchDialogs final : public OutputDialogs {
 public:
  explicit BenchDialogs(std::string path) : path_(std::move(path)) {}
  bool ShowSaveAs(OutputOptions& options) override {
    options.SaveName = path_;
    return true;
  }
  SaveMode AskSavingFile(const std::string&) override { return SaveMode::kReplace; }

 private:
  std::string path_;
};

inline double SecondsSince(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// A tree of `entries` entries below `root`: 100 files a folder, folders ten to a parent.
void BuildTree(const std::string& root, long entries);
// A fresh temporary folder.
std::string MakeTempDir();

// One core scan of `root` with scan string `scan_text` and every other criterion at its
// default, into an item list, the merge into sorted order included; `workers` reading threads
// (0: the reader chooses). Gives the seconds and sets `lines`.
double CoreScanSeconds(const std::string& root, const std::string& scan_text, unsigned workers,
                       std::size_t* lines);

// Runs a peer's shell command; a failure ends the benchmark.
void RunCommand(const std::string& command);

// Fills `chunk` with pseudo-random bytes from `random` (whole 8-byte words).
void FillRandom(std::mt19937_64& random, std::string& chunk);
// Writes a file of `mib` MiB of pseudo-random bytes (always the same ones).
void WriteRandomFile(const std::string& path, long mib);

}  // namespace krellix::bench
