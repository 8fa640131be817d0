#pragma once

#include <functional>
#include <string>

#include "output/output_dialogs.h"
#include "platform/prompter.h"
#include "scan/scan_host.h"

namespace krellix {

// What a scan asks of the window, answered without one: there is no status bar, list, history
// or preview to update; the scan starts in `directory`, or walks the include list alone when
// `pane` is kList.
class HeadlessHost final : public ScanHost {
 public:
  HeadlessHost(std::string directory, DirPane pane, ScanOutput* output)
      : directory_(std::move(directory)), pane_(pane), output_(output) {}

  void ShowStatus(const std::string&) override {}
  DirPane ActiveDirPane() override { return pane_; }
  std::string TreeDirectory() override { return directory_; }
  void AddToHistory(const std::string&) override {}
  void ShowItemsTab() override {}
  void ShowLogTab() override {}
  void BeginBusy() override {}
  void EndBusy() override {}
  void ClearRenameBox() override {}
  // No line is ever measured.
  int ItemListWidth() override { return 0; }
  int TextWidth(const std::string&) override { return 0; }
  int TextWidthBound(const std::string&) override { return 0; }
  void FinishRun(int) override {}
  ScanOutput* Output() override { return output_; }
  void SetScanText(const std::string&) override {}
  void StopPreview() override {}

 private:
  std::string directory_;
  DirPane pane_;
  ScanOutput* output_;
};

// Messages go to standard error as "krellix: " + text, one line each; there is nobody to ask,
// so a question is answered Yes (the item limit lets the scan go on) and a picker is
// cancelled. Every event poll runs `poll`.
class HeadlessPrompter final : public Prompter {
 public:
  // `write_error` writes to standard error; `quiet`, when it gives true, keeps messages off it
  // (they are still counted).
  HeadlessPrompter(std::function<void(const std::string&)> write_error, std::function<bool()> quiet)
      : write_error_(std::move(write_error)), quiet_(std::move(quiet)) {}

  std::function<void()> poll;

  void ShowMessage(MessageKind kind, const std::string& text) override;
  Answer Ask(const std::string&, Buttons) override { return Answer::kYes; }
  std::optional<std::string> PickOpenFile(const std::string&, const std::string&,
                                          const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> PickSaveFile(const std::string&, const std::string&,
                                          const std::string&, bool) override {
    return std::nullopt;
  }
  std::optional<std::string> PickDirectory(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void ProcessEvents() override {
    if (poll) poll();
  }

  // Error messages shown so far.
  int Errors() const { return errors_; }

 private:
  std::function<void(const std::string&)> write_error_;
  std::function<bool()> quiet_;
  int errors_ = 0;
};

// The "Save as..." dialog and the "Saving file" prompt of the output writer, answered from the
// command line: "Save" to `path`; an existing file that the "Prompt" choice would ask about is
// left alone, with the message "File exists: " + path.
class HeadlessDialogs final : public OutputDialogs {
 public:
  HeadlessDialogs(std::string path, Prompter& prompter)
      : path_(std::move(path)), prompter_(prompter) {}

  bool ShowSaveAs(OutputOptions& options) override;
  SaveMode AskSavingFile(const std::string& path) override;

 private:
  std::string path_;
  Prompter& prompter_;
};

}  // namespace krellix
