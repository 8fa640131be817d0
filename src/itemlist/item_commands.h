#pragma once

#include <QObject>
#include <functional>
#include <initializer_list>
#include <string>

#include "itemlist/item_actions.h"

class QMenu;
class QWidget;

namespace krellix {

class CommandRegistry;
class ItemList;
class ItemListView;
class Prompter;
struct ScanStatistics;
enum class ItemOrder : char;

// What the item commands need of the window: the status line, the item list's width, and
// where a clicked item goes besides the status line (the rename pane's box and the preview).
class ItemListHost {
 public:
  virtual ~ItemListHost() = default;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual int ItemListWidth() = 0;
  virtual void ClearRenameBox() = 0;
  virtual void FillRenameBox(const std::string& full_name) = 0;
  virtual void ViewFile(const std::string& full_name, bool force_text) = 0;
};

// The item list's own commands: selecting, sorting, clearing and excluding lines, moving the
// current line, names to the clipboard, and the click and double click on a line. It owns
// their actions and registers them; the window places them in its menus and keys.
class ItemCommands final : public QObject {
 public:
  struct Context {
    ItemList& items;
    const ItemOrder& order;  // the item order of the lines
    ScanStatistics& stats;
    ItemListView* view;
    ItemListHost& host;
    Prompter& prompter;
    // True while a run polls events: the list must not change under it.
    std::function<bool()> busy;
    // The status line after "Clear".
    std::string copyright;
    // "Clear" forgets the widest line so far.
    std::function<void()> forget_widths;
    // A double click on an item opens the current item as "Open" does.
    std::function<void()> open_current;
  };

  ItemCommands(Context context, QObject* parent);

  // Registers the commands under their ids ("items.select_all", ...).
  void Register(CommandRegistry& commands);
  // Enables the commands by the selection while one of `menus` is open, and answers the
  // view's clicks.
  void Connect(CommandRegistry& commands, std::initializer_list<QMenu*> menus);

  const ItemActions& Actions() const { return actions_; }
  ItemActions& Actions() { return actions_; }

  // "Clear": empties the list, the rename box and the statistics.
  void Clear();

  // The click handling for the current line: the status line, the rename box and the preview.
  void Click();

 private:
  void DoubleClick();
  void SelectAll(bool on);
  void SelectSimilarLines();
  void SortLines();
  void ExcludeLines();
  void MoveCurrent(bool up);
  void NamesToClipboard(bool full_path);

  Context ctx_;
  ItemActions actions_;
};

}  // namespace krellix
