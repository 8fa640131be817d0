#include "app/list_panel.h"

#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

#include "information/info_tab.h"
#include "itemlist/item_list_view.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

void AddDisabledActions(QWidget* owner, std::initializer_list<const char*> captions) {
  owner->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (const char* caption : captions) {
    auto* action = new QAction(caption, owner);
    action->setEnabled(false);
    owner->addAction(action);
  }
}

}  // namespace

ListPanel::ListPanel(ItemList& items, QWidget* parent) : QTabWidget(parent) {
  item_view_ = new ItemListView(items);
  item_view_->setObjectName("itemList");
  item_view_->setAccessibleName(tr("Item list"));
  item_menu_ = new QMenu(item_view_);
  SetItemMenuEnabled(true);
  connect(item_view_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { item_menu_->exec(item_view_->viewport()->mapToGlobal(at)); });

  file_view_ = new QListWidget;
  file_view_->setObjectName("fileList");
  file_view_->setAccessibleName(tr("Files list"));
  // The main window fills the file list's menu.
  file_view_->setContextMenuPolicy(Qt::ActionsContextMenu);

  log_view_ = new QListWidget;
  log_view_->setObjectName("logList");
  log_view_->setAccessibleName(tr("Activity log"));
  // Log lines differ in width and are few enough to measure each; none is cut short.
  log_view_->setTextElideMode(Qt::ElideNone);
  log_view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  AddDisabledActions(log_view_, {"Clear log", "Print log", "Save log"});

  info_view_ = new InfoTab;
  info_view_->setObjectName("infoView");
  info_view_->setAccessibleName(tr("Information"));

  items_page_ = new QWidget;
  auto* items_layout = new QVBoxLayout(items_page_);
  items_layout->setContentsMargins(0, 0, 0, 0);
  items_layout->setSpacing(0);
  items_layout->addWidget(item_view_, 1);
  addTab(items_page_, "Items");
  addTab(file_view_, "Files");
  addTab(log_view_, "Log");
  addTab(info_view_, "Info");
  connect(this, &QTabWidget::currentChanged, this, [this](int index) {
    // Lines added while the tab was hidden are laid out first, or the bottom is not known.
    if (index != kLog) return;
    log_view_->doItemsLayout();
    log_view_->scrollToBottom();
  });
}

void ListPanel::AddBelowItems(QWidget* pane) { items_page_->layout()->addWidget(pane); }

void ListPanel::SetItemMenuEnabled(bool on) {
  item_view_->setContextMenuPolicy(on ? Qt::CustomContextMenu : Qt::NoContextMenu);
}

void ListPanel::AppendLogLine(const std::string& line) {
  log_view_->addItem(ToQt(line));
  log_view_->scrollToBottom();
}

void ListPanel::ClearLog() { log_view_->clear(); }

}  // namespace krellix
