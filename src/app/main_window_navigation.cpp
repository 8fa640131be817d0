// The current directory of the main window: the one way it changes, and what follows.
#include <QComboBox>
#include <QTreeView>

#include "app/criteria_panel.h"
#include "app/directory_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/address_bar.h"
#include "navigation/check_list_widget.h"
#include "navigation/directory_path.h"
#include "platform/file_system.h"

namespace krellix {

bool TForm1::SetTreeDirectory(const std::string& path) {
  // Only the very same text is no change; another spelling of this directory (a trailing
  // delimiter, say) is a change like any other.
  if (path == current_dir_) return true;
  const std::string dir = TreeForm(path, current_dir_);
  if (!DirectoryExists(dir) || !SetCurrentDirectory(dir)) return false;
  current_dir_ = dir;
  directory_panel_->ShowDirectory(current_dir_);
  DirectoryListBox1Change();
  return true;
}

bool TForm1::GotoDirectory(const std::string& path) {
  if (SetTreeDirectory(path)) return true;
  prompter_.ShowMessage(MessageKind::kError, "Path not accessible: " + path);
  return false;
}

void TForm1::DirectoryListBox1Change() {
  directory_panel_->ShowPane(DirPane::kTree);
  const std::string status = "Change_directory=" + current_dir_;
  ShowStatus(status);
  addresses_.RecordChange(current_dir_, settings_.AddressSize);
  address_bar_->SetEntries(addresses_.Entries());
  address_bar_->SetText(current_dir_);
  log_.AddLogLine(status);
  StopPreview();
  // A change while a run polls events must not touch that run's flags.
  if (state_.AutoScan && !engine_.Running()) {
    log_.AddLogLine("AutoScan=" + criteria_.scan_text);
    state_.SkipSubDir = true;
    RunScanCommand([this] { engine_.ScanCommand(); });
  }
  if (ActiveDirPane() == DirPane::kTree && list_panel_->Showing(ListPanel::kItems)) {
    directory_panel_->Tree()->setFocus();
  }
}

void TForm1::ConnectDirectoryPane() {
  connect(directory_panel_, &QTabWidget::currentChanged, this, [this](int) {
    StopPreview();
    if (list_panel_->Showing(ListPanel::kItems)) {
      list_panel_->ItemView()->setFocus();
      return;
    }
    switch (ActiveDirPane()) {
      case DirPane::kTree:
        directory_panel_->Tree()->setFocus();
        break;
      case DirPane::kList:
        directory_panel_->IncludeView()->setFocus();
        break;
      case DirPane::kSkip:
        directory_panel_->ExcludeView()->setFocus();
        break;
    }
  });
  connect(directory_panel_, &DirectoryPanel::directoryChosen, this,
          [this](const std::string& dir) { GotoDirectory(dir); });
  connect(directory_panel_, &DirectoryPanel::driveChosen, this, [this](const std::string& dir) {
    // A refused drive leaves the box showing the drive of the current directory.
    if (!GotoDirectory(dir)) directory_panel_->ShowDirectory(current_dir_);
    if (ActiveDirPane() == DirPane::kTree && criteria_panel_->ScanTabShown()) {
      criteria_panel_->ScanBox()->setFocus();
    }
  });
}

}  // namespace krellix
