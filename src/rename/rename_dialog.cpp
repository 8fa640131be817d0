#include "rename/rename_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

namespace krellix {
namespace {

using P = RenameParameters;

QLineEdit* TextField(const char* name) {
  auto* field = new QLineEdit;
  field->setObjectName(name);
  return field;
}

// A field of up to `digits` decimal digits; its text stays as typed, leading zeros included.
QLineEdit* DigitField(const char* name, int digits) {
  auto* field = new QLineEdit;
  field->setObjectName(name);
  field->setMaxLength(digits);
  field->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QString("[0-9]{0,%1}").arg(digits)), field));
  const int width = field->fontMetrics().horizontalAdvance(QString(digits + 1, '0'));
  field->setMaximumWidth(width + 16);
  return field;
}

QCheckBox* CheckBox(const char* name, const char* caption, const char* hint = nullptr) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  if (hint != nullptr) box->setToolTip(hint);
  return box;
}

struct Choice {
  const char* name;
  const char* caption;
  const char* hint = nullptr;
};

// Radio buttons of one choice; the id of each is the value it stands for, in the order given.
QButtonGroup* Choices(QWidget* owner, std::initializer_list<Choice> choices) {
  auto* group = new QButtonGroup(owner);
  int id = 0;
  for (const Choice& c : choices) {
    auto* button = new QRadioButton(c.caption);
    button->setObjectName(c.name);
    if (c.hint != nullptr) button->setToolTip(c.hint);
    group->addButton(button, id++);
  }
  return group;
}

QPushButton* Button(const char* name, const char* caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

template <typename E>
void Check(QButtonGroup* group, E value) {
  group->button(static_cast<int>(value))->setChecked(true);
}

template <typename E>
E Checked(const QButtonGroup* group) {
  return static_cast<E>(group->checkedId());
}

}  // namespace

RenameDialog::RenameDialog(bool& remember, QWidget* parent) : QDialog(parent), remember_(remember) {
  setObjectName("renameDialog");
  setWindowTitle("Rename");

  auto* groups = new QGridLayout;
  groups->addWidget(BuildEditGroup(), 0, 0, 1, 2);
  groups->addWidget(BuildAddGroup(), 1, 0);
  groups->addWidget(BuildNumberGroup(), 1, 1);
  groups->addWidget(BuildCaseGroup(), 2, 0);
  groups->addWidget(BuildExtensionGroup(), 2, 1);

  remember_box_ =
      CheckBox("remember", "Remember parameters", "Do not clear parameters after rename");
  connect(remember_box_, &QCheckBox::toggled, this, [this](bool on) { remember_ = on; });

  notice_ = new QLabel(kInvalidCharsNotice);
  notice_->setObjectName("notice");
  notice_->setStyleSheet("color: red; font-weight: bold;");
  QSizePolicy keep_place = notice_->sizePolicy();
  keep_place.setRetainSizeWhenHidden(true);
  notice_->setSizePolicy(keep_place);
  notice_->hide();

  QPushButton* reset = Button("reset", "Reset");
  reset->setToolTip("Reset to default parameters");
  QPushButton* ok = Button("ok", "OK");
  ok->setDefault(true);
  QPushButton* cancel = Button("cancel", "Cancel");
  QPushButton* help = Button("help", "Help");
  connect(reset, &QPushButton::clicked, this, [this] { ResetClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(remember_box_);
  buttons->addWidget(notice_, 1);
  for (QPushButton* button : {reset, ok, cancel, help}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);

  Load(RenameParameters{});
  old_->installEventFilter(this);
  separator_->installEventFilter(this);
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { Prepare(Values()); });
}

QWidget* RenameDialog::BuildEditGroup() {
  tabs_ = new QTabWidget;
  tabs_->setObjectName("editTabs");
  tabs_->setToolTip("Additional rename options");

  auto* replace = new QWidget;
  auto* replace_grid = new QGridLayout(replace);
  old_ = TextField("oldText");
  new_ = TextField("newText");
  replace_all_ = CheckBox("replaceAll", "Replace all");
  replace_grid->addWidget(new QLabel("Old:"), 0, 0);
  replace_grid->addWidget(old_, 0, 1);
  replace_grid->addWidget(new QLabel("New:"), 1, 0);
  replace_grid->addWidget(new_, 1, 1);
  replace_grid->addWidget(replace_all_, 2, 1);
  tabs_->addTab(replace, "Replace");

  auto* crop = new QWidget;
  auto* crop_grid = new QGridLayout(crop);
  crop_ = Choices(this, {{"cropSkip", "skip"},
                         {"cropRemove", "Remove"},
                         {"cropRemoveLast", "Remove last"},
                         {"cropKeepLast", "Keep last"}});
  remove_count_ = DigitField("removeCount", 3);
  remove_position_ = DigitField("removePosition", 3);
  last_count_ = DigitField("lastCount", 3);
  crop_grid->addWidget(crop_->button(static_cast<int>(P::Crop::kSkip)), 0, 0);
  crop_grid->addWidget(crop_->button(static_cast<int>(P::Crop::kRemove)), 1, 0);
  crop_grid->addWidget(remove_count_, 1, 1);
  crop_grid->addWidget(new QLabel("characters after position: "), 1, 2);
  crop_grid->addWidget(remove_position_, 1, 3);
  auto* last = new QHBoxLayout;
  last->addWidget(crop_->button(static_cast<int>(P::Crop::kRemoveLast)));
  last->addWidget(crop_->button(static_cast<int>(P::Crop::kKeepLast)));
  crop_grid->addLayout(last, 2, 0);
  crop_grid->addWidget(last_count_, 2, 1);
  crop_grid->addWidget(new QLabel("characters"), 2, 2);
  crop_grid->setColumnStretch(4, 1);
  tabs_->addTab(crop, "Crop");

  auto* insert = new QWidget;
  auto* insert_row = new QHBoxLayout(insert);
  insert_text_ = TextField("insertText");
  insert_position_ = DigitField("insertPosition", 3);
  insert_row->addWidget(new QLabel("Insert:"));
  insert_row->addWidget(insert_text_, 1);
  insert_row->addWidget(new QLabel("after position: "));
  insert_row->addWidget(insert_position_);
  tabs_->addTab(insert, "Insert");

  auto* swap = new QWidget;
  auto* swap_row = new QHBoxLayout(swap);
  swap_ =
      Choices(this, {{"swapSkip", "skip"}, {"swapFirst", "Swap first"}, {"swapLast", "Swap last"}});
  swap_count_ = DigitField("swapCount", 2);
  for (QAbstractButton* button : swap_->buttons()) swap_row->addWidget(button);
  swap_row->addWidget(swap_count_);
  swap_row->addWidget(new QLabel("characters"));
  swap_row->addStretch(1);
  tabs_->addTab(swap, "Swap");

  auto* path = new QWidget;
  auto* path_row = new QHBoxLayout(path);
  path_ = Choices(this, {{"pathSkip", "skip"},
                         {"pathAddLast", "Add last"},
                         {"pathAddFirst", "Add first"},
                         {"pathAddAll", "Add all levels"}});
  path_count_ = DigitField("pathCount", 2);
  for (QAbstractButton* button : path_->buttons()) path_row->addWidget(button);
  path_row->addWidget(path_count_);
  path_row->addWidget(new QLabel("levels"));
  path_row->addStretch(1);
  tabs_->addTab(path, "Path");

  auto* box = new QGroupBox("(1) Edit");
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(tabs_);
  return box;
}

QWidget* RenameDialog::BuildAddGroup() {
  prefix_ = TextField("prefix");
  suffix_ = TextField("suffix");
  date_prefix_ = CheckBox("datePrefix", "Date", "Add current date before filename");
  date_suffix_ = CheckBox("dateSuffix", "Date", "Add current date behind filename");
  md5_prefix_ = CheckBox("md5Prefix", "MD5", "Add MD5 checksum before filename");
  md5_suffix_ = CheckBox("md5Suffix", "MD5", "Add MD5 checksum after filename");
  auto* box = new QGroupBox("(2) Add");
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel("Prefix:"), 0, 0);
  grid->addWidget(prefix_, 0, 1);
  grid->addWidget(date_prefix_, 0, 2);
  grid->addWidget(md5_prefix_, 0, 3);
  grid->addWidget(new QLabel("Suffix:"), 1, 0);
  grid->addWidget(suffix_, 1, 1);
  grid->addWidget(date_suffix_, 1, 2);
  grid->addWidget(md5_suffix_, 1, 3);
  return box;
}

QWidget* RenameDialog::BuildNumberGroup() {
  number_ = Choices(this, {{"numberSkip", "skip", "Do not add numbers"},
                           {"numberPrefix", "Prefix", "Insert number before filename"},
                           {"numberSuffix", "Suffix", "Append number after filename"}});
  start_ = DigitField("start", 6);
  step_ = DigitField("step", 6);
  zero_fill_ = DigitField("zeroFill", 2);
  separator_on_ =
      CheckBox("separatorOn", "Separator", "Add separator text between number and filename");
  separator_ = TextField("separator");

  auto* box = new QGroupBox("(3) Number");
  auto* grid = new QGridLayout(box);
  auto* choices = new QHBoxLayout;
  for (QAbstractButton* button : number_->buttons()) choices->addWidget(button);
  choices->addStretch(1);
  grid->addLayout(choices, 0, 0, 1, 6);
  int column = 0;
  for (auto [caption, field] :
       {std::pair{"Start:", start_}, {"Step:", step_}, {"Zero fill:", zero_fill_}}) {
    grid->addWidget(new QLabel(caption), 1, column++);
    grid->addWidget(field, 1, column++);
  }
  grid->addWidget(separator_on_, 2, 0, 1, 2);
  grid->addWidget(separator_, 2, 2, 1, 4);
  return box;
}

QWidget* RenameDialog::BuildCaseGroup() {
  underscore_blank_ = CheckBox("underscoreBlank", "_ into blank");
  percent20_blank_ = CheckBox("percent20Blank", "%20 into blank");
  case_ = Choices(this, {{"caseKeep", "don't change case"},
                         {"caseUpper", "UPPER CASE"},
                         {"caseLower", "lower case"},
                         {"caseTitle", "Title Case"},
                         {"caseSentence", "Sentence case"}});
  auto* box = new QGroupBox("(4) Case");
  auto* grid = new QGridLayout(box);
  grid->addWidget(underscore_blank_, 0, 0);
  grid->addWidget(percent20_blank_, 0, 1);
  const QList<QAbstractButton*> choices = case_->buttons();
  for (int i = 0; i < choices.size(); ++i) grid->addWidget(choices[i], 1 + i / 2, i % 2);
  return box;
}

QWidget* RenameDialog::BuildExtensionGroup() {
  extension_ = Choices(this, {{"extensionSkip", "skip"},
                              {"extensionAdd", "Add"},
                              {"extensionReplace", "Replace"},
                              {"extensionDelete", "Delete"}});
  extension_text_ = TextField("extension");
  auto* box = new QGroupBox("(5) Extension");
  auto* layout = new QVBoxLayout(box);
  auto* choices = new QHBoxLayout;
  for (QAbstractButton* button : extension_->buttons()) choices->addWidget(button);
  choices->addStretch(1);
  auto* text = new QHBoxLayout;
  text->addWidget(new QLabel("Extension"));
  text->addWidget(extension_text_, 1);
  layout->addLayout(choices);
  layout->addLayout(text);
  layout->addStretch(1);
  return box;
}

void RenameDialog::Load(const RenameParameters& p) {
  {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(static_cast<int>(p.tab));
  }
  old_->setText(shown_.old_text.Show(p.old_text));
  new_->setText(shown_.new_text.Show(p.new_text));
  replace_all_->setChecked(p.replace_all);
  Check(crop_, p.crop);
  remove_count_->setText(ToQt(p.remove_count));
  remove_position_->setText(ToQt(p.remove_position));
  last_count_->setText(ToQt(p.last_count));
  insert_text_->setText(shown_.insert_text.Show(p.insert_text));
  insert_position_->setText(ToQt(p.insert_position));
  Check(swap_, p.swap);
  swap_count_->setText(ToQt(p.swap_count));
  Check(path_, p.path);
  path_count_->setText(ToQt(p.path_count));
  prefix_->setText(shown_.prefix.Show(p.prefix));
  suffix_->setText(shown_.suffix.Show(p.suffix));
  date_prefix_->setChecked(p.date_prefix);
  date_suffix_->setChecked(p.date_suffix);
  md5_prefix_->setChecked(p.md5_prefix);
  md5_suffix_->setChecked(p.md5_suffix);
  Check(number_, p.number);
  start_->setText(ToQt(p.start));
  step_->setText(ToQt(p.step));
  zero_fill_->setText(ToQt(p.zero_fill));
  separator_on_->setChecked(p.use_separator);
  separator_->setText(shown_.separator.Show(p.separator));
  underscore_blank_->setChecked(p.underscore_blank);
  percent20_blank_->setChecked(p.percent20_blank);
  Check(case_, p.letter_case);
  Check(extension_, p.extension);
  extension_text_->setText(shown_.extension.Show(p.extension_text));
}

RenameParameters RenameDialog::Values() const {
  RenameParameters p;
  p.tab = static_cast<P::EditTab>(tabs_->currentIndex());
  p.old_text = shown_.old_text.From(old_->text());
  p.new_text = shown_.new_text.From(new_->text());
  p.replace_all = replace_all_->isChecked();
  p.crop = Checked<P::Crop>(crop_);
  p.remove_count = FromQt(remove_count_->text());
  p.remove_position = FromQt(remove_position_->text());
  p.last_count = FromQt(last_count_->text());
  p.insert_text = shown_.insert_text.From(insert_text_->text());
  p.insert_position = FromQt(insert_position_->text());
  p.swap = Checked<P::Swap>(swap_);
  p.swap_count = FromQt(swap_count_->text());
  p.path = Checked<P::PathLevels>(path_);
  p.path_count = FromQt(path_count_->text());
  p.prefix = shown_.prefix.From(prefix_->text());
  p.suffix = shown_.suffix.From(suffix_->text());
  p.date_prefix = date_prefix_->isChecked();
  p.date_suffix = date_suffix_->isChecked();
  p.md5_prefix = md5_prefix_->isChecked();
  p.md5_suffix = md5_suffix_->isChecked();
  p.number = Checked<P::NumberPlace>(number_);
  p.start = FromQt(start_->text());
  p.step = FromQt(step_->text());
  p.zero_fill = FromQt(zero_fill_->text());
  p.use_separator = separator_on_->isChecked();
  p.separator = shown_.separator.From(separator_->text());
  p.underscore_blank = underscore_blank_->isChecked();
  p.percent20_blank = percent20_blank_->isChecked();
  p.letter_case = Checked<P::Case>(case_);
  p.extension = Checked<P::Extension>(extension_);
  p.extension_text = shown_.extension.From(extension_text_->text());
  return p;
}

void RenameDialog::Prepare(RenameParameters p) {
  const RenameField focus = PrepareRenameParameters(p, remember_);
  Load(p);
  remember_box_->setChecked(remember_);
  notice_->hide();
  FieldOf(focus)->setFocus();
}

bool RenameDialog::Run(RenameParameters& params) {
  Prepare(params);
  if (exec() != QDialog::Accepted) return false;
  params = Values();
  return true;
}

bool RenameDialog::eventFilter(QObject* watched, QEvent* event) {
  // Only a move of the focus to another control leaves a field: a window losing the focus, or
  // a menu or tool tip opening over it, does not.
  const auto reason = event->type() == QEvent::FocusOut ? static_cast<QFocusEvent*>(event)->reason()
                                                        : Qt::ActiveWindowFocusReason;
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
    if (watched == old_) Apply(&LeaveOldText);
    if (watched == separator_) Apply(&LeaveSeparatorText);
  }
  return QDialog::eventFilter(watched, event);
}

void RenameDialog::Apply(void (*rule)(RenameParameters&)) {
  const RenameParameters before = Values();
  RenameParameters after = before;
  rule(after);
  if (after != before) Load(after);
}

void RenameDialog::OkClick() {
  if (const std::optional<RenameFault> fault = CheckRenameParameters(Values())) {
    notice_->setText(QString::fromStdString(fault->notice));
    notice_->show();
    FieldOf(fault->field)->setFocus();
    return;
  }
  notice_->hide();
  accept();
}

void RenameDialog::ResetClick() {
  RenameParameters p = Values();
  ResetToDefault(p);
  Load(p);
  remember_box_->setChecked(false);
  notice_->hide();
}

QLineEdit* RenameDialog::FieldOf(RenameField field) const {
  switch (field) {
    case RenameField::kNew:
      return new_;
    case RenameField::kPrefix:
      return prefix_;
    case RenameField::kSuffix:
      return suffix_;
    case RenameField::kExtension:
      return extension_text_;
    case RenameField::kRemoveCount:
      return remove_count_;
    case RenameField::kRemovePosition:
      return remove_position_;
    case RenameField::kLastCount:
      return last_count_;
    case RenameField::kInsertText:
      return insert_text_;
    case RenameField::kInsertPosition:
      return insert_position_;
    case RenameField::kSwapCount:
      return swap_count_;
    case RenameField::kPathCount:
      return path_count_;
    case RenameField::kStart:
      return start_;
    case RenameField::kStep:
      return step_;
    case RenameField::kZeroFill:
      return zero_fill_;
  }
  return prefix_;
}

}  // namespace krellix
