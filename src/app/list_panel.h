#pragma once

#include <QTabWidget>
#include <string>

class QListWidget;
class QMenu;

namespace krellix {

class InfoTab;
class ItemList;
class ItemListView;

// The right panel's tabs: "Items" (the item list), "Files" (the file list), "Log" (the
// activity log) and "Info".
class ListPanel final : public QTabWidget {
  Q_OBJECT

 public:
  enum Tab { kItems, kFiles, kLog, kInfo };

  explicit ListPanel(ItemList& items, QWidget* parent = nullptr);

  ItemListView* ItemView() const { return item_view_; }
  QListWidget* LogView() const { return log_view_; }
  QListWidget* FileView() const { return file_view_; }
  InfoTab* InfoView() const { return info_view_; }
  // Places `pane` under the item list, on the "Items" tab.
  void AddBelowItems(QWidget* pane);
  // The item list's context menu; the main window fills it.
  QMenu* ItemMenu() const { return item_menu_; }
  // With no context menu the item list offers none (scan-to-file mode).
  void SetItemMenuEnabled(bool on);

  // The log view follows the activity log.
  void AppendLogLine(const std::string& line);
  void ClearLog();

  bool Showing(Tab tab) const { return currentIndex() == tab; }
  void Show(Tab tab) { setCurrentIndex(tab); }

 private:
  ItemListView* item_view_ = nullptr;
  QWidget* items_page_ = nullptr;
  QMenu* item_menu_ = nullptr;
  QListWidget* file_view_ = nullptr;
  QListWidget* log_view_ = nullptr;
  InfoTab* info_view_ = nullptr;
};

}  // namespace krellix
