#include "navigation/navigation_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "navigation/address_bar.h"
#include "navigation/address_history.h"
#include "navigation/directory_panel.h"
#include "navigation/directory_path.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "scan/scan_host.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

// The clipboard takes at most this many characters of a directory.
constexpr int kClipboardDirLength = 255;

}  // namespace

NavigationCommands::NavigationCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {}

void NavigationCommands::Register(CommandRegistry& commands) {
  NavigationActions& a = actions_;
  a.goto_item = commands.Add(
      "items.goto", "Goto...", {}, [this] { GotoItem(); }, SelectionRule::kExactlyOne);
  a.refresh =
      commands.Add("tree.refresh", "Refresh", QKeySequence("Ctrl+F5"), [this] { Refresh(); });
  a.dir_to_clipboard = commands.Add("tree.dir_to_clipboard", "Directory to clipboard", {},
                                    [this] { DirectoryToClipboard(); });
  a.copy_drive = new QAction("Copy drive", this);
  connect(a.copy_drive, &QAction::triggered, this, [this] { CopyDrive(); });
  QComboBox* drives = ctx_.panel->DriveBox();
  drives->insertActions(drives->actions().value(0), {a.copy_drive, a.refresh});

  AddressBar* bar = ctx_.bar;
  connect(bar, &AddressBar::addressEntered, this, [this] { AddressEnter(); });
  connect(bar, &AddressBar::entryChosen, this, [this](int index) { AddressChosen(index); });
  connect(bar->PreviousAction(), &QAction::triggered, this, [this] { WalkAddressHistory(true); });
  connect(bar->NextAction(), &QAction::triggered, this, [this] { WalkAddressHistory(false); });
  connect(bar->UpAction(), &QAction::triggered, this, [this] { UpOneLevel(); });
  connect(bar->RootAction(), &QAction::triggered, this, [this] { RootDirectory(); });
  connect(bar->BrowseAction(), &QAction::triggered, this, [this] { BrowseDirectories(); });
  connect(bar->ClearAction(), &QAction::triggered, bar, &AddressBar::ClearField);
  connect(ctx_.panel, &DirectoryPanel::directoryChosen, this,
          [this](const std::string& dir) { GotoDirectory(dir); });
}

bool NavigationCommands::SetTreeDirectory(const std::string& path) {
  // Only the very same text is no change; another spelling of this directory (a trailing
  // delimiter, say) is a change like any other.
  if (path == ctx_.current_dir) return true;
  const std::string dir = TreeForm(path, ctx_.current_dir);
  if (!DirectoryExists(dir) || !SetCurrentDirectory(dir)) return false;
  ctx_.current_dir = dir;
  ctx_.panel->ShowDirectory(ctx_.current_dir);
  DirectoryChanged();
  return true;
}

bool NavigationCommands::GotoDirectory(const std::string& path) {
  if (SetTreeDirectory(path)) return true;
  ctx_.prompter.ShowMessage(MessageKind::kError, "Path not accessible: " + path);
  return false;
}

void NavigationCommands::DirectoryChanged() {
  ctx_.panel->ShowPane(DirPane::kTree);
  const std::string status = "Change_directory=" + ctx_.current_dir;
  ctx_.host.ShowStatus(status);
  ctx_.addresses.RecordChange(ctx_.current_dir, ctx_.address_size);
  ctx_.bar->SetEntries(ctx_.addresses.Entries());
  ctx_.bar->SetText(ctx_.current_dir);
  ctx_.log.AddLogLine(status);
  ctx_.host.StopPreview();
  ctx_.after_change();
}

void NavigationCommands::RestoreAddresses(std::vector<std::string> entries,
                                          const std::string& address_text) {
  ctx_.addresses.Assign(std::move(entries));
  ctx_.bar->SetEntries(ctx_.addresses.Entries());
  ctx_.bar->SetText(address_text);
}

void NavigationCommands::ShowAddress(const std::string& dir) { ctx_.bar->SetText(dir); }

std::string NavigationCommands::AddressText() const {
  std::vector<std::string> known = ctx_.addresses.Entries();
  known.push_back(ctx_.current_dir);
  known.push_back(WithTrailingDelim(ctx_.current_dir));
  return ctx_.bar->Text(known);
}

void NavigationCommands::AddressEnter() {
  std::string text = AddressText();
  if (text.empty()) return;
  if (text.back() != kPathDelim) {
    text.push_back(kPathDelim);
    ctx_.bar->SetText(text);
  }
  GotoDirectory(text);
}

void NavigationCommands::AddressChosen(int index) {
  const std::vector<std::string>& entries = ctx_.addresses.Entries();
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
  // A copy: the change records a new entry while the text is in use.
  const std::string dir = WithTrailingDelim(entries[static_cast<std::size_t>(index)]);
  ctx_.bar->SetText(dir);
  GotoDirectory(dir);
}

void NavigationCommands::WalkAddressHistory(bool back) {
  const std::optional<std::string> entry = back ? ctx_.addresses.Previous() : ctx_.addresses.Next();
  if (!entry) return;
  ctx_.bar->SetText(*entry);
  GotoDirectory(*entry);
  ctx_.addresses.LowerSuppress();
}

void NavigationCommands::UpOneLevel() {
  if (ctx_.current_dir == std::string(1, kPathDelim)) return;
  GotoDirectory(TreeForm("..", ctx_.current_dir));
}

void NavigationCommands::RootDirectory() {
  // In tree form, so going to the mount point one is already at is no change.
  GotoDirectory(TreeForm(ctx_.panel->MountPointFor(ctx_.current_dir), ctx_.current_dir));
}

void NavigationCommands::BrowseDirectories() {
  const std::string address = AddressText();
  const std::optional<std::string> chosen =
      ctx_.prompter.PickDirectory("", DirectoryExists(address) ? address : std::string());
  if (!chosen) return;
  const std::string dir = WithTrailingDelim(*chosen);
  ctx_.bar->SetText(dir);
  GotoDirectory(dir);
}

void NavigationCommands::GotoItem() {
  const ItemList& items = ctx_.items;
  const std::int64_t current = items.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= items.Count() ||
      !items.IsItem(static_cast<std::size_t>(current))) {
    return;
  }
  std::string target = GetItemListFilename(items, static_cast<std::size_t>(current));
  // A file goes to its folder; a name gone from disk is tried as it is, and refused.
  if (FileExists(target)) target = DirectoryPart(target);
  target = WithTrailingDelim(target);
  if (GotoDirectory(target)) ctx_.log.AddLogLine("Goto=" + target);
}

void NavigationCommands::CopyDrive() {
  QApplication::clipboard()->setText(ctx_.panel->DriveBox()->currentText());
}

void NavigationCommands::DirectoryToClipboard() {
  std::string marked = ctx_.panel->MarkedDirectory();
  if (marked.empty()) marked = ctx_.current_dir;
  QApplication::clipboard()->setText(PathToQt(marked).left(kClipboardDirLength));
  ctx_.host.ShowStatus(ctx_.current_dir);
}

void NavigationCommands::Refresh() { ctx_.panel->Refresh(ctx_.volumes, ctx_.current_dir); }

}  // namespace krellix
