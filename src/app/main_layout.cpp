#include "app/main_layout.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <span>

#include "widgets/command_registry.h"
#include "widgets/key_map_filter.h"

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

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr ModifierRule kFn = ModifierRule::kFunctionKey;
constexpr ModifierRule kExact = ModifierRule::kExact;

constexpr KeyBinding kKeyMap[] = {
    {Qt::Key_Escape, kNone, ModifierRule::kAny, KeyScope::kWindow, "scan.stop"},
    {Qt::Key_F1, kNone, kFn, KeyScope::kWindow, "help.topics"},
    {Qt::Key_F2, kNone, kFn, KeyScope::kWindow, "tree.refresh"},
    {Qt::Key_F3, kNone, kFn, KeyScope::kWindow, "scan.dir_all"},
    {Qt::Key_F4, kNone, kFn, KeyScope::kWindow, "scan.rescan"},
    {Qt::Key_F5, kNone, kFn, KeyScope::kWindow, "items.copy"},
    {Qt::Key_F6, kNone, kFn, KeyScope::kWindow, "items.move"},
    {Qt::Key_F7, kNone, kFn, KeyScope::kWindow, "items.rename"},
    {Qt::Key_F8, kNone, kFn, KeyScope::kWindow, "items.delete"},
    {Qt::Key_F9, kNone, kFn, KeyScope::kWindow, "items.purge"},
    {Qt::Key_F10, kNone, kFn, KeyScope::kWindow, "keys.no_function"},
    {Qt::Key_F11, kNone, kFn, KeyScope::kWindow, "options.configuration"},
    {Qt::Key_F12, kNone, kFn, KeyScope::kWindow, "info.show"},
    // Alt with the letter of a menu title opens that menu, except for these three commands
    // whose shortcuts take the letters of "&File", "&Bookmarks" and "&Help".
    {Qt::Key_B, Qt::AltModifier, kExact, KeyScope::kWindow, "bookmarks.manage"},
    {Qt::Key_F, Qt::AltModifier, kExact, KeyScope::kWindow, "items.file_info"},
    {Qt::Key_H, Qt::AltModifier, kExact, KeyScope::kWindow, "help.topics"},
    {Qt::Key_Delete, kNone, kExact, KeyScope::kItemList, "items.delete"},
    {Qt::Key_Delete, kShift, kExact, KeyScope::kItemList, "items.purge"},
    {Qt::Key_U, kShift, kExact, KeyScope::kItemList, "items.move_up"},
    {Qt::Key_D, kShift, kExact, KeyScope::kItemList, "items.move_down"},
    {Qt::Key_T, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.tree"},
    {Qt::Key_V, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.tree"},
    {Qt::Key_L, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.list"},
    {Qt::Key_X, kShift, kExact, KeyScope::kOutsideTextEntry, "pane.skip"},
};

// The tool bar, and the names its buttons go by. A button whose hint is information shows it
// even while hints are off; an icon-only button shows no caption.
struct ToolButton {
  const char* id;
  const char* name;
  bool always_hint = false;
  bool icon_only = false;
};
constexpr ToolButton kToolBar[] = {
    {"scan.scan", "scanButton"},
    {"scan.stop", "stopButton"},
    {"scan.dir_all", "dirAllButton"},
    {"scan.auto_scan", "autoScanButton"},
    {"items.delete_button", "deleteButton"},
    {"output.save", "saveButton"},
    {"print.direct", "directPrintButton", true, true},
    {"options.configuration", "configurationButton"},
    {"view.hints_button", "hintsButton", true, true},
    {"help.button", "helpButton", false, true},
    {"app.exit_button", "exitButton"},
};

}  // namespace

std::span<const KeyBinding> MainKeyMap() { return kKeyMap; }

void BuildMenus(QMainWindow* window, CommandRegistry& commands, QMenu* item_menu, QMenu* tree_menu,
                MainActions& actions) {
  QMenuBar* bar = window->menuBar();
  const auto fill = [&](const char* title, std::span<const MenuEntry> entries) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate("MainWindow", title));
    commands.Fill(menu, entries);
    return menu;
  };
  actions.file_menu = fill(QT_TRANSLATE_NOOP("MainWindow", "&File"), kFileMenu);
  actions.edit_menu = fill(QT_TRANSLATE_NOOP("MainWindow", "&Edit"), kEditMenu);
  actions.view_menu = fill(QT_TRANSLATE_NOOP("MainWindow", "&View"), kViewMenu);
  actions.options_menu = fill(QT_TRANSLATE_NOOP("MainWindow", "&Options"), kOptionsMenu);
  actions.items_menu = fill(QT_TRANSLATE_NOOP("MainWindow", "&Items"), kItemsMenu);
  item_menu->addActions(actions.items_menu->actions());
  actions.bookmarks_menu = fill(QT_TRANSLATE_NOOP("MainWindow", "&Bookmarks"), kBookmarksMenu);
  actions.help_menu = fill(QT_TRANSLATE_NOOP("MainWindow", "&Help"), kHelpMenu);
  commands.Fill(tree_menu, kTreeMenu);
  actions.exit = commands.Find("app.exit");
  actions.exit_button = commands.Find("app.exit_button");
  actions.show_hints = commands.Find("view.hints");
}

void BuildToolBar(QMainWindow* window, CommandRegistry& commands, QMenu* scan_menu,
                  QToolBar* address_bar) {
  QToolBar* tools = window->addToolBar(QCoreApplication::translate("MainWindow", "Tools"));
  tools->setObjectName("toolBar");
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  for (const ToolButton& button : kToolBar) {
    QAction* action = commands.ActionFor(button.id);
    tools->addAction(action);
    QWidget* widget = tools->widgetForAction(action);
    widget->setObjectName(button.name);
    if (button.always_hint) widget->setProperty(kAlwaysHint, true);
    if (auto* tool = qobject_cast<QToolButton*>(widget); tool != nullptr && button.icon_only) {
      tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
  }
  QWidget* scan_button = tools->widgetForAction(commands.Find("scan.scan"));
  scan_button->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(scan_button, &QWidget::customContextMenuRequested, scan_menu,
                   [scan_menu, scan_button](const QPoint& at) {
                     scan_menu->exec(scan_button->mapToGlobal(at));
                   });
  window->addToolBarBreak();
  window->addToolBar(address_bar);
}

}  // namespace krellix
