#include "navigation/edit_list_dialog.h"

#include <QDialogButtonBox>
#include <QHash>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "widgets/qt_text.h"

namespace krellix {

EditListDialog::EditListDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Edit");
  setObjectName("editWindow");
  auto* layout = new QVBoxLayout(this);
  editor_ = new QPlainTextEdit;
  editor_->setObjectName("editor");
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(editor_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(560, 400);
}

void EditListDialog::SetLines(const std::vector<std::string>& lines) {
  original_ = lines;
  QStringList shown;
  for (const std::string& line : lines) shown << PathToQt(line);
  editor_->setPlainText(shown.join('\n'));
  editor_->setFocus();
}

std::vector<std::string> EditListDialog::Lines() const {
  QStringList shown = editor_->toPlainText().split('\n');
  if (!shown.isEmpty() && shown.back().isEmpty()) shown.removeLast();
  // A list can be long: each shown line finds its original by hash, not by search.
  QHash<QString, const std::string*> originals;
  for (const std::string& line : original_) originals.insert(PathToQt(line), &line);
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(shown.size()));
  for (const QString& line : shown) {
    const auto found = originals.constFind(line);
    lines.push_back(found != originals.cend() ? **found : PathFromQt(line));
  }
  return lines;
}

std::optional<std::vector<std::string>> EditListDialog::Edit(
    const std::vector<std::string>& lines) {
  SetLines(lines);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Lines();
}

}  // namespace krellix
