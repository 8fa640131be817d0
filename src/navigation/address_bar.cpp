#include "navigation/address_bar.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include "navigation/shown_path.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

constexpr int kFieldMinWidth = 240;

}  // namespace

AddressBar::AddressBar(QWidget* parent) : QToolBar("Address", parent) {
  setObjectName("addressBar");
  setMovable(false);
  auto add = [this](QStyle::StandardPixmap icon, const char* hint, const char* name) {
    QAction* action = addAction(style()->standardIcon(icon), hint);
    action->setToolTip(hint);
    widgetForAction(action)->setObjectName(name);
    return action;
  };
  previous_ = add(QStyle::SP_ArrowBack, "Previous directory", "previousDirectory");
  next_ = add(QStyle::SP_ArrowForward, "Next directory", "nextDirectory");
  up_ = add(QStyle::SP_FileDialogToParent, "Up one level", "upOneLevel");
  root_ = add(QStyle::SP_DriveHDIcon, "Root directory", "rootDirectory");
  browse_ = add(QStyle::SP_DirOpenIcon, "Browse directories", "browseDirectories");
  addSeparator();

  auto* label = new QLabel("Address");
  label->setContentsMargins(4, 0, 4, 0);
  addWidget(label);
  field_ = new QComboBox;
  field_->setObjectName("addressField");
  field_->setEditable(true);
  field_->setInsertPolicy(QComboBox::NoInsert);
  // Typed text stays as typed; the history is there to choose from, not to complete from.
  field_->setCompleter(nullptr);
  field_->setMinimumWidth(kFieldMinWidth);
  field_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  field_->setMaxVisibleItems(20);
  // Keys reach the combo box (the line edit's focus proxy), which hands them to the line edit
  // past its filters; both are watched.
  field_->installEventFilter(this);
  field_->lineEdit()->installEventFilter(this);
  label->setBuddy(field_);
  addWidget(field_);
  connect(field_, &QComboBox::activated, this, [this](int index) { emit entryChosen(index); });
  clear_ = add(QStyle::SP_LineEditClearButton, "Clear address bar", "clearAddressBar");
}

bool AddressBar::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == field_ || watched == field_->lineEdit()) && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      emit addressEntered();
      return true;
    }
  }
  return QToolBar::eventFilter(watched, event);
}

std::string AddressBar::Text(const std::vector<std::string>& known) const {
  return BytesOfShown(field_->currentText(), known);
}

void AddressBar::SetText(const std::string& path) { field_->setEditText(PathToQt(path)); }

void AddressBar::SetEntries(const std::vector<std::string>& entries) {
  const QString text = field_->currentText();
  const QSignalBlocker block(field_);
  field_->clear();
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (const std::string& entry : entries) texts.append(PathToQt(entry));
  field_->addItems(texts);
  field_->setEditText(text);
}

void AddressBar::ClearField() {
  field_->setEditText("");
  field_->setFocus();
}

}  // namespace krellix
