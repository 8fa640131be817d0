// The scan commands of the main window and what a scan run asks of it.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <climits>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/directory_panel.h"
#include "widgets/qt_text.h"

namespace krellix {

void MainWindow::ConnectScanCommands() {
  connect(actions_.scan, &QAction::triggered, this,
          [this] { RunScanCommand([this] { engine_.ScanCommand(); }); });
  connect(criteria_panel_, &CriteriaPanel::enterPressed, this,
          [this] { RunScanCommand([this] { engine_.ScanEnterKey(); }); });
  connect(actions_.dir_all, &QAction::triggered, this,
          [this] { RunScanCommand([this] { engine_.DirAllCommand(); }); });
  // The directory menus scan the directory as the criteria stand, without the Scan command's
  // own steps.
  connect(actions_.tree_scan, &QAction::triggered, this,
          [this] { RunScanCommand([this] { engine_.StartScan(); }); });
  for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
    connect(actions_.custom[i], &QAction::triggered, this, [this, i] {
      RunScanCommand([this, i] { engine_.CustomScanCommand(settings_.CustOpt[i]); });
    });
  }
  connect(actions_.stop, &QAction::triggered, this, [this] { engine_.StopCommand(); });
  // A released button means AutoScan is on.
  connect(actions_.auto_scan, &QAction::toggled, this,
          [this](bool pressed) { state_.AutoScan = !pressed; });
}

void MainWindow::RunScanCommand(const std::function<void()>& command) {
  // A command that arrives while a run polls events would run inside it; it is dropped.
  if (engine_.Running()) return;
  command();
  // Lines a run adds after its busy spell ("Scan cancelled", "Scan stopped at user request").
  list_panel_->ItemView()->Refresh();
  if (close_pending_) {
    close_pending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
}

void MainWindow::SetScanCommandsEnabled(bool on) {
  for (QAction* action : {actions_.scan, actions_.dir_all, actions_.tree_scan}) {
    action->setEnabled(on);
  }
  actions_.custom_menu->setEnabled(on);
  actions_.reset_criteria->setEnabled(on);
}

void MainWindow::ShowStatus(const std::string& text) { status_->setText(ToQt(text)); }

DirPane MainWindow::ActiveDirPane() { return directory_panel_->ActivePane(); }

void MainWindow::AddToHistory(const std::string& scan_text) {
  ScanHistory::Added added = history_.Add(scan_text, settings_.HistorySize);
  if (added.changed) {
    ShowScanHistory();
    if (added.selected >= 0) added.selected = history_.IndexOf(scan_text);
  }
  if (added.selected < 0) return;
  // The stored spelling stands in for the typed one only where case does not change what
  // the scan finds.
  const std::string& stored = history_.Entries()[static_cast<std::size_t>(added.selected)];
  if (stored == scan_text || criteria_.ignore_case) {
    criteria_panel_->SelectHistoryEntry(added.selected);
    criteria_.scan_text = stored;
  }
}

void MainWindow::ShowItemsTab() { list_panel_->Show(ListPanel::kItems); }

void MainWindow::ShowLogTab() { list_panel_->Show(ListPanel::kLog); }

void MainWindow::BeginBusy() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  list_panel_->ItemView()->BeginBusy();
  SetScanCommandsEnabled(false);
}

void MainWindow::EndBusy() {
  list_panel_->ItemView()->EndBusy();
  QApplication::restoreOverrideCursor();
  SetScanCommandsEnabled(true);
}

int MainWindow::ItemListWidth() { return list_panel_->ItemView()->viewport()->width(); }

int MainWindow::TextWidthBound(const std::string& line) {
  const QFont font = list_panel_->ItemView()->font();
  if (font != advances_font_ || advances_.empty()) {
    // The advance of every ASCII character, and for anything else the font's widest.
    const QFontMetrics metrics(font);
    advances_.assign(129, metrics.maxWidth());
    for (int c = 32; c < 127; ++c) advances_[c] = metrics.horizontalAdvance(QChar(c));
    advances_font_ = font;
  }
  long long sum = 0;
  for (const unsigned char c : line) {
    // Continuation bytes of a UTF-8 sequence add nothing; its lead byte counts as the widest.
    if ((c & 0xC0) == 0x80) continue;
    sum += advances_[c < 128 ? c : 128];
  }
  // Kerning only narrows a line; the margin covers rounding of the advances.
  sum += sum / 8 + 2;
  return sum > INT_MAX ? INT_MAX : static_cast<int>(sum);
}

int MainWindow::TextWidth(const std::string& line) {
  return list_panel_->ItemView()->fontMetrics().horizontalAdvance(ToQt(line));
}

void MainWindow::FinishRun(int scroll_width) {
  list_panel_->ItemView()->SetScrollWidth(scroll_width);
  if (ActiveDirPane() == DirPane::kTree && criteria_panel_->ScanTabShown()) {
    criteria_panel_->ScanBox()->setFocus();
  }
  if (list_panel_->Showing(ListPanel::kItems)) list_panel_->ItemView()->setFocus();
}

void MainWindow::SetScanText(const std::string& text) { criteria_panel_->SetScanText(text); }

}  // namespace krellix
