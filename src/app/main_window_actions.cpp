#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "app/criteria_panel.h"
#include "app/directory_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "navigation/address_bar.h"

namespace krellix {
namespace {

// A command whose work belongs to a later part of the program: shown, not yet available.
QAction* Later(QMenu* menu, const QString& text, const QKeySequence& keys = {}) {
  QAction* action = menu->addAction(text);
  action->setShortcut(keys);
  action->setEnabled(false);
  return action;
}

}  // namespace

void TForm1::CreateActions() {
  QStyle* s = style();
  actions_.scan = new QAction(s->standardIcon(QStyle::SP_MediaPlay), "Scan", this);
  actions_.scan->setToolTip("Scan the directory with the scan string (Enter)");
  actions_.stop = new QAction(s->standardIcon(QStyle::SP_BrowserStop), "Stop", this);
  actions_.stop->setToolTip("Stop scanning (Esc)");
  actions_.dir_all = new QAction(s->standardIcon(QStyle::SP_DirOpenIcon), "Dir *.*", this);
  actions_.dir_all->setToolTip("List every entry of the directory (F3)");
  actions_.auto_scan = new QAction(s->standardIcon(QStyle::SP_BrowserReload), "AutoScan", this);
  actions_.auto_scan->setToolTip("Toggle AutoScan");
  actions_.auto_scan->setCheckable(true);
  actions_.tree_scan = new QAction("Scan", this);

  actions_.custom_menu = new QMenu(this);
  for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
    actions_.custom[i] = actions_.custom_menu->addAction(QString("Scan string %1").arg(i + 1));
  }
  actions_.custom_menu->addSeparator();
  actions_.custom_cancel = actions_.custom_menu->addAction("Cancel");
  CreateItemActions();
  CreateNavigationActions();
}

void TForm1::CreateMenus() {
  QMenuBar* bar = menuBar();

  QMenu* file = actions_.file_menu = bar->addMenu("File");
  file->addAction(actions_.scan);
  actions_.scan_to_file = file->addAction("Scan to File");
  file->addSeparator();
  actions_.save = file->addAction("&Save");
  actions_.save->setShortcut(QKeySequence("Alt+S"));
  actions_.save->setToolTip("Save item list to file");
  actions_.save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  actions_.save_log = file->addAction("Save log");
  file->addSeparator();
  Later(file, "&Print...", QKeySequence("Alt+P"));
  Later(file, "Printer &Setup");
  Later(file, "Printer &Font");
  file->addSeparator();
  actions_.exit = file->addAction("E&xit");
  actions_.exit->setShortcut(QKeySequence("Alt+F4"));
  connect(actions_.exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = actions_.edit_menu = bar->addMenu("Edit");
  actions_.cut = edit->addAction("Cut");
  actions_.cut->setShortcut(QKeySequence("Ctrl+X"));
  actions_.copy = edit->addAction("Copy");
  actions_.copy->setShortcut(QKeySequence("Ctrl+C"));
  actions_.paste = edit->addAction("Paste");
  actions_.paste->setShortcut(QKeySequence("Ctrl+V"));
  // The scan string box takes and gives its whole text; other fields their selection.
  auto edit_command = [this](void (*field_command)(QLineEdit*), bool take, bool give) {
    QWidget* focus = QApplication::focusWidget();
    if (ScanBoxHasFocus()) {
      QComboBox* box = criteria_panel_->ScanBox();
      if (give) {
        SetScanText(FromQt(QApplication::clipboard()->text()));
        return;
      }
      QApplication::clipboard()->setText(box->currentText());
      if (take) SetScanText("");
    } else if (auto* field = qobject_cast<QLineEdit*>(focus)) {
      field_command(field);
    }
  };
  connect(actions_.cut, &QAction::triggered, this,
          [edit_command] { edit_command([](QLineEdit* f) { f->cut(); }, true, false); });
  connect(actions_.copy, &QAction::triggered, this,
          [edit_command] { edit_command([](QLineEdit* f) { f->copy(); }, false, false); });
  connect(actions_.paste, &QAction::triggered, this,
          [edit_command] { edit_command([](QLineEdit* f) { f->paste(); }, false, true); });

  QMenu* view = actions_.view_menu = bar->addMenu("View");
  actions_.show_hints = view->addAction("Show Hints");
  actions_.show_hints->setShortcut(QKeySequence("Ctrl+Alt+H"));
  actions_.show_hints->setCheckable(true);
  connect(actions_.show_hints, &QAction::toggled, this,
          [this](bool on) { settings_.ShowHints = on; });
  actions_.show_rename = Later(view, "Show Rename", QKeySequence("Ctrl+Alt+R"));
  actions_.show_rename->setCheckable(true);
  actions_.show_preview = Later(view, "Show Preview", QKeySequence("Ctrl+Alt+V"));
  actions_.show_preview->setCheckable(true);
  view->addSeparator();
  view->addAction(nav_actions_.refresh);
  actions_.reset_window = view->addAction("Reset windowsize");
  connect(actions_.reset_window, &QAction::triggered, this, [this] { ResetWindowSize(); });

  QMenu* options = actions_.options_menu = bar->addMenu("Options");
  const char* confirm_captions[] = {"Confirm Delete directory", "Confirm Rename directory",
                                    "Confirm Purge file",       "Confirm Delete file",
                                    "Confirm Rename file",      "Preview Rename file",
                                    "Confirm Attrib file"};
  bool* confirm_marks[] = {
      &settings_.confirm.delete_directory, &settings_.confirm.rename_directory,
      &settings_.confirm.purge_file,       &settings_.confirm.delete_file,
      &settings_.confirm.rename_file,      &settings_.confirm.preview_rename_file,
      &settings_.confirm.attrib_file};
  for (std::size_t i = 0; i < actions_.confirm.size(); ++i) {
    QAction* check = options->addAction(confirm_captions[i]);
    check->setCheckable(true);
    connect(check, &QAction::toggled, this, [mark = confirm_marks[i]](bool on) { *mark = on; });
    actions_.confirm[i] = check;
  }
  options->addSeparator();
  actions_.reset_criteria = options->addAction("Reset selection criteria");
  connect(actions_.reset_criteria, &QAction::triggered, this, [this] {
    if (!engine_.Running()) SetDefaults(false, "");
  });
  actions_.configuration = options->addAction("&Configuration");
  actions_.configuration->setShortcut(QKeySequence("Alt+C"));
  actions_.configuration->setToolTip("Configuration");
  actions_.configuration->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  connect(actions_.configuration, &QAction::triggered, this, [this] { ConfigurationCommand(); });

  QMenu* items = actions_.items_menu = bar->addMenu("Items");
  items->addAction(nav_actions_.goto_item);
  Later(items, "Open", QKeySequence("Ctrl+O"));
  Later(items, "Open with...");
  Later(items, "(pre)View as text");
  Later(items, "Play");
  items->addSeparator();
  items->addActions({item_actions_.select_all, item_actions_.select_none,
                     item_actions_.select_similar, item_actions_.sort, item_actions_.clear,
                     item_actions_.exclude});
  items->addSeparator();
  // Ctrl+C belongs to "Edit" > "Copy", which copies the items while the list has the focus;
  // here it is only shown.
  Later(items, "Copy\tCtrl+C");
  Later(items, "Move", QKeySequence("Ctrl+M"));
  Later(items, "Rename", QKeySequence("Ctrl+R"));
  item_actions_.delete_items = Later(items, "Delete", QKeySequence("Ctrl+D"));
  item_actions_.purge_items = Later(items, "Purge", QKeySequence("Ctrl+Shift+D"));
  Later(items, "Attrib", QKeySequence("Ctrl+T"));
  Later(items, "Split / Join");
  Later(items, "MD5");
  items->addSeparator();
  Later(items, "Print selected items", QKeySequence("Ctrl+P"));
  items->addAction(item_actions_.filename_to_clipboard);
  items->addAction(item_actions_.path_to_clipboard);
  items->addActions({nav_actions_.add_to_files, nav_actions_.bookmark_item});
  items->addAction(item_actions_.file_info);
  list_panel_->ItemMenu()->addActions(items->actions());

  QMenu* bookmarks = actions_.bookmarks_menu = bar->addMenu("&Bookmarks");
  bookmarks->addActions({nav_actions_.bookmark_current, nav_actions_.manage_bookmarks});
  bookmarks_separator_ = bookmarks->addSeparator();

  QMenu* help = actions_.help_menu = bar->addMenu("Help");
  Later(help, "&Help Topics", QKeySequence("Alt+H"));
  Later(help, "Jumpstart");
  Later(help, "Keyboard");
  Later(help, "&License");
  Later(help, "&What's new");
  Later(help, "Online Help");
  help->addSeparator();
  Later(help, "&About...");

  QMenu* tree = directory_panel_->TreeMenu();
  tree->addAction(actions_.tree_scan);
  tree->addSeparator();
  tree->addActions({nav_actions_.dir_to_clipboard, nav_actions_.refresh, nav_actions_.add_to_list,
                    nav_actions_.add_to_skip, nav_actions_.bookmark_tree});
  for (const char* caption : {"Create directory", "Rename directory", "Delete directory"}) {
    Later(tree, caption);
  }
  tree->addAction(item_actions_.drive_info);
  ConnectItemCommands();
}

void TForm1::CreateToolBar() {
  tool_bar_ = addToolBar("Tools");
  tool_bar_->setObjectName("toolBar");
  tool_bar_->setMovable(false);
  tool_bar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tool_bar_->addAction(actions_.scan);
  tool_bar_->addAction(actions_.stop);
  tool_bar_->addAction(actions_.dir_all);
  tool_bar_->addAction(actions_.auto_scan);
  tool_bar_->addAction(actions_.save);
  tool_bar_->addAction(actions_.configuration);
  actions_.exit_button =
      new QAction(style()->standardIcon(QStyle::SP_DialogCloseButton), "Exit (Alt+F4)", this);
  actions_.exit_button->setToolTip("Exit (Alt+F4)");
  connect(actions_.exit_button, &QAction::triggered, this, &QWidget::close);
  tool_bar_->addAction(actions_.exit_button);

  QWidget* scan_button = tool_bar_->widgetForAction(actions_.scan);
  scan_button->setObjectName("scanButton");
  scan_button->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(scan_button, &QWidget::customContextMenuRequested, this,
          [this, scan_button](const QPoint& at) {
            actions_.custom_menu->exec(scan_button->mapToGlobal(at));
          });
  tool_bar_->widgetForAction(actions_.stop)->setObjectName("stopButton");
  tool_bar_->widgetForAction(actions_.dir_all)->setObjectName("dirAllButton");
  tool_bar_->widgetForAction(actions_.auto_scan)->setObjectName("autoScanButton");
  tool_bar_->widgetForAction(actions_.save)->setObjectName("saveButton");
  tool_bar_->widgetForAction(actions_.configuration)->setObjectName("configurationButton");
  tool_bar_->widgetForAction(actions_.exit_button)->setObjectName("exitButton");
  addToolBarBreak();
  addToolBar(address_bar_);
}

}  // namespace krellix
