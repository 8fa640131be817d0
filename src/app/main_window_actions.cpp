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
#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/address_bar.h"
#include "navigation/directory_panel.h"
#include "navigation/list_commands.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

// The menus of the main window, in their order. Ids no command group has registered yet show
// as disabled entries with the caption and keys given here.
constexpr MenuEntry kFileMenu[] = {
    {"scan.scan"},
    {"scan.to_file"},
    {"-"},
    {"output.save"},
    {"log.save"},
    {"-"},
    {"print.print", "&Print...", "Alt+P"},
    {"print.setup", "Printer &Setup"},
    {"print.font", "Printer &Font"},
    {"-"},
    {"app.exit"},
};
constexpr MenuEntry kEditMenu[] = {{"edit.cut"}, {"edit.copy"}, {"edit.paste"}};
constexpr MenuEntry kViewMenu[] = {{"view.hints"}, {"view.rename"},  {"view.preview"},
                                   {"-"},          {"tree.refresh"}, {"view.reset_window"}};
constexpr MenuEntry kOptionsMenu[] = {
    {"options.confirm_delete_directory"}, {"options.confirm_rename_directory"},
    {"options.confirm_purge_file"},       {"options.confirm_delete_file"},
    {"options.confirm_rename_file"},      {"options.preview_rename_file"},
    {"options.confirm_attrib_file"},      {"-"},
    {"options.reset_criteria"},           {"options.configuration"},
};
constexpr MenuEntry kItemsMenu[] = {
    {"items.goto"},
    {"items.open", "Open", "Ctrl+O"},
    {"items.open_with", "Open with..."},
    {"items.view_text", "(pre)View as text"},
    {"items.play", "Play"},
    {"-"},
    {"items.select_all"},
    {"items.select_none"},
    {"items.select_similar"},
    {"items.sort"},
    {"items.clear"},
    {"items.exclude"},
    {"-"},
    // Ctrl+C belongs to "Edit" > "Copy", which copies the items while the list has the focus;
    // here it is only shown.
    {"items.copy", "Copy\tCtrl+C"},
    {"items.move", "Move", "Ctrl+M"},
    {"items.rename", "Rename", "Ctrl+R"},
    {"items.delete", "Delete", "Ctrl+D"},
    {"items.purge", "Purge", "Ctrl+Shift+D"},
    {"items.attrib", "Attrib", "Ctrl+T"},
    {"items.split_join", "Split / Join"},
    {"items.md5", "MD5"},
    {"-"},
    {"items.print", "Print selected items", "Ctrl+P"},
    {"items.filename_to_clipboard"},
    {"items.path_to_clipboard"},
    {"items.add_to_files"},
    {"items.bookmark_directory"},
    {"items.file_info"},
};
constexpr MenuEntry kBookmarksMenu[] = {{"bookmarks.add_current"}, {"bookmarks.manage"}, {"-"}};
constexpr MenuEntry kHelpMenu[] = {
    {"help.topics", "&Help Topics", "Alt+H"},
    {"help.jumpstart", "Jumpstart"},
    {"help.keyboard", "Keyboard"},
    {"help.license", "&License"},
    {"help.whats_new", "&What's new"},
    {"help.online", "Online Help"},
    {"-"},
    {"help.about", "&About..."},
};
constexpr MenuEntry kTreeMenu[] = {
    {"tree.scan"},
    {"-"},
    {"tree.dir_to_clipboard"},
    {"tree.refresh"},
    {"tree.add_to_list"},
    {"tree.add_to_skip"},
    {"tree.bookmark"},
    {"tree.create_directory", "Create directory"},
    {"tree.rename_directory", "Rename directory"},
    {"tree.delete_directory", "Delete directory"},
    {"info.drive"},
};

// A command whose work belongs to a later part of the program: shown, not yet available.
QAction* Later(QObject* owner, const QString& text, const QKeySequence& keys = {}) {
  auto* action = new QAction(text, owner);
  action->setShortcut(keys);
  action->setEnabled(false);
  return action;
}

QAction* NewAction(QObject* owner, const QString& text, const char* keys = "") {
  auto* action = new QAction(text, owner);
  action->setShortcut(QKeySequence(keys));
  return action;
}

}  // namespace

void MainWindow::CreateActions() {
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

  actions_.exit = NewAction(this, "E&xit", "Alt+F4");
  connect(actions_.exit, &QAction::triggered, this, &QWidget::close);
  CreateEditActions();
  CreateViewAndOptionActions();
  CreateNavigationCommands();
  RegisterCommands();
  CreateBookmarkCommands();
  CreateItemCommands();
  CreateInfoCommands();
  CreateSettingsCommands();
  CreateListCommands();
}

void MainWindow::CreateEditActions() {
  actions_.cut = NewAction(this, "Cut", "Ctrl+X");
  actions_.copy = NewAction(this, "Copy", "Ctrl+C");
  actions_.paste = NewAction(this, "Paste", "Ctrl+V");
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
}

void MainWindow::CreateViewAndOptionActions() {
  actions_.show_hints = NewAction(this, "Show Hints", "Ctrl+Alt+H");
  actions_.show_hints->setCheckable(true);
  connect(actions_.show_hints, &QAction::toggled, this,
          [this](bool on) { settings_.ShowHints = on; });
  actions_.show_rename = Later(this, "Show Rename", QKeySequence("Ctrl+Alt+R"));
  actions_.show_rename->setCheckable(true);
  actions_.show_preview = Later(this, "Show Preview", QKeySequence("Ctrl+Alt+V"));
  actions_.show_preview->setCheckable(true);
  actions_.reset_window = NewAction(this, "Reset windowsize");
  connect(actions_.reset_window, &QAction::triggered, this, [this] { ResetWindowSize(); });

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
    QAction* check = NewAction(this, confirm_captions[i]);
    check->setCheckable(true);
    connect(check, &QAction::toggled, this, [mark = confirm_marks[i]](bool on) { *mark = on; });
    actions_.confirm[i] = check;
  }
  actions_.reset_criteria = NewAction(this, "Reset selection criteria");
  connect(actions_.reset_criteria, &QAction::triggered, this, [this] {
    if (!engine_.Running()) SetDefaults(false, "");
  });
}

void MainWindow::RegisterCommands() {
  CommandRegistry& r = commands_;
  r.Register("scan.scan", actions_.scan);
  r.Register("scan.stop", actions_.stop);
  r.Register("scan.dir_all", actions_.dir_all);
  r.Register("app.exit", actions_.exit);
  r.Register("edit.cut", actions_.cut);
  r.Register("edit.copy", actions_.copy);
  r.Register("edit.paste", actions_.paste);
  r.Register("view.hints", actions_.show_hints);
  r.Register("view.rename", actions_.show_rename);
  r.Register("view.preview", actions_.show_preview);
  r.Register("view.reset_window", actions_.reset_window);
  const char* confirm_ids[] = {
      "options.confirm_delete_directory", "options.confirm_rename_directory",
      "options.confirm_purge_file",       "options.confirm_delete_file",
      "options.confirm_rename_file",      "options.preview_rename_file",
      "options.confirm_attrib_file"};
  for (std::size_t k = 0; k < actions_.confirm.size(); ++k) {
    r.Register(confirm_ids[k], actions_.confirm[k]);
  }
  r.Register("options.reset_criteria", actions_.reset_criteria);

  r.Register("tree.scan", actions_.tree_scan);
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  CommandRegistry& r = commands_;
  const auto fill = [&](const char* title, std::span<const MenuEntry> entries) {
    QMenu* menu = bar->addMenu(title);
    r.Fill(menu, entries);
    return menu;
  };
  actions_.file_menu = fill("File", kFileMenu);
  actions_.edit_menu = fill("Edit", kEditMenu);
  actions_.view_menu = fill("View", kViewMenu);
  actions_.options_menu = fill("Options", kOptionsMenu);
  actions_.items_menu = fill("Items", kItemsMenu);
  list_panel_->ItemMenu()->addActions(actions_.items_menu->actions());
  actions_.bookmarks_menu = fill("&Bookmarks", kBookmarksMenu);
  bookmark_commands_->ShowIn(actions_.bookmarks_menu,
                             actions_.bookmarks_menu->actions().constLast());
  actions_.help_menu = fill("Help", kHelpMenu);
  r.Fill(directory_panel_->TreeMenu(), kTreeMenu);
  item_commands_->Connect(r, {actions_.items_menu, list_panel_->ItemMenu()});
}

void MainWindow::CreateToolBar() {
  tool_bar_ = addToolBar("Tools");
  tool_bar_->setObjectName("toolBar");
  tool_bar_->setMovable(false);
  tool_bar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tool_bar_->addAction(actions_.scan);
  tool_bar_->addAction(actions_.stop);
  tool_bar_->addAction(actions_.dir_all);
  tool_bar_->addAction(actions_.auto_scan);
  QAction* save = commands_.Find("output.save");
  tool_bar_->addAction(save);
  QAction* configuration = commands_.Find("options.configuration");
  tool_bar_->addAction(configuration);
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
  tool_bar_->widgetForAction(save)->setObjectName("saveButton");
  tool_bar_->widgetForAction(configuration)->setObjectName("configurationButton");
  tool_bar_->widgetForAction(actions_.exit_button)->setObjectName("exitButton");
  addToolBarBreak();
  addToolBar(address_bar_);
}

void MainWindow::CreateListCommands() {
  const ListCommandContext shared{
      log_, prompter_, *this,
      [this]() -> SavingFileQuestion& { return output_commands_->Dialogs(); },
      [this](const std::string& dir) { return GotoDirectory(dir); }};
  const auto marked = [this] { return directory_panel_->MarkedDirectory(); };
  const auto show_selection = [this](std::int64_t first) {
    ItemListView* view = list_panel_->ItemView();
    view->RefreshSelection();
    if (first >= 0) {
      view->scrollTo(view->model()->index(static_cast<int>(first), 0),
                     QAbstractItemView::PositionAtTop);
    }
  };
  list_commands_ = new ListCommands(
      {shared,
       {kIncludeListKind, include_list_, paths_.IncListName, directory_panel_->IncludeView(),
        directory_panel_->IncludeControls(), marked},
       {kExcludeListKind, exclude_list_, paths_.ExcListname, directory_panel_->ExcludeView(),
        directory_panel_->ExcludeControls(), marked},
       {file_list_, paths_.FileListName, items_, list_panel_->FileView(), this, show_selection}},
      this);
  list_commands_->Register(commands_);
}

}  // namespace krellix
