// The address bar, its tool buttons and the other ways of moving the current directory:
// "Goto..." from the item list, the clipboard commands and "Refresh".
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>

#include "app/directory_panel.h"
#include "app/main_window.h"
#include "navigation/address_bar.h"
#include "navigation/directory_path.h"
#include "platform/file_system.h"
#include "scan/item_entry.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

// The clipboard takes at most this many characters of a directory.
constexpr int kClipboardDirLength = 255;

QAction* NewAction(QObject* owner, const char* text, const char* keys = nullptr) {
  auto* action = new QAction(text, owner);
  if (keys != nullptr) action->setShortcut(QKeySequence(keys));
  return action;
}

}  // namespace

void TForm1::CreateNavigationActions() {
  NavigationActions& a = nav_actions_;
  a.goto_item = NewAction(this, "Goto...");
  a.refresh = NewAction(this, "Refresh", "Ctrl+F5");
  a.copy_drive = NewAction(this, "Copy drive");
  a.dir_to_clipboard = NewAction(this, "Directory to clipboard");
  address_bar_ = new AddressBar(this);
}

void TForm1::ConnectNavigationCommands() {
  AddressBar* bar = address_bar_;
  connect(bar, &AddressBar::addressEntered, this, [this] { AddressEnter(); });
  connect(bar, &AddressBar::entryChosen, this, [this](int index) { AddressChosen(index); });
  connect(bar->PreviousAction(), &QAction::triggered, this, [this] { WalkAddressHistory(true); });
  connect(bar->NextAction(), &QAction::triggered, this, [this] { WalkAddressHistory(false); });
  connect(bar->UpAction(), &QAction::triggered, this, [this] { UpOneLevel(); });
  connect(bar->RootAction(), &QAction::triggered, this, [this] { RootDirectory(); });
  connect(bar->BrowseAction(), &QAction::triggered, this, [this] { BrowseDirectories(); });
  connect(bar->ClearAction(), &QAction::triggered, bar, &AddressBar::ClearField);

  const NavigationActions& a = nav_actions_;
  connect(a.goto_item, &QAction::triggered, this, [this] { Goto2click(); });
  connect(a.copy_drive, &QAction::triggered, this, [this] { CopyDrive(); });
  connect(a.dir_to_clipboard, &QAction::triggered, this, [this] { DirectoryToClipboard(); });
  connect(a.refresh, &QAction::triggered, this, [this] { RefreshDirectories(); });
  QComboBox* drives = directory_panel_->DriveBox();
  drives->insertActions(drives->actions().value(0), {a.copy_drive, a.refresh});
}

void TForm1::RestoreAddresses(std::vector<std::string> entries, const std::string& address_text) {
  addresses_.Assign(std::move(entries));
  address_bar_->SetEntries(addresses_.Entries());
  address_bar_->SetText(address_text);
}

std::string TForm1::AddressText() const {
  std::vector<std::string> known = addresses_.Entries();
  known.push_back(current_dir_);
  known.push_back(WithTrailingDelim(current_dir_));
  return address_bar_->Text(known);
}

void TForm1::AddressEnter() {
  std::string text = AddressText();
  if (text.empty()) return;
  if (text.back() != kPathDelim) {
    text.push_back(kPathDelim);
    address_bar_->SetText(text);
  }
  GotoDirectory(text);
}

void TForm1::AddressChosen(int index) {
  const std::vector<std::string>& entries = addresses_.Entries();
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
  // A copy: the change records a new entry while the text is in use.
  const std::string dir = WithTrailingDelim(entries[static_cast<std::size_t>(index)]);
  address_bar_->SetText(dir);
  GotoDirectory(dir);
}

void TForm1::WalkAddressHistory(bool back) {
  const std::optional<std::string> entry = back ? addresses_.Previous() : addresses_.Next();
  if (!entry) return;
  address_bar_->SetText(*entry);
  GotoDirectory(*entry);
  addresses_.LowerSuppress();
}

void TForm1::UpOneLevel() {
  if (current_dir_ == std::string(1, kPathDelim)) return;
  GotoDirectory(TreeForm("..", current_dir_));
}

void TForm1::RootDirectory() {
  // In tree form, so going to the mount point one is already at is no change.
  GotoDirectory(TreeForm(directory_panel_->MountPointFor(current_dir_), current_dir_));
}

void TForm1::BrowseDirectories() {
  const std::string address = AddressText();
  const std::optional<std::string> chosen =
      prompter_.PickDirectory("", DirectoryExists(address) ? address : std::string());
  if (!chosen) return;
  const std::string dir = WithTrailingDelim(*chosen);
  address_bar_->SetText(dir);
  GotoDirectory(dir);
}

void TForm1::Goto2click() {
  const std::int64_t current = items_.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= items_.Count() ||
      !items_.IsItem(static_cast<std::size_t>(current))) {
    return;
  }
  std::string target = GetItemListFilename(items_, static_cast<std::size_t>(current));
  // A file goes to its folder; a name gone from disk is tried as it is, and refused.
  if (FileExists(target)) target = DirectoryPart(target);
  target = WithTrailingDelim(target);
  if (GotoDirectory(target)) log_.AddLogLine("Goto=" + target);
}

void TForm1::CopyDrive() {
  QApplication::clipboard()->setText(directory_panel_->DriveBox()->currentText());
}

void TForm1::DirectoryToClipboard() {
  std::string marked = directory_panel_->MarkedDirectory();
  if (marked.empty()) marked = current_dir_;
  QApplication::clipboard()->setText(PathToQt(marked).left(kClipboardDirLength));
  ShowStatus(current_dir_);
}

void TForm1::RefreshDirectories() { directory_panel_->Refresh(engine_.Volumes(), current_dir_); }

}  // namespace krellix
