// The output file and activity log commands of the main window.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QLocale>
#include <QMenu>

#include "app/criteria_panel.h"
#include "app/directory_panel.h"
#include "app/list_panel.h"
#include "app/log_saver.h"
#include "app/main_window.h"
#include "app/startup_defaults.h"
#include "itemlist/item_list_view.h"
#include "output/output_windows.h"
#include "output/qt_locale_format.h"
#include "output/save_as_dialog.h"
#include "output/save_item_list.h"
#include "output/saving_file_prompt.h"

namespace krellix {

void TForm1::CreateOutputWriter(OutputDialogs* given) {
  locale_ = LocaleFormatOf(QLocale());
  saving_file_ = new TForm5(this);
  save_as_ = new TForm2(this);
  if (given == nullptr) {
    own_output_dialogs_ = std::make_unique<OutputWindows>(*save_as_, *saving_file_);
    given = own_output_dialogs_.get();
  }
  output_dialogs_ = given;
  writer_ = std::make_unique<WriteOutputFile>(OutputFileContext{
      settings_.output, Header1, items_, state_, *output_dialogs_, prompter_, log_, clock_,
      locale_, [this](const std::string& text) { ShowStatus(text); },
      [this] { return criteria_.scan_text; }, std::string("Krellix ") + kVersion, kCopyright});
  scan_output_ = std::make_unique<ScanOutputFile>(*writer_);
}

void TForm1::ConnectOutputCommands() {
  connect(actions_.save, &QAction::triggered, this, [this] { FileSelectedItems(); });
  connect(actions_.scan_to_file, &QAction::triggered, this, [this] { ScantoFile1Click(); });
  connect(actions_.save_log, &QAction::triggered, this, [this] { SaveLogCommand(); });

  actions_.clear_log = new QAction("Clear log", this);
  connect(actions_.clear_log, &QAction::triggered, this, [this] { ClearLogCommand(); });
  auto* print_log = new QAction("Print log", this);
  print_log->setEnabled(false);
  QListWidget* log_view = list_panel_->LogView();
  log_view->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* log_menu = new QMenu(log_view);
  log_menu->addAction(actions_.clear_log);
  log_menu->addAction(print_log);
  log_menu->addAction(actions_.save_log);
  connect(log_view, &QWidget::customContextMenuRequested, this,
          [log_menu, log_view](const QPoint& at) { log_menu->exec(log_view->mapToGlobal(at)); });
}

ScanOutput* TForm1::Output() { return state_.ScanToFile ? scan_output_.get() : nullptr; }

void TForm1::FocusScanBoxIfShowing() {
  if (directory_panel_->ActivePane() == DirPane::kTree && criteria_panel_->ScanTabShown()) {
    criteria_panel_->ScanBox()->setFocus();
  }
}

void TForm1::FileSelectedItems() {
  if (engine_.Running()) return;
  krellix::FileSelectedItems(*writer_, items_, log_,
                             [this](const std::string& text) { ShowStatus(text); });
  FocusScanBoxIfShowing();
}

void TForm1::ScantoFile1Click() {
  if (engine_.Running()) return;
  // A start with "-sf" keeps the mode for the whole run; this command turns it on for one scan.
  const bool was_on = state_.ScanToFile;
  state_.ScanToFile = true;
  items_.Clear();
  list_panel_->ItemView()->Refresh();
  ClearRenameBox();
  stats_.ResetSizes();
  RunScanCommand([this] { engine_.DisplaySelectedItems(); });
  state_.ScanToFile = was_on;
}

LogSaverContext TForm1::LogSaver() {
  return LogSaverContext{log_,    paths_.LogName, Header1, settings_.output,
                         prompter_, *output_dialogs_, clock_, locale_,
                         [this](const std::string& text) { ShowStatus(text); }, kCopyright};
}

void TForm1::SaveLogCommand() {
  SaveLogfile(LogSaver(), LogSaveKind::kInteractive);
  FocusScanBoxIfShowing();
}

void TForm1::ClearLogCommand() { ClearLog(log_, clock_, locale_); }

}  // namespace krellix
