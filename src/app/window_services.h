#pragma once

#include <QFont>
#include <functional>
#include <string>
#include <vector>

#include "itemlist/item_commands.h"
#include "scan/scan_host.h"

class QLabel;
class QWidget;

namespace krellix {

class CriteriaPanel;
class DirectoryPanel;
class ListPanel;
class PreviewCommands;
class RenamePane;
struct Session;

// What scans and command groups ask of the main window: the status line, the busy state,
// the panes and tabs, the item list's widths, the scan string box, the rename box and the
// preview.
class WindowServices final : public ScanHost, public ItemListHost {
 public:
  struct Parts {
    Session& session;
    QWidget* window;
    CriteriaPanel* criteria;
    DirectoryPanel* directories;
    ListPanel* lists;
    QLabel* status;
    // The scan output file while "Scan to File" is on, else nullptr.
    std::function<ScanOutput*()> output;
    // The commands that start a run are off while one is under way.
    std::function<void(bool)> enable_scan_commands;
    // Shows the scan history in the scan string box.
    std::function<void()> show_scan_history;
  };

  explicit WindowServices(Parts parts) : p_(std::move(parts)) {}

  // The rename pane, once the rename commands have made it.
  void SetRenamePane(RenamePane* pane) { rename_pane_ = pane; }
  // The preview, once its commands exist.
  void SetPreview(PreviewCommands* preview) { preview_ = preview; }

  // ScanHost
  void ShowStatus(const std::string& text) override;
  DirPane ActiveDirPane() override;
  std::string TreeDirectory() override;
  void AddToHistory(const std::string& scan_text) override;
  void ShowItemsTab() override;
  void ShowLogTab() override;
  void BeginBusy() override;
  void EndBusy() override;
  void ClearRenameBox() override;
  void StopPreview() override;
  ScanOutput* Output() override { return p_.output(); }
  int ItemListWidth() override;
  int TextWidth(const std::string& line) override;
  int TextWidthBound(const std::string& line) override;
  void FinishRun(int scroll_width) override;
  void SetScanText(const std::string& text) override;

  // ItemListHost: the clicked item goes to the rename box and the preview.
  void FillRenameBox(const std::string& full_name) override;
  void ViewFile(const std::string& full_name, bool force_text) override;

  // Where the focus is, for the key map.
  bool TextEntryHasFocus(const QWidget* address_field) const;
  // After saving or a drive change: the scan string box gets the focus when the Tree and
  // Scan tabs show.
  void FocusScanBoxIfShowing();

 private:
  Parts p_;
  RenamePane* rename_pane_ = nullptr;
  PreviewCommands* preview_ = nullptr;
  // The item list font's character advances, for TextWidthBound.
  std::vector<double> advances_;
  QFont advances_font_;
};

}  // namespace krellix
