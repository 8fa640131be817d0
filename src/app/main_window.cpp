#include "app/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "app/qt_prompter.h"
#include "app/startup_defaults.h"
#include "app/window_commands.h"
#include "checksums/checksum_commands.h"
#include "fileops/file_op_commands.h"
#include "fileops/file_tool_commands.h"
#include "help/help_commands.h"
#include "information/info_commands.h"
#include "information/information.h"
#include "itemlist/item_commands.h"
#include "itemlist/item_list_view.h"
#include "launch/launch_commands.h"
#include "navigation/address_bar.h"
#include "navigation/bookmark_commands.h"
#include "navigation/check_list_widget.h"
#include "navigation/directory_panel.h"
#include "navigation/directory_path.h"
#include "navigation/list_commands.h"
#include "navigation/navigation_commands.h"
#include "output/log_saver.h"
#include "output/output_commands.h"
#include "output/output_dialogs.h"
#include "output/qt_locale_format.h"
#include "platform/file_system.h"
#include "preview/media_player.h"
#include "preview/preview_commands.h"
#include "preview/preview_pane.h"
#include "printing/print_commands.h"
#include "rename/rename_commands.h"
#include "rename/rename_pane.h"
#include "settings/settings_commands.h"
#include "widgets/key_map_filter.h"
#include "widgets/qt_text.h"
#include "widgets/screen_fit.h"
#include "widgets/tray_icon.h"

namespace krellix {
namespace {

constexpr int kDirPaneWidth = 210;
constexpr int kWindowWidth = 720;
constexpr int kWindowHeight = 560;

std::unique_ptr<Prompter> OwnPrompter(Prompter* given, QWidget* window) {
  if (given != nullptr) return nullptr;
  return std::make_unique<QtPrompter>(window);
}

// Takes a stored layout. A window stored beyond the right or bottom edge comes back against
// that edge.
void PlaceWindow(QWidget* window, QSplitter* splitter, DirectoryPanel* panel,
                 const WindowLayout& stored) {
  const QList<int> sizes = splitter->sizes();
  const WindowPlace& place = stored.window;
  QRect g(place.left, place.top, place.width, place.height);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    g = WithSizeOnDesktop(g);
    if (g.left() > area.width()) g.moveLeft(area.width() - g.width());
    if (g.top() > area.height()) g.moveTop(area.height() - g.height());
  }
  window->setGeometry(g);
  splitter->setSizes({stored.split, std::max(0, sizes.value(0) + sizes.value(1) - stored.split)});
  panel->SetPreviewHeight(stored.preview);
}

}  // namespace

MainWindow::MainWindow(const std::vector<std::string>& args, Prompter* prompter,
                       OutputDialogs* output_dialogs, QWidget* parent)
    : QMainWindow(parent),
      own_prompter_(OwnPrompter(prompter, this)),
      prompter_(prompter != nullptr ? *prompter : *own_prompter_) {
  session_.current_dir = TreeForm(CurrentDirectory(), "/");
  session_.locale = LocaleFormatOf(QLocale());
  CreatePanels();
  CreateCommandGroups(output_dialogs);
  ConnectPanels();
  BuildMenus(this, commands_, list_panel_->ItemMenu(), directory_panel_->TreeMenu(), actions_);
  bookmark_commands_->ShowIn(actions_.bookmarks_menu,
                             actions_.bookmarks_menu->actions().constLast());
  item_commands_->Connect(commands_, {actions_.items_menu, list_panel_->ItemMenu()});
  BuildToolBar(this, commands_, actions_.custom_menu, address_bar_);
  qApp->installEventFilter(new HintSwitch([this] { return session_.settings.ShowHints; }, this));
  qApp->installEventFilter(new KeyMapFilter(this, MainKeyMap(), commands_, [this] {
    return KeyFocus{services_->TextEntryHasFocus(address_bar_->Field()),
                    focusWidget() == list_panel_->ItemView()};
  }));
  FormCreate(args);
}

MainWindow::~MainWindow() {
  // The log may outlive no view: its hooks point into this window.
  session_.log.on_line_added = nullptr;
  session_.log.on_cleared = nullptr;
}

bool MainWindow::SetTreeDirectory(const std::string& path) {
  return navigation_commands_->SetTreeDirectory(path);
}

bool MainWindow::GotoDirectory(const std::string& path) {
  return navigation_commands_->GotoDirectory(path);
}

ScanEngine& MainWindow::Engine() { return scan_commands_->Engine(); }

QString MainWindow::StatusText() const { return status_->text(); }

QMenu* MainWindow::TrayMenu() const { return tray_->Menu(); }

const ItemActions& MainWindow::ItemCommands() const { return item_commands_->Actions(); }

const NavigationActions& MainWindow::NavigationCommands() const {
  return navigation_commands_->Actions();
}

BookmarksDialog* MainWindow::BookmarksWindow() const { return bookmark_commands_->Window(); }

void MainWindow::RestoreAddresses(std::vector<std::string> entries,
                                  const std::string& address_text) {
  navigation_commands_->RestoreAddresses(std::move(entries), address_text);
}

std::string MainWindow::AddressText() const { return navigation_commands_->AddressText(); }

void MainWindow::SetBookmarks(std::vector<std::string> entries) {
  bookmark_commands_->SetBookmarks(std::move(entries));
}

void MainWindow::BookmarkDirectory(std::string dir) {
  bookmark_commands_->BookmarkDirectory(std::move(dir));
}

void MainWindow::Information2Click() { info_commands_->FillTab(); }

void MainWindow::CreatePanels() {
  Session& s = session_;
  directory_panel_ = new DirectoryPanel(s.include_list, s.exclude_list);
  criteria_panel_ = new CriteriaPanel(s.criteria, s.clock);
  list_panel_ = new ListPanel(s.items);

  auto* right = new QWidget;
  auto* right_layout = new QVBoxLayout(right);
  right_layout->setContentsMargins(0, 0, 0, 0);
  right_layout->addWidget(criteria_panel_);
  right_layout->addWidget(list_panel_, 1);
  criteria_panel_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

  splitter_ = new QSplitter(Qt::Horizontal);
  splitter_->addWidget(directory_panel_);
  splitter_->addWidget(right);
  splitter_->setStretchFactor(1, 1);
  splitter_->setChildrenCollapsible(false);
  setCentralWidget(splitter_);

  status_ = new QLabel;
  status_->setObjectName("statusLine");
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar()->addWidget(status_, 1);

  s.log.on_line_added = [this](const std::string& line) { list_panel_->AppendLogLine(line); };
  s.log.on_cleared = [this] { list_panel_->ClearLog(); };

  services_ = std::make_unique<WindowServices>(WindowServices::Parts{
      s, this, criteria_panel_, directory_panel_, list_panel_, status_,
      [this]() -> ScanOutput* {
        return session_.state.ScanToFile ? &output_commands_->ScanFileOutput() : nullptr;
      },
      [this](bool on) { scan_commands_->SetEnabled(on); }, [this] { ShowScanHistory(); }});
}

void MainWindow::ConnectPanels() {
  connect(criteria_panel_, &CriteriaPanel::enterPressed, scan_commands_, [this] {
    if (!Busy()) scan_commands_->ScanEnterKey();
  });
  connect(directory_panel_, &QTabWidget::currentChanged, this, [this](int) {
    services_->StopPreview();
    if (list_panel_->Showing(ListPanel::kItems)) {
      list_panel_->ItemView()->setFocus();
      return;
    }
    switch (directory_panel_->ActivePane()) {
      case DirPane::kTree:
        directory_panel_->Tree()->setFocus();
        break;
      case DirPane::kList:
        directory_panel_->IncludeView()->setFocus();
        break;
      case DirPane::kSkip:
        directory_panel_->ExcludeView()->setFocus();
        break;
    }
  });
  connect(directory_panel_, &DirectoryPanel::driveChosen, this, [this](const std::string& dir) {
    // A refused drive leaves the box showing the drive of the current directory.
    if (!GotoDirectory(dir)) directory_panel_->ShowDirectory(session_.current_dir);
    services_->FocusScanBoxIfShowing();
  });
  // Lines wider than the list stay reachable whatever its width becomes.
  connect(list_panel_->ItemView(), &ItemListView::resized, this, [this] {
    if (session_.state.MaxListWidth > services_->ItemListWidth()) {
      list_panel_->ItemView()->SetScrollWidth(session_.state.MaxListWidth + 8);
    }
  });
  directory_panel_->RebuildDrives(Engine().Volumes());
  directory_panel_->ShowDirectory(session_.current_dir);
  ResetWindowSize();
}

void MainWindow::CreateCommandGroups(OutputDialogs* output_dialogs) {
  Session& s = session_;
  WindowServices& host = *services_;
  scan_commands_ = new ScanCommands({{s.criteria, s.state, s.stats, s.items, s.include_list,
                                      s.exclude_list, host, prompter_, s.log, s.clock},
                                     this,
                                     s.settings.CustOpt,
                                     [this] {
                                       // Lines a run adds after its busy spell ("Scan cancelled",
                                       // "Scan stopped at user request").
                                       list_panel_->ItemView()->Refresh();
                                       if (close_pending_) {
                                         close_pending_ = false;
                                         QTimer::singleShot(0, this, &QWidget::close);
                                       }
                                     },
                                     [this] { SetDefaults(false, ""); }},
                                    this);
  scan_commands_->Register(commands_);
  static_cast<ScanActions&>(actions_) = scan_commands_->Actions();

  output_commands_ = new OutputCommands(
      {s.settings.output, s.Header1, s.paths.LogName, s.items, s.state, s.stats, prompter_, s.log,
       s.clock, s.locale, host, [this] { return session_.criteria.scan_text; },
       std::string("Krellix ") + kVersion, kCopyright, [this] { return Busy(); },
       [this] { list_panel_->ItemView()->Refresh(); },
       [this] { scan_commands_->Run([this] { Engine().DisplaySelectedItems(); }); },
       [this] { services_->FocusScanBoxIfShowing(); }, list_panel_->LogView()},
      output_dialogs, this);
  output_commands_->Register(commands_);

  window_commands_ = new WindowCommands(
      {s.settings, host, criteria_panel_, directory_panel_, this, [this] { ResetWindowSize(); },
       [this] { return focusWidget() == list_panel_->ItemView(); }},
      this);
  window_commands_->Register(commands_);

  CreateNavigationCommands();
  CreateFileOpCommands();
  CreateFileToolCommands();
  CreateChecksumCommands();
  CreatePreviewCommands();
  CreateLaunchCommands();
  bookmark_commands_ =
      new BookmarkCommands({s.bookmarks, s.settings.FavouritesSize, s.current_dir, s.items,
                            s.settings.Form10, s.settings.SaveWin, s.log, host, prompter_,
                            [this](const std::string& dir) { return GotoDirectory(dir); },
                            [this] { return directory_panel_->MarkedDirectory(); }},
                           this);
  bookmark_commands_->Register(commands_);

  item_commands_ =
      new krellix::ItemCommands({s.items, s.state.SortOutput, s.stats, list_panel_->ItemView(),
                                 host, prompter_, [this] { return Busy(); }, kCopyright,
                                 [this] {
                                   session_.state.MaxListLength = 0;
                                   session_.state.MaxListWidth = services_->ItemListWidth();
                                 },
                                 [this] { launch_commands_->Open2Click(); }},
                                this);
  item_commands_->Register(commands_);
  CreateRenameCommands();
  CreateInfoCommands();
  CreateSettingsCommands();
  CreateListCommands();
  CreatePrintCommands();
  CreateHelpCommands();
}

void MainWindow::CreateNavigationCommands() {
  Session& s = session_;
  address_bar_ = new AddressBar(this);
  navigation_commands_ = new krellix::NavigationCommands(
      {s.current_dir, s.addresses, s.settings.AddressSize, s.items, s.log, prompter_, *services_,
       Engine().Volumes(), directory_panel_, address_bar_, [this] { AfterDirectoryChange(); }},
      this);
  navigation_commands_->Register(commands_);
}

void MainWindow::CreateFileOpCommands() {
  Session& s = session_;
  file_op_commands_ = new FileOpCommands(
      {.items = s.items,
       .state = s.state,
       .confirm = s.settings.confirm,
       .prompter = prompter_,
       .log = s.log,
       .clock = s.clock,
       .view = list_panel_->ItemView(),
       .window = this,
       .show_status = [this](const std::string& text) { services_->ShowStatus(text); },
       .clear_rename_box = [this] { services_->ClearRenameBox(); },
       .stop_preview = [this] { services_->StopPreview(); },
       .follow_preview = [this] { preview_commands_->SetPreview(); },
       .enable_run_commands = [this](bool on) { scan_commands_->SetEnabled(on); },
       .busy = [this] { return Busy(); },
       .after_run = [this] { CloseIfPending(); },
       .tree_directory = [this] { return session_.current_dir; },
       .marked_directory = [this] { return directory_panel_->MarkedDirectory(); },
       .open_tree_directory = [this](const std::string& dir) { SetTreeDirectory(dir); },
       .refresh_drives_and_tree = [this] { navigation_commands_->Refresh(); },
       .volumes = Engine().Volumes(),
       .bookmarks = [this] { return session_.bookmarks.Entries(); },
       .address_size = s.settings.AddressSize,
       .dialog_place = s.settings.Form8,
       .dialog_splitter = s.settings.Form8Splitter,
       .save_place = s.settings.SaveWin},
      this);
  file_op_commands_->Register(commands_);
}

void MainWindow::CreateFileToolCommands() {
  Session& s = session_;
  file_tool_commands_ = new FileToolCommands(
      {.items = s.items,
       .prompter = prompter_,
       .log = s.log,
       .confirm = s.settings.confirm,
       .window = this,
       .saving_file = [this]() -> SavingFileQuestion& { return output_commands_->Dialogs(); },
       .stop_preview = [this] { services_->StopPreview(); },
       .clear_rename_box = [this] { services_->ClearRenameBox(); },
       .busy = [this] { return Busy(); },
       .tree_directory = [this] { return session_.current_dir; },
       .marked_directory = [this] { return directory_panel_->MarkedDirectory(); },
       .open_tree_directory = [this](const std::string& dir) { SetTreeDirectory(dir); },
       .refresh_tree = [this] { navigation_commands_->Refresh(); }},
      this);
  file_tool_commands_->Register(commands_);
}

void MainWindow::CreateChecksumCommands() {
  Session& s = session_;
  checksum_commands_ =
      new ChecksumCommands({.items = s.items,
                            .state = s.state,
                            .prompter = prompter_,
                            .window = this,
                            .stop_preview = [this] { services_->StopPreview(); },
                            .clear_rename_box = [this] { services_->ClearRenameBox(); },
                            .stop = [this] { Engine().StopCommand(); },
                            .busy = [this] { return Busy(); }},
                           this);
  checksum_commands_->Register(commands_);
}

void MainWindow::CreatePreviewCommands() {
  Session& s = session_;
  preview_commands_ = new PreviewCommands(
      {.items = s.items,
       .show_preview = s.settings.ShowPreview,
       .skip_intro = s.settings.SkipIntro,
       .prompter = prompter_,
       .window = this,
       .show_status = [this](const std::string& text) { services_->ShowStatus(text); },
       .show_tree_page = [this] { directory_panel_->ShowPane(DirPane::kTree); },
       .items_tab_showing = [this] { return list_panel_->Showing(ListPanel::kItems); },
       .pane_height = [this] { return directory_panel_->PreviewHeight(); },
       .set_pane_height = [this](int height) { directory_panel_->SetPreviewHeight(height); },
       .print_image = [this](const QImage& image) { print_commands_->PrintImage(image); },
       .print_text =
           [this](QPlainTextEdit* text) { print_commands_->PrintText(*text->document()); }},
      this);
  preview_commands_->Register(commands_);
  directory_panel_->SetPreviewPane(preview_commands_->Pane());
  connect(directory_panel_, &DirectoryPanel::previewResized, preview_commands_,
          [this](int height) { preview_commands_->PaneResized(height); });
  services_->SetPreview(preview_commands_);
}

void MainWindow::CreateLaunchCommands() {
  Session& s = session_;
  launch_commands_ = new LaunchCommands(
      {.items = s.items,
       .state = s.state,
       .prompter = prompter_,
       .log = s.log,
       .open_with_dir = s.paths.OpenWithDir,
       .show_preview = s.settings.ShowPreview,
       .player = preview_commands_->Player(),
       .view = list_panel_->ItemView(),
       .show_status = [this](const std::string& text) { services_->ShowStatus(text); },
       .clear_rename_box = [this] { services_->ClearRenameBox(); },
       .stop_preview = [this] { services_->StopPreview(); },
       .set_preview = [this] { preview_commands_->SetPreview(); },
       .show_tree_page = [this] { directory_panel_->ShowPane(DirPane::kTree); },
       .enable_run_commands = [this](bool on) { scan_commands_->SetEnabled(on); },
       .busy = [this] { return Busy(); },
       .after_run = [this] { CloseIfPending(); }},
      this);
  launch_commands_->Register(commands_);
}

void MainWindow::CreateRenameCommands() {
  Session& s = session_;
  rename_commands_ = new RenameCommands(
      {.items = s.items,
       .state = s.state,
       .confirm = s.settings.confirm,
       .remember = s.settings.RememberRename,
       .show_rename = s.settings.ShowRename,
       .prompter = prompter_,
       .log = s.log,
       .clock = s.clock,
       .view = list_panel_->ItemView(),
       .window = this,
       .show_status = [this](const std::string& text) { services_->ShowStatus(text); },
       .stop_preview = [this] { services_->StopPreview(); },
       .refresh_drives_and_tree = [this] { navigation_commands_->Refresh(); },
       .click_current = [this] { item_commands_->Click(); },
       .line_width = [this](const std::string& line) { return services_->TextWidth(line); },
       .list_width = [this] { return services_->ItemListWidth(); },
       .enable_run_commands = [this](bool on) { scan_commands_->SetEnabled(on); },
       .busy = [this] { return Busy(); },
       .after_run = [this] { CloseIfPending(); }},
      this);
  rename_commands_->Register(commands_);
  list_panel_->AddBelowItems(rename_commands_->Pane());
  services_->SetRenamePane(rename_commands_->Pane());
}

bool MainWindow::Busy() const {
  return scan_commands_->Running() || file_op_commands_->Running() || launch_commands_->Running() ||
         rename_commands_->Running() || (print_commands_ != nullptr && print_commands_->Running());
}

void MainWindow::CloseIfPending() {
  if (!close_pending_) return;
  close_pending_ = false;
  QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::AfterDirectoryChange() {
  Session& s = session_;
  // A change while a run polls events must not touch that run's flags.
  if (s.state.AutoScan && !Busy()) {
    s.log.AddLogLine("AutoScan=" + s.criteria.scan_text);
    s.state.SkipSubDir = true;
    scan_commands_->Run([this] { Engine().ScanCommand(); });
  }
  if (directory_panel_->ActivePane() == DirPane::kTree && list_panel_->Showing(ListPanel::kItems)) {
    directory_panel_->Tree()->setFocus();
  }
}

void MainWindow::CreateListCommands() {
  Session& s = session_;
  const ListCommandContext shared{
      s.log, prompter_, *services_,
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
       {kIncludeListKind, s.include_list, s.paths.IncListName, directory_panel_->IncludeView(),
        directory_panel_->IncludeControls(), marked},
       {kExcludeListKind, s.exclude_list, s.paths.ExcListname, directory_panel_->ExcludeView(),
        directory_panel_->ExcludeControls(), marked},
       {s.file_list, s.paths.FileListName, s.items, list_panel_->FileView(), this, show_selection}},
      this);
  list_commands_->Register(commands_);
}

void MainWindow::CreateInfoCommands() {
  Session& s = session_;
  info_commands_ =
      new InfoCommands({s.items, s.state, s.stats, s.paths, s.startup, s.locale, s.clock,
                        Engine().Volumes(), s.current_dir, list_panel_->InfoView(),
                        [this] {
                          const OutputOptions& output = session_.settings.output;
                          return OutputNames{session_.Header1, output.Header2, output.SaveName};
                        },
                        [this] { return list_panel_->Showing(ListPanel::kInfo); },
                        [this] { list_panel_->Show(ListPanel::kInfo); },
                        [this] { return directory_panel_->DriveBoxMount(); }},
                       this);
  info_commands_->Register(commands_);
  directory_panel_->DriveBox()->addAction(commands_.ActionFor("info.drive"));
  connect(list_panel_, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == ListPanel::kInfo) info_commands_->FillTab();
  });
}

void MainWindow::CreateSettingsCommands() {
  Session& s = session_;
  settings_commands_ = new SettingsCommands(
      {
          .settings = s.settings,
          .state = s.state,
          .criteria = s.criteria,
          .paths = s.paths,
          .history = s.history,
          .items = s.items,
          .skip_ini = s.startup.SkipIni,
          .log = s.log,
          .prompter = prompter_,
          .clock = s.clock,
          .locale = s.locale,
          .host = *services_,
          .window = this,
          .version_title = std::string("Krellix ") + kVersion,
          .busy = [this] { return Busy(); },
          .clear_items = [this] { item_commands_->Clear(); },
          .refresh_items = [this] { list_panel_->ItemView()->Refresh(); },
          .show_preferences = [this] { ApplyPreferences(); },
          .show_criteria = [this] { criteria_panel_->Refresh(); },
          .show_custom_strings = [this] { scan_commands_->ShowCustomStrings(); },
          .show_auto_scan = [this](bool on) { scan_commands_->ShowAutoScan(on); },
          .show_scan_history = [this] { ShowScanHistory(); },
          .list_scan_history = [this] { criteria_panel_->SetHistory(session_.history.Entries()); },
          .refresh_info =
              [this] {
                if (list_panel_->Showing(ListPanel::kInfo)) Information2Click();
              },
          .set_defaults = [this](bool create,
                                 const std::string& file) { SetDefaults(create, file); },
          .bookmarks = [this] { return session_.bookmarks.Entries(); },
          .set_bookmarks =
              [this](std::vector<std::string> entries) { SetBookmarks(std::move(entries)); },
          .addresses = [this] { return session_.addresses.Entries(); },
          .address_text = [this] { return AddressText(); },
          .restore_addresses =
              [this](std::vector<std::string> entries, const std::string& text) {
                RestoreAddresses(std::move(entries), text);
              },
          .layout =
              [this] {
                const QRect g = geometry();
                return WindowLayout{{g.top(), g.left(), g.height(), g.width()},
                                    splitter_->sizes().value(0),
                                    directory_panel_->PreviewHeight()};
              },
          .restore_layout =
              [this](const WindowLayout& stored) {
                PlaceWindow(this, splitter_, directory_panel_, stored);
              },
          .drive_mount = [this] { return directory_panel_->DriveBoxMount(); },
      },
      this);
  settings_commands_->Register(commands_);
}

void MainWindow::CreatePrintCommands() {
  Session& s = session_;
  print_commands_ = new PrintCommands(
      {.items = s.items,
       .settings = s.settings,
       .header1 = s.Header1,
       .state = s.state,
       .log = s.log,
       .prompter = prompter_,
       .clock = s.clock,
       .locale = s.locale,
       .window = this,
       .show_status = [this](const std::string& text) { services_->ShowStatus(text); },
       .scan_text = [this] { return session_.criteria.scan_text; },
       .window_title = std::string("Krellix ") + kVersion,
       .copyright = kCopyright,
       .after_print = [this] { services_->FocusScanBoxIfShowing(); },
       .enable_run_commands = [this](bool on) { scan_commands_->SetEnabled(on); },
       .busy = [this] { return Busy(); },
       .after_run = [this] { CloseIfPending(); }},
      this);
  print_commands_->Register(commands_);
}

void MainWindow::CreateHelpCommands() {
  help_commands_ = new HelpCommands({this, session_.paths.HelpName}, this);
  help_commands_->Register(commands_);
}

void MainWindow::ResetWindowSize() {
  resize(kWindowWidth, kWindowHeight);
  splitter_->setSizes({kDirPaneWidth, kWindowWidth - kDirPaneWidth});
  // At start-up the panels are laid out before the preview exists.
  if (preview_commands_ != nullptr) preview_commands_->ResetHeight();
}

void MainWindow::FormCreate(const std::vector<std::string>& args) {
  session_.CloseDown = false;
  setWindowTitle(QString("Krellix ") + kVersion);
  session_.log.Clear();
  session_.log.AddLogLine(std::string("Krellix=") + kVersion + " - " + kCopyright);

  session_.state.AutoScan = false;
  session_.state.ScanToFile = false;
  session_.state.ScanIncList = false;
  session_.state.RetrieveVolumename = true;
  session_.startup = ParseCommandLine(args);
  for (const std::string& line : session_.startup.log_lines) session_.log.AddLogLine(line);
  if (session_.startup.ScanToFile) {
    session_.state.ScanToFile = true;
    ApplyScanToFileMode();
  }

  criteria_panel_->ShowScanTab();
  directory_panel_->ShowPane(DirPane::kTree);
  list_panel_->Show(ListPanel::kItems);
  criteria_panel_->ScanBox()->setFocus();

  session_.paths = ResolveEnvironmentPaths(session_.startup.StartUpDir, GetSpecialFolders());
  ApplyBuiltInDefaults(session_.settings, session_.state);
  session_.settings.output.SaveName = session_.paths.SaveName;

  services_->SetScanText("*.*");
  session_.history.Assign(DefaultScanStrings());
  criteria_panel_->SetHistory(session_.history.Entries());

  SetDefaults(true, "");
  settings_commands_->CreateDialog();
  tray_ = new TrayIcon(this, [this] { return session_.settings.SysTray; });

  // The preview pane is as high as the panel is wide, plus its button strip; collapsed to the
  // strip while previews are off.
  preview_commands_->ApplySetting();

  session_.log.AddLogLine("Initialization=Complete");
  session_.log.AddLogLine("Initial_directory=" + TreeDirectory());
  if (session_.state.AutoScan) {
    session_.log.AddLogLine("Initial_autoScan=" + session_.criteria.scan_text);
    session_.state.SkipSubDir = true;
    scan_commands_->Run([this] { Engine().ScanCommand(); });
  }
}

void MainWindow::ApplyScanToFileMode() {
  actions_.items_menu->menuAction()->setEnabled(false);
  session_.state.SortOutput = ItemOrder::kArrival;
  session_.items.SetSorted(false);
  list_panel_->SetItemMenuEnabled(false);
  actions_.auto_scan->setChecked(false);
  actions_.auto_scan->setEnabled(false);
  criteria_panel_->AppendBox()->setChecked(false);
  criteria_panel_->AppendBox()->setEnabled(false);
}

void MainWindow::SetDefaults(bool create, const std::string& file_name) {
  services_->SetScanText("*.*");
  ShowStatus(kCopyright);
  session_.items.SetSorted(true);
  session_.items.Clear();
  list_panel_->ItemView()->Refresh();
  services_->ClearRenameBox();
  session_.stats = ScanStatistics();
  session_.stats.YoungestDate = FormatIsoDate(session_.clock.Now());
  session_.state.MaxListLength = 0;
  session_.state.MaxListWidth = services_->ItemListWidth();
  session_.state.MaxItems = session_.state.ItemLimit;

  ResetSelectionCriteria(session_.criteria, session_.clock.Now());
  criteria_panel_->Refresh();
  session_.state.ScanString = false;
  session_.state.SkipSubDir = false;
  session_.state.ScanFolderAll = false;
  if (!session_.state.ScanToFile) session_.state.SortOutput = ItemOrder::kPath;
  if (session_.state.SortOutput == ItemOrder::kArrival) session_.items.SetSorted(false);

  if (!session_.startup.SkipIni) settings_commands_->ReadFile(create, file_name);
  criteria_panel_->Refresh();
  ApplyPreferences();
  list_commands_->LoadListFiles();

  // At start-up a directory named on the command line comes before the remembered one.
  const std::string& named = session_.startup.start_dir;
  const bool startup = create && file_name.empty();
  const std::string start = startup && !named.empty()   ? named
                            : session_.settings.SaveDir ? session_.paths.mruDir
                                                        : session_.paths.DefaultDir;
  if (!SetTreeDirectory(start) && !SetTreeDirectory(session_.paths.DefaultDir)) {
    SetTreeDirectory(std::string(1, kPathDelim));
  } else if (startup && !named.empty()) {
    // The field would otherwise show the address remembered from the last session.
    navigation_commands_->ShowAddress(session_.current_dir);
  }

  session_.state.MaxListWidth = services_->ItemListWidth();
  session_.state.AutoScan = session_.settings.tempAutoScan;
  if (!session_.state.ScanToFile) scan_commands_->ShowAutoScan(session_.settings.tempAutoScan);
}

void MainWindow::ApplyPreferences() {
  criteria_panel_->SetAutoComplete(session_.settings.ComboComp);
  ShowScanHistory();
  window_commands_->ShowSettings();
  rename_commands_->ApplySetting();
  preview_commands_->ApplySetting();
  scan_commands_->ShowCustomStrings();
}

void MainWindow::ShowScanHistory() {
  if (session_.settings.ComboSort) session_.history.SortEntries();
  criteria_panel_->SetHistory(session_.history.Entries());
}

void MainWindow::FormCloseQuery() {
  session_.CloseDown = true;
  session_.state.CancelStopEsc = true;
  services_->StopPreview();
  session_.log.AddLogLine("Closing_down=Yes");
  if (session_.settings.SaveIncList) {
    list_commands_->AutoSaveIncludeList();
    session_.log.AddLogLine("Include_list_saved=Yes");
  }
  if (session_.settings.SaveExcList) {
    list_commands_->AutoSaveExcludeList();
    session_.log.AddLogLine("Exclude_list_saved=Yes");
  }
  // "Save File list" is honoured like the other two list options.
  if (session_.settings.SaveFileList) {
    list_commands_->AutoSaveFileList();
    session_.log.AddLogLine("File_list_saved=Yes");
  }
  settings_commands_->WriteAtClose();
  session_.log.AddLogLine("Close_complete=Yes");
  if (session_.settings.LogSave) SaveLogfile(output_commands_->LogSaver(), LogSaveKind::kSilent);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (Busy()) {
    // The run polls events from inside this window's code; it ends first, then the window.
    session_.state.CancelStopEsc = true;
    close_pending_ = true;
    event->ignore();
    return;
  }
  if (!session_.CloseDown) FormCloseQuery();
  QMainWindow::closeEvent(event);
}

}  // namespace krellix
