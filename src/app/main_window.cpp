#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "app/qt_prompter.h"
#include "app/startup_defaults.h"
#include "information/info_commands.h"
#include "information/information.h"
#include "itemlist/item_list_view.h"
#include "navigation/address_bar.h"
#include "navigation/check_list_widget.h"
#include "navigation/directory_panel.h"
#include "navigation/directory_path.h"
#include "navigation/list_commands.h"
#include "navigation/navigation_commands.h"
#include "output/output_commands.h"
#include "output/qt_locale_format.h"
#include "platform/file_system.h"
#include "settings/settings_commands.h"
#include "widgets/qt_text.h"
#include "widgets/screen_fit.h"

namespace krellix {
namespace {

constexpr int kDirPaneWidth = 210;
constexpr int kWindowWidth = 720;
constexpr int kWindowHeight = 560;
constexpr int kPreviewBar = 25;

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
      prompter_(prompter != nullptr ? *prompter : *own_prompter_),
      engine_({criteria_, state_, stats_, items_, include_list_, exclude_list_, *this, prompter_,
               log_, clock_}),
      current_dir_(TreeForm(CurrentDirectory(), "/")) {
  locale_ = LocaleFormatOf(QLocale());
  CreatePanels();
  CreateOutputCommands(output_dialogs);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  ConnectScanCommands();
  RegisterKeyCommands();
  qApp->installEventFilter(this);
  FormCreate(args);
}

MainWindow::~MainWindow() {
  // The log may outlive no view: its hooks point into this window.
  log_.on_line_added = nullptr;
  log_.on_cleared = nullptr;
}

void MainWindow::CreateItemCommands() {
  item_commands_ =
      new krellix::ItemCommands({items_, state_, stats_, list_panel_->ItemView(), *this, prompter_,
                                 *this, [this] { return engine_.Running(); }, kCopyright},
                                this);
  item_commands_->Register(commands_);
}

void MainWindow::CreateInfoCommands() {
  info_commands_ = new InfoCommands(
      {items_, state_, stats_, paths_, startup_, locale_, clock_, engine_.Volumes(), current_dir_,
       list_panel_->InfoView(),
       [this] {
         return OutputNames{Header1, settings_.output.Header2, settings_.output.SaveName};
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

void MainWindow::CreateOutputCommands(OutputDialogs* given) {
  output_commands_ = new OutputCommands(
      {settings_.output, Header1, paths_.LogName, items_, state_, stats_, prompter_, log_, clock_,
       locale_, *this, [this] { return criteria_.scan_text; }, std::string("Krellix ") + kVersion,
       kCopyright, [this] { return engine_.Running(); },
       [this] { list_panel_->ItemView()->Refresh(); },
       [this] { RunScanCommand([this] { engine_.DisplaySelectedItems(); }); },
       [this] { FocusScanBoxIfShowing(); }, list_panel_->LogView()},
      given, this);
  output_commands_->Register(commands_);
}

ScanOutput* MainWindow::Output() {
  return state_.ScanToFile ? &output_commands_->ScanFileOutput() : nullptr;
}

void MainWindow::FocusScanBoxIfShowing() {
  if (directory_panel_->ActivePane() == DirPane::kTree && criteria_panel_->ScanTabShown()) {
    criteria_panel_->ScanBox()->setFocus();
  }
}

void MainWindow::CreateNavigationCommands() {
  address_bar_ = new AddressBar(this);
  navigation_commands_ = new krellix::NavigationCommands(
      {current_dir_, addresses_, settings_.AddressSize, items_, log_, prompter_, *this,
       engine_.Volumes(), directory_panel_, address_bar_, [this] { AfterDirectoryChange(); }},
      this);
  navigation_commands_->Register(commands_);
}

void MainWindow::AfterDirectoryChange() {
  // A change while a run polls events must not touch that run's flags.
  if (state_.AutoScan && !engine_.Running()) {
    log_.AddLogLine("AutoScan=" + criteria_.scan_text);
    state_.SkipSubDir = true;
    RunScanCommand([this] { engine_.ScanCommand(); });
  }
  if (ActiveDirPane() == DirPane::kTree && list_panel_->Showing(ListPanel::kItems)) {
    directory_panel_->Tree()->setFocus();
  }
}

void MainWindow::ConnectDirectoryPane() {
  connect(directory_panel_, &QTabWidget::currentChanged, this, [this](int) {
    StopPreview();
    if (list_panel_->Showing(ListPanel::kItems)) {
      list_panel_->ItemView()->setFocus();
      return;
    }
    switch (ActiveDirPane()) {
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
    if (!GotoDirectory(dir)) directory_panel_->ShowDirectory(current_dir_);
    if (ActiveDirPane() == DirPane::kTree && criteria_panel_->ScanTabShown()) {
      criteria_panel_->ScanBox()->setFocus();
    }
  });
}

void MainWindow::CreateBookmarkCommands() {
  bookmark_commands_ =
      new BookmarkCommands({bookmarks_, settings_.FavouritesSize, current_dir_, items_,
                            settings_.Form10, settings_.SaveWin, log_, *this, prompter_,
                            [this](const std::string& dir) { return GotoDirectory(dir); },
                            [this] { return directory_panel_->MarkedDirectory(); }},
                           this);
  bookmark_commands_->Register(commands_);
}

void MainWindow::CreatePanels() {
  directory_panel_ = new DirectoryPanel(include_list_, exclude_list_);
  criteria_panel_ = new CriteriaPanel(criteria_, clock_);
  list_panel_ = new ListPanel(items_);

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

  log_.on_line_added = [this](const std::string& line) { list_panel_->AppendLogLine(line); };
  log_.on_cleared = [this] { list_panel_->ClearLog(); };

  ConnectDirectoryPane();
  // Lines wider than the list stay reachable whatever its width becomes.
  connect(list_panel_->ItemView(), &ItemListView::resized, this, [this] {
    if (state_.MaxListWidth > ItemListWidth()) {
      list_panel_->ItemView()->SetScrollWidth(state_.MaxListWidth + 8);
    }
  });
  directory_panel_->RebuildDrives(engine_.Volumes());
  directory_panel_->ShowDirectory(current_dir_);
  ResetWindowSize();
}

void MainWindow::ResetWindowSize() {
  resize(kWindowWidth, kWindowHeight);
  splitter_->setSizes({kDirPaneWidth, kWindowWidth - kDirPaneWidth});
}

void MainWindow::FormCreate(const std::vector<std::string>& args) {
  CloseDown = false;
  setWindowTitle(QString("Krellix ") + kVersion);
  log_.Clear();
  log_.AddLogLine(std::string("Krellix=") + kVersion + " - " + kCopyright);

  state_.AutoScan = false;
  state_.ScanToFile = false;
  state_.ScanIncList = false;
  state_.RetrieveVolumename = true;
  startup_ = ParseCommandLine(args);
  for (const std::string& line : startup_.log_lines) log_.AddLogLine(line);
  if (startup_.ScanToFile) {
    state_.ScanToFile = true;
    ApplyScanToFileMode();
  }

  criteria_panel_->ShowScanTab();
  directory_panel_->ShowPane(DirPane::kTree);
  list_panel_->Show(ListPanel::kItems);
  criteria_panel_->ScanBox()->setFocus();

  paths_ = ResolveEnvironmentPaths(startup_.StartUpDir, GetSpecialFolders());
  ApplyBuiltInDefaults(settings_, state_);
  settings_.output.SaveName = paths_.SaveName;

  SetScanText("*.*");
  history_.Assign(DefaultScanStrings());
  criteria_panel_->SetHistory(history_.Entries());

  SetDefaults(true, "");
  settings_commands_->CreateDialog();
  tray_ = new TrayIcon(this, [this] { return settings_.SysTray; });

  // The preview pane is as high as the panel is wide, plus its button strip; collapsed to the
  // strip while previews are off.
  directory_panel_->SetPreviewHeight(settings_.ShowPreview ? kDirPaneWidth + kPreviewBar
                                                           : kPreviewBar);

  log_.AddLogLine("Initialization=Complete");
  log_.AddLogLine("Initial_directory=" + TreeDirectory());
  if (state_.AutoScan) {
    log_.AddLogLine("Initial_autoScan=" + criteria_.scan_text);
    state_.SkipSubDir = true;
    RunScanCommand([this] { engine_.ScanCommand(); });
  }
}

void MainWindow::ApplyScanToFileMode() {
  actions_.items_menu->menuAction()->setEnabled(false);
  state_.SortOutput = '-';
  items_.SetSorted(false);
  list_panel_->SetItemMenuEnabled(false);
  actions_.auto_scan->setChecked(false);
  actions_.auto_scan->setEnabled(false);
  criteria_panel_->AppendBox()->setChecked(false);
  criteria_panel_->AppendBox()->setEnabled(false);
}

void MainWindow::SetDefaults(bool create, const std::string& file_name) {
  SetScanText("*.*");
  ShowStatus(kCopyright);
  items_.SetSorted(true);
  items_.Clear();
  list_panel_->ItemView()->Refresh();
  ClearRenameBox();
  stats_ = ScanStatistics();
  stats_.YoungestDate = FormatIsoDate(clock_.Now());
  state_.MaxListLength = 0;
  state_.MaxListWidth = ItemListWidth();
  state_.MaxItems = state_.ItemLimit;

  ResetSelectionCriteria(criteria_, clock_.Now());
  criteria_panel_->Refresh();
  state_.ScanString = false;
  state_.SkipSubDir = false;
  state_.ScanFolderAll = false;
  if (!state_.ScanToFile) state_.SortOutput = 'P';
  if (state_.SortOutput == '-') items_.SetSorted(false);

  if (!startup_.SkipIni) settings_commands_->ReadFile(create, file_name);
  criteria_panel_->Refresh();
  ApplyPreferences();
  list_commands_->LoadListFiles();

  const std::string start = settings_.SaveDir ? paths_.mruDir : paths_.DefaultDir;
  if (!SetTreeDirectory(start) && !SetTreeDirectory(paths_.DefaultDir)) {
    SetTreeDirectory(std::string(1, kPathDelim));
  }

  state_.MaxListWidth = ItemListWidth();
  state_.AutoScan = settings_.tempAutoScan;
  if (!state_.ScanToFile) actions_.auto_scan->setChecked(!settings_.tempAutoScan);
}

void MainWindow::ApplyPreferences() {
  criteria_panel_->SetAutoComplete(settings_.ComboComp);
  ShowScanHistory();
  actions_.show_hints->setChecked(settings_.ShowHints);
  actions_.show_rename->setChecked(settings_.ShowRename);
  actions_.show_preview->setChecked(settings_.ShowPreview);
  for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
    actions_.custom[i]->setText(ToQt(settings_.CustOpt[i]));
  }
  const ConfirmOptions& c = settings_.confirm;
  const bool marks[] = {c.delete_directory, c.rename_directory,    c.purge_file, c.delete_file,
                        c.rename_file,      c.preview_rename_file, c.attrib_file};
  for (std::size_t i = 0; i < actions_.confirm.size(); ++i)
    actions_.confirm[i]->setChecked(marks[i]);
}

void MainWindow::CreateSettingsCommands() {
  settings_commands_ = new SettingsCommands(
      {
          .settings = settings_,
          .state = state_,
          .criteria = criteria_,
          .paths = paths_,
          .history = history_,
          .items = items_,
          .skip_ini = startup_.SkipIni,
          .log = log_,
          .prompter = prompter_,
          .clock = clock_,
          .locale = locale_,
          .host = *this,
          .window = this,
          .version_title = std::string("Krellix ") + kVersion,
          .busy = [this] { return engine_.Running(); },
          .clear_items = [this] { item_commands_->Clear(); },
          .refresh_items = [this] { list_panel_->ItemView()->Refresh(); },
          .show_preferences = [this] { ApplyPreferences(); },
          .show_criteria = [this] { criteria_panel_->Refresh(); },
          .show_custom_strings =
              [this] {
                for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
                  actions_.custom[i]->setText(ToQt(settings_.CustOpt[i]));
                }
              },
          .show_auto_scan = [this](bool on) { actions_.auto_scan->setChecked(!on); },
          .show_scan_history = [this] { ShowScanHistory(); },
          .list_scan_history = [this] { criteria_panel_->SetHistory(history_.Entries()); },
          .refresh_info =
              [this] {
                if (list_panel_->Showing(ListPanel::kInfo)) Information2Click();
              },
          .set_defaults = [this](bool create,
                                 const std::string& file) { SetDefaults(create, file); },
          .bookmarks = [this] { return bookmarks_.Entries(); },
          .set_bookmarks =
              [this](std::vector<std::string> entries) { SetBookmarks(std::move(entries)); },
          .addresses = [this] { return addresses_.Entries(); },
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

void MainWindow::ShowScanHistory() {
  if (settings_.ComboSort) history_.SortEntries();
  criteria_panel_->SetHistory(history_.Entries());
}

QString MainWindow::StatusText() const { return status_->text(); }

void MainWindow::FormCloseQuery() {
  CloseDown = true;
  state_.CancelStopEsc = true;
  StopPreview();
  log_.AddLogLine("Closing_down=Yes");
  if (settings_.SaveIncList) {
    list_commands_->AutoSaveIncludeList();
    log_.AddLogLine("Include_list_saved=Yes");
  }
  if (settings_.SaveExcList) {
    list_commands_->AutoSaveExcludeList();
    log_.AddLogLine("Exclude_list_saved=Yes");
  }
  // "Save File list" is honoured like the other two list options.
  if (settings_.SaveFileList) {
    list_commands_->AutoSaveFileList();
    log_.AddLogLine("File_list_saved=Yes");
  }
  settings_commands_->WriteAtClose();
  log_.AddLogLine("Close_complete=Yes");
  if (settings_.LogSave) SaveLogfile(output_commands_->LogSaver(), LogSaveKind::kSilent);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (engine_.Running()) {
    // The run polls events from inside this window's code; it ends first, then the window.
    state_.CancelStopEsc = true;
    close_pending_ = true;
    event->ignore();
    return;
  }
  if (!CloseDown) FormCloseQuery();
  QMainWindow::closeEvent(event);
}

}  // namespace krellix
