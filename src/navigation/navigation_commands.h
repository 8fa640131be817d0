#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "navigation/navigation_actions.h"

class QWidget;

namespace krellix {

class ActivityLog;
class AddressBar;
class AddressHistory;
class CommandRegistry;
class DirectoryPanel;
class ItemList;
class Prompter;
class ScanHost;
class VolumeLabels;

// The current directory: the one way it changes and what every change sets off, the address
// bar with its history and tool buttons, "Goto..." for an item, the clipboard commands of the
// tree and the drive box, and "Refresh".
class NavigationCommands final : public QObject {
 public:
  struct Context {
    std::string& current_dir;
    AddressHistory& addresses;
    const int& address_size;  // the most addresses kept
    const ItemList& items;
    ActivityLog& log;
    Prompter& prompter;
    ScanHost& host;  // status line, preview
    VolumeLabels& volumes;
    DirectoryPanel* panel;
    AddressBar* bar;
    // What the window adds to every change of directory (AutoScan, the focus).
    std::function<void()> after_change;
  };

  NavigationCommands(Context context, QObject* parent);

  // Registers "items.goto", "tree.refresh" and "tree.dir_to_clipboard", and connects the
  // address bar, the tree and the drive box.
  void Register(CommandRegistry& commands);
  const NavigationActions& Actions() const { return actions_; }

  // The one entry point for changing the current directory (the tree's directory, where
  // scans start). Setting it to exactly the current text is no change. False when the
  // directory cannot be entered; nothing changes then.
  bool SetTreeDirectory(const std::string& path);
  // As SetTreeDirectory, telling the user "Path not accessible: " when refused.
  bool GotoDirectory(const std::string& path);

  // The address history restored by the settings load: `entries` newest first, the position
  // back at 0, `address_text` in the address field.
  void RestoreAddresses(std::vector<std::string> entries, const std::string& address_text);
  // The address field's text (bytes).
  std::string AddressText() const;
  // The address field shows `dir` (a directory named on the command line).
  void ShowAddress(const std::string& dir);
  // "Refresh": the drive box and the directory tree read the disk again.
  void Refresh();

 private:
  void DirectoryChanged();
  void AddressEnter();
  void AddressChosen(int index);
  void WalkAddressHistory(bool back);
  void UpOneLevel();
  void RootDirectory();
  void BrowseDirectories();
  void GotoItem();
  void CopyDrive();
  void DirectoryToClipboard();

  Context ctx_;
  NavigationActions actions_;
};

}  // namespace krellix
