#include "app/window_services.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <climits>
#include <cmath>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "itemlist/item_list_view.h"
#include "navigation/directory_panel.h"
#include "preview/preview_commands.h"
#include "rename/rename_pane.h"
#include "session/session.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

bool HasFocusIn(const QWidget* focus, const QWidget* box) {
  return focus != nullptr && box != nullptr && (focus == box || box->isAncestorOf(focus));
}

}  // namespace

void WindowServices::ShowStatus(const std::string& text) { p_.status->setText(ToQt(text)); }

void WindowServices::ClearRenameBox() {
  if (rename_pane_ != nullptr) rename_pane_->Clear();
}

void WindowServices::StopPreview() {
  if (preview_ != nullptr) preview_->StopPreview();
}

void WindowServices::ViewFile(const std::string& full_name, bool force_text) {
  if (preview_ != nullptr) preview_->ViewFile(full_name, force_text);
}

void WindowServices::FillRenameBox(const std::string& full_name) {
  if (rename_pane_ != nullptr) rename_pane_->Fill(full_name);
}

DirPane WindowServices::ActiveDirPane() { return p_.directories->ActivePane(); }

std::string WindowServices::TreeDirectory() { return p_.session.current_dir; }

void WindowServices::AddToHistory(const std::string& scan_text) {
  Session& s = p_.session;
  ScanHistory::Added added = s.history.Add(scan_text, s.settings.HistorySize);
  if (added.changed) {
    p_.show_scan_history();
    if (added.selected >= 0) added.selected = s.history.IndexOf(scan_text);
  }
  if (added.selected < 0) return;
  // The stored spelling stands in for the typed one only where case does not change what
  // the scan finds.
  const std::string& stored = s.history.Entries()[static_cast<std::size_t>(added.selected)];
  if (stored == scan_text || s.criteria.ignore_case) {
    p_.criteria->SelectHistoryEntry(added.selected);
    s.criteria.scan_text = stored;
  }
}

void WindowServices::ShowItemsTab() { p_.lists->Show(ListPanel::kItems); }

void WindowServices::ShowLogTab() { p_.lists->Show(ListPanel::kLog); }

void WindowServices::BeginBusy() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  p_.lists->ItemView()->BeginBusy();
  p_.enable_scan_commands(false);
}

void WindowServices::EndBusy() {
  p_.lists->ItemView()->EndBusy();
  QApplication::restoreOverrideCursor();
  p_.enable_scan_commands(true);
}

int WindowServices::ItemListWidth() { return p_.lists->ItemView()->viewport()->width(); }

int WindowServices::TextWidthBound(const std::string& line) {
  const QFont& font = p_.lists->ItemView()->font();
  if (advances_.empty() || font != advances_font_) {
    // The exact advance of every ASCII character, and for anything else the font's widest.
    const QFontMetricsF metrics(font);
    advances_.assign(129, metrics.maxWidth());
    for (int c = 32; c < 127; ++c) advances_[c] = metrics.horizontalAdvance(QChar(c));
    // A tab reaches the next tab stop: at most one tab stop distance (80 pixels by default).
    advances_['\t'] = std::max({metrics.maxWidth(), metrics.horizontalAdvance(QChar('\t')), 80.0});
    advances_font_ = font;
  }
  double sum = 0;
  for (const unsigned char c : line) {
    // Continuation bytes of a UTF-8 sequence add nothing; its lead byte counts as the widest.
    if ((c & 0xC0) == 0x80) continue;
    sum += advances_[c < 128 ? c : 128];
  }
  // Kerning and ligatures only narrow a line, and the measured width is the sum of the same
  // advances rounded up: the bound is exact for most lines, so a line as wide as the widest
  // so far is not measured again.
  sum = std::ceil(sum - 1e-6);
  return sum > INT_MAX ? INT_MAX : static_cast<int>(sum);
}

int WindowServices::TextWidth(const std::string& line) {
  return p_.lists->ItemView()->fontMetrics().horizontalAdvance(ToQt(line));
}

void WindowServices::FinishRun(int scroll_width) {
  p_.lists->ItemView()->SetScrollWidth(scroll_width);
  FocusScanBoxIfShowing();
  if (p_.lists->Showing(ListPanel::kItems)) p_.lists->ItemView()->setFocus();
}

void WindowServices::SetScanText(const std::string& text) { p_.criteria->SetScanText(text); }

bool WindowServices::TextEntryHasFocus(const QWidget* address_field) const {
  const QWidget* focus = p_.window->focusWidget();
  return HasFocusIn(focus, p_.criteria->ScanBox()) || HasFocusIn(focus, address_field);
}

void WindowServices::FocusScanBoxIfShowing() {
  if (p_.directories->ActivePane() == DirPane::kTree && p_.criteria->ScanTabShown()) {
    p_.criteria->ScanBox()->setFocus();
  }
}

}  // namespace krellix
