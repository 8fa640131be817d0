#include "app/criteria_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include "app/criteria_tabs.h"
#include "platform/clock.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

enum Tab { kScanTab, kFileTab, kAttribTab, kSizeTab, kModifiedTab, kCreatedTab };

constexpr int kSizeDigits = 9;

QDate DateOf(WallMs t) {
  const CivilDateTime c = ToCivil(t);
  return QDate(c.year, c.month, c.day);
}

QTime TimeOf(WallMs t) {
  const CivilDateTime c = ToCivil(t);
  return QTime(c.hour, c.minute, c.second, c.millisecond);
}

WallMs WallOf(QDate d) { return FromCivil({d.year(), d.month(), d.day(), 0, 0, 0, 0}); }

WallMs WallOf(QTime t) {
  return FromCivil({1970, 1, 1, t.hour(), t.minute(), t.second(), t.msec()});
}

QString UnitCaption(bool kbytes) { return kbytes ? "Kbytes" : "bytes"; }

}  // namespace

CriteriaPanel::CriteriaPanel(SelectionCriteria& criteria, const Clock& clock, QWidget* parent)
    : QTabWidget(parent), criteria_(criteria), clock_(clock) {
  addTab(BuildScanTab(), "Scan");
  addTab(BuildFileTab(), "File");
  addTab(BuildAttribTab(), "Attrib");
  addTab(BuildSizeTab(), "Size");
  addTab(BuildRangeTab("Modified", criteria_.modified, modified_), "Modified");
  addTab(BuildRangeTab("Created", criteria_.created, created_), "Created");
  connect(this, &QTabWidget::currentChanged, this, [this](int index) { OnTabShown(index); });
  Refresh();
}

QCheckBox* CriteriaPanel::Check(const QString& caption, const QString& hint, bool& target) {
  auto* box = new QCheckBox(caption);
  if (!hint.isEmpty()) box->setToolTip(hint);
  connect(box, &QCheckBox::toggled, this, [&target](bool on) { target = on; });
  return box;
}

QWidget* CriteriaPanel::BuildScanTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);

  scan_box_ = new QComboBox;
  scan_box_->setObjectName("scanBox");
  scan_box_->setAccessibleName(tr("Scan string"));
  scan_box_->setEditable(true);
  scan_box_->setInsertPolicy(QComboBox::NoInsert);
  scan_box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  scan_box_->setMinimumContentsLength(24);
  // Keys typed into the box reach the combo box first, which hands them to its line edit
  // without passing event filters; watch both.
  scan_box_->installEventFilter(this);
  scan_box_->lineEdit()->installEventFilter(this);
  connect(scan_box_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { criteria_.scan_text = FromQt(text); });

  clear_button_ = new QToolButton;
  clear_button_->setObjectName("clearScanButton");
  clear_button_->setAccessibleName(tr("Clear scan argument"));
  clear_button_->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
  clear_button_->setToolTip("Clear scan argument");
  connect(clear_button_, &QToolButton::clicked, this, [this] {
    SetScanText("");
    scan_box_->setFocus();
  });

  auto* box_row = new QHBoxLayout;
  box_row->addWidget(scan_box_, 1);
  box_row->addWidget(clear_button_);
  grid->addLayout(box_row, 0, 0, 1, 4);

  logic_or_ = new QRadioButton("Or ");
  logic_or_->setToolTip("Scan for at least 1 argument");
  logic_and_ = new QRadioButton("And");
  logic_and_->setToolTip("Scan for all arguments");
  logic_not_ = new QRadioButton("Not");
  logic_not_->setToolTip("Scan for items that do not conatain argument");
  auto* logic = new QButtonGroup(page);
  logic->addButton(logic_or_, static_cast<int>(ScanLogic::kOr));
  logic->addButton(logic_and_, static_cast<int>(ScanLogic::kAnd));
  logic->addButton(logic_not_, static_cast<int>(ScanLogic::kNot));
  connect(logic, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) criteria_.logic = static_cast<ScanLogic>(id);
  });
  grid->addWidget(logic_or_, 1, 0);
  grid->addWidget(logic_and_, 2, 0);
  grid->addWidget(logic_not_, 3, 0);

  ignore_case_ = Check("Ignore case ", "Use case-insensitive Scan string ", criteria_.ignore_case);
  incl_dirs_ =
      Check("incl. dir. names", "Include directory entries in results", criteria_.incl_dir_names);
  excl_files_ =
      Check("excl. filenames", "Exclude filename entries in results", criteria_.excl_filenames);
  // Excluding file names leaves nothing to list but directories.
  connect(excl_files_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) incl_dirs_->setChecked(true);
  });
  sub_dirs_ = Check("Sub-dirs. ", "Scan all sub-directories", criteria_.sub_dirs);
  append_ = Check("Append ", "Append scan results to current item list", criteria_.append);
  append_->setObjectName("appendBox");
  grid->addWidget(ignore_case_, 1, 1);
  grid->addWidget(incl_dirs_, 2, 1);
  grid->addWidget(excl_files_, 3, 1);
  grid->addWidget(sub_dirs_, 1, 2);
  grid->addWidget(append_, 2, 2);
  grid->setColumnStretch(3, 1);
  return page;
}

QWidget* CriteriaPanel::BuildFileTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  use_path_ = Check("Path", "", criteria_.use_path);
  use_name_ = Check("Name", "", criteria_.use_name);
  use_ext_ = Check("Extension", "", criteria_.use_ext);
  const std::pair<QCheckBox*, FileBox> boxes[] = {
      {use_path_, FileBox::kPath}, {use_name_, FileBox::kName}, {use_ext_, FileBox::kExtension}};
  for (const auto& [box, which] : boxes) {
    connect(box, &QCheckBox::clicked, this, [this, which = which](bool on) {
      setTabText(kFileTab, ToQt(FileTabCaption(which, on)));
    });
    layout->addWidget(box);
  }
  layout->addStretch();
  return page;
}

QWidget* CriteriaPanel::BuildAttribTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  any_file_ = Check("Any file", "", criteria_.any_file);
  normal_ = Check("Normal", "", criteria_.normal);
  read_only_ = Check("Read only", "", criteria_.read_only);
  hidden_ = Check("Hidden", "", criteria_.hidden);
  system_ = Check("System", "", criteria_.system);
  archive_ = Check("Archive", "", criteria_.archive);
  volume_id_ = Check("Volume ID", "", criteria_.volume_id);
  for (QCheckBox* box : {any_file_, normal_}) {
    connect(box, &QCheckBox::clicked, this, [this] {
      setTabText(kAttribTab, ToQt(AttribTabCaption(any_file_->isChecked(), normal_->isChecked())));
    });
  }
  QCheckBox* order[] = {any_file_, normal_, read_only_, hidden_, system_, archive_, volume_id_};
  for (int i = 0; i < 7; ++i) grid->addWidget(order[i], i % 3, i / 3);
  grid->setColumnStretch(3, 1);
  return page;
}

void CriteriaPanel::BuildSizeRow(QGridLayout* grid, int row, const QString& caption,
                                 SizeLimit& limit, SizeControls& controls) {
  controls.box = Check(caption, "", limit.enabled);
  connect(controls.box, &QCheckBox::clicked, this,
          [this] { setTabText(kSizeTab, ToQt(SizeTabCaption(criteria_))); });

  controls.number = new QLineEdit;
  controls.number->setMaxLength(kSizeDigits);
  controls.number->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), controls.number));
  controls.number->setToolTip("Enter number between 0 and 999999999");
  controls.number->setFixedWidth(
      controls.number->fontMetrics().horizontalAdvance("0") * (kSizeDigits + 2) + 12);
  controls.number->installEventFilter(this);
  connect(controls.number, &QLineEdit::textChanged, this,
          [&limit](const QString& text) { limit.text = FromQt(text); });

  controls.unit = new QPushButton(UnitCaption(limit.kbytes));
  connect(controls.unit, &QPushButton::clicked, this, [&limit, &controls] {
    limit.kbytes = !limit.kbytes;
    controls.unit->setText(UnitCaption(limit.kbytes));
  });

  grid->addWidget(controls.box, row, 0);
  grid->addWidget(controls.number, row, 1);
  grid->addWidget(controls.unit, row, 2);
}

QWidget* CriteriaPanel::BuildSizeTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  BuildSizeRow(grid, 0, "Min.", criteria_.min, min_);
  BuildSizeRow(grid, 1, "Max.", criteria_.max, max_);
  min_.number->setObjectName("minSize");
  max_.number->setObjectName("maxSize");
  min_.number->setAccessibleName(tr("Least size"));
  max_.number->setAccessibleName(tr("Greatest size"));
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(2, 1);
  return page;
}

QWidget* CriteriaPanel::BuildRangeTab(const QString& name, DateTimeRange& range,
                                      RangeControls& controls) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  const int tab = name == "Modified" ? kModifiedTab : kCreatedTab;
  auto mark = [this, tab, name, &range] {
    setTabText(tab, ToQt(RangeTabCaption(FromQt(name), range)));
  };

  controls.from_date = Check("From:", "", range.from_date);
  controls.to_date = Check("To:", "", range.to_date);
  controls.from_time = Check("From:", "", range.from_time);
  controls.to_time = Check("To:", "", range.to_time);
  for (QCheckBox* box :
       {controls.from_date, controls.to_date, controls.from_time, controls.to_time}) {
    connect(box, &QCheckBox::clicked, this, mark);
  }

  auto date_edit = [this](WallMs& target) {
    auto* edit = new QDateEdit;
    edit->setCalendarPopup(true);
    connect(edit, &QDateEdit::dateChanged, this, [&target](QDate d) { target = WallOf(d); });
    return edit;
  };
  auto time_edit = [this](WallMs& target) {
    auto* edit = new QTimeEdit;
    edit->setDisplayFormat("HH:mm:ss");
    connect(edit, &QTimeEdit::timeChanged, this, [&target](QTime t) { target = WallOf(t); });
    return edit;
  };
  controls.from_date_edit = date_edit(range.from_date_value);
  controls.to_date_edit = date_edit(range.to_date_value);
  controls.from_time_edit = time_edit(range.from_time_value);
  controls.to_time_edit = time_edit(range.to_time_value);

  grid->addWidget(controls.from_date, 0, 0);
  grid->addWidget(controls.from_date_edit, 0, 1);
  grid->addWidget(controls.to_date, 0, 2);
  grid->addWidget(controls.to_date_edit, 0, 3);
  grid->addWidget(controls.from_time, 1, 0);
  grid->addWidget(controls.from_time_edit, 1, 1);
  grid->addWidget(controls.to_time, 1, 2);
  grid->addWidget(controls.to_time_edit, 1, 3);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(2, 1);
  return page;
}

void CriteriaPanel::OnTabShown(int index) {
  // An unmarked date tab always offers today and now to start from.
  if (index == kModifiedTab && tabText(index) == "Modified") {
    criteria_.modified.SetAllValues(clock_.Now());
    RefreshRange(criteria_.modified, modified_);
  } else if (index == kCreatedTab && tabText(index) == "Created") {
    criteria_.created.SetAllValues(clock_.Now());
    RefreshRange(criteria_.created, created_);
  }
}

bool CriteriaPanel::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == scan_box_ || watched == scan_box_->lineEdit()) &&
      event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      emit enterPressed();
      return true;
    }
  }
  if ((watched == min_.number || watched == max_.number) && event->type() == QEvent::FocusIn) {
    // After the click that gave the focus has placed its cursor.
    QTimer::singleShot(0, this, [this] {
      min_.number->setSelection(0, kSizeDigits);
      max_.number->setSelection(0, kSizeDigits);
    });
  }
  return QTabWidget::eventFilter(watched, event);
}

void CriteriaPanel::SetScanText(const std::string& text) {
  scan_box_->setEditText(ToQt(text));
  // The box cannot hold every byte sequence; the criteria keep the text exactly.
  criteria_.scan_text = text;
}

void CriteriaPanel::SetHistory(const std::vector<std::string>& entries) {
  const QString text = scan_box_->currentText();
  const QSignalBlocker block(scan_box_);
  scan_box_->clear();
  for (const std::string& e : entries) scan_box_->addItem(ToQt(e));
  scan_box_->setCurrentIndex(-1);
  scan_box_->setEditText(text);
}

void CriteriaPanel::SelectHistoryEntry(int index) {
  if (index < 0 || index >= scan_box_->count()) return;
  if (scan_box_->currentIndex() == index &&
      scan_box_->currentText() == scan_box_->itemText(index)) {
    return;
  }
  scan_box_->setCurrentIndex(index);
  scan_box_->setEditText(scan_box_->itemText(index));
}

void CriteriaPanel::SetAutoComplete(bool on) {
  if (!on) {
    scan_box_->setCompleter(nullptr);
    return;
  }
  auto* completer = new QCompleter(scan_box_->model(), scan_box_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setCompletionMode(QCompleter::InlineCompletion);
  scan_box_->setCompleter(completer);
}

void CriteriaPanel::RefreshRange(DateTimeRange& range, const RangeControls& controls) {
  // Copies first: setting one editor writes its value back into the range.
  const DateTimeRange r = range;
  controls.from_date->setChecked(r.from_date);
  controls.to_date->setChecked(r.to_date);
  controls.from_time->setChecked(r.from_time);
  controls.to_time->setChecked(r.to_time);
  controls.from_date_edit->setDate(DateOf(r.from_date_value));
  controls.to_date_edit->setDate(DateOf(r.to_date_value));
  controls.from_time_edit->setTime(TimeOf(r.from_time_value));
  controls.to_time_edit->setTime(TimeOf(r.to_time_value));
  range = r;
}

void CriteriaPanel::Refresh() {
  // Copies first, for the same reason as in RefreshRange.
  SelectionCriteria c = criteria_;
  SetScanText(c.scan_text);
  (c.logic == ScanLogic::kOr    ? logic_or_
   : c.logic == ScanLogic::kAnd ? logic_and_
                                : logic_not_)
      ->setChecked(true);
  ignore_case_->setChecked(c.ignore_case);
  excl_files_->setChecked(c.excl_filenames);
  incl_dirs_->setChecked(c.incl_dir_names);
  sub_dirs_->setChecked(c.sub_dirs);
  append_->setChecked(c.append);
  use_path_->setChecked(c.use_path);
  use_name_->setChecked(c.use_name);
  use_ext_->setChecked(c.use_ext);
  any_file_->setChecked(c.any_file);
  normal_->setChecked(c.normal);
  read_only_->setChecked(c.read_only);
  hidden_->setChecked(c.hidden);
  system_->setChecked(c.system);
  archive_->setChecked(c.archive);
  volume_id_->setChecked(c.volume_id);
  min_.box->setChecked(c.min.enabled);
  min_.number->setText(ToQt(c.min.text));
  min_.unit->setText(UnitCaption(c.min.kbytes));
  max_.box->setChecked(c.max.enabled);
  max_.number->setText(ToQt(c.max.text));
  max_.unit->setText(UnitCaption(c.max.kbytes));
  RefreshRange(c.modified, modified_);
  RefreshRange(c.created, created_);
  criteria_ = c;

  const CriteriaCaptions captions = CaptionsFor(c);
  setTabText(kFileTab, ToQt(captions.file));
  setTabText(kAttribTab, ToQt(captions.attrib));
  setTabText(kSizeTab, ToQt(captions.size));
  setTabText(kModifiedTab, ToQt(captions.modified));
  setTabText(kCreatedTab, ToQt(captions.created));
}

}  // namespace krellix
