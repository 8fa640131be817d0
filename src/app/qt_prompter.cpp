#include "app/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "widgets/qt_text.h"

namespace krellix {
namespace {

// Dialogs show the arrow even while a scan has the busy cursor up.
class ArrowCursor {
 public:
  ArrowCursor() : active_(QApplication::overrideCursor() != nullptr) {
    if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowCursor() {
    if (active_) QApplication::restoreOverrideCursor();
  }
  ArrowCursor(const ArrowCursor&) = delete;
  ArrowCursor& operator=(const ArrowCursor&) = delete;

 private:
  bool active_;
};

QString Title() { return QApplication::applicationName(); }

}  // namespace

QString DialogFilter(const std::string& filter) {
  QString text = ToQt(filter);
  if (!text.contains('|')) return text;
  const QStringList parts = text.split('|');
  QStringList entries;
  for (int i = 0; i < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    // A description that does not show its patterns gets them, for the dialog to read.
    if (!description.endsWith(')') && i + 1 < parts.size()) {
      description += " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    entries << description;
  }
  return entries.join(";;");
}

void QtPrompter::ShowMessage(MessageKind kind, const std::string& text) {
  ArrowCursor arrow;
  switch (kind) {
    case MessageKind::kInformation:
      QMessageBox::information(parent_, Title(), ToQt(text));
      break;
    case MessageKind::kWarning:
      QMessageBox::warning(parent_, Title(), ToQt(text));
      break;
    case MessageKind::kError:
      QMessageBox::critical(parent_, Title(), ToQt(text));
      break;
  }
}

Answer QtPrompter::Ask(const std::string& text, Buttons buttons) {
  ArrowCursor arrow;
  QMessageBox::StandardButtons offered = QMessageBox::Ok;
  switch (buttons) {
    case Buttons::kOk:
      offered = QMessageBox::Ok;
      break;
    case Buttons::kOkCancel:
      offered = QMessageBox::Ok | QMessageBox::Cancel;
      break;
    case Buttons::kYesNo:
      offered = QMessageBox::Yes | QMessageBox::No;
      break;
    case Buttons::kYesCancel:
      offered = QMessageBox::Yes | QMessageBox::Cancel;
      break;
    case Buttons::kYesNoCancel:
      offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
    case Buttons::kYesNoCancelAll:
      offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::YesToAll;
      break;
    case Buttons::kYesCancelAll:
      offered = QMessageBox::Yes | QMessageBox::Cancel | QMessageBox::YesToAll;
      break;
  }
  const auto answer = QMessageBox::question(parent_, Title(), ToQt(text), offered);
  switch (answer) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::YesToAll:
      return Answer::kYesToAll;
    case QMessageBox::Ok:
      return Answer::kOk;
    default:
      // Closing the box answers like its most careful button.
      return buttons == Buttons::kYesNo ? Answer::kNo
                                        : (buttons == Buttons::kOk ? Answer::kOk : Answer::kCancel);
  }
}

std::optional<std::string> QtPrompter::PickOpenFile(const std::string& title,
                                                    const std::string& start,
                                                    const std::string& filter) {
  ArrowCursor arrow;
  const QString chosen =
      QFileDialog::getOpenFileName(parent_, ToQt(title), PathToQt(start), DialogFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

std::optional<std::string> QtPrompter::PickSaveFile(const std::string& title,
                                                    const std::string& start,
                                                    const std::string& filter,
                                                    bool confirm_overwrite) {
  ArrowCursor arrow;
  // Mostly, replacing an existing file is the program's own question; else the dialog asks.
  const QString chosen = QFileDialog::getSaveFileName(
      parent_, ToQt(title), PathToQt(start), DialogFilter(filter), nullptr,
      confirm_overwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

std::optional<std::string> QtPrompter::PickDirectory(const std::string& title,
                                                     const std::string& start) {
  ArrowCursor arrow;
  const QString chosen = QFileDialog::getExistingDirectory(parent_, ToQt(title), PathToQt(start));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

void QtPrompter::ProcessEvents() {
  // Long loops ask at every directory; handling events (and repainting) that often would cost
  // more than the work itself. Twenty times a second keeps the window live and Stop prompt.
  if (since_events_.isValid() && since_events_.elapsed() < kEventStepMs) return;
  QCoreApplication::processEvents();
  since_events_.restart();
}

}  // namespace krellix
