#include "help/help_commands.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QMetaMethod>
#include <QStyle>

#include "help/about_dialog.h"
#include "help/help_topics.h"
#include "help/help_window.h"
#include "widgets/command_registry.h"

namespace krellix {
namespace {

bool BelongsTo(const QWidget* widget, const QWidget* window) {
  for (const QWidget* w = widget->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (w == window) return true;
  }
  return false;
}

}  // namespace

HelpCommands::HelpCommands(Context context, QObject* parent) : QObject(parent), ctx_(context) {
  qApp->installEventFilter(this);
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::Register(CommandRegistry& commands) {
  QAction* topics = commands.Add("help.topics", tr("&Help Topics"), QKeySequence("Alt+H"),
                                 [this] { ShowContents(); });
  topics->setToolTip(tr("Help topics (F1)"));
  commands.Add("help.jumpstart", tr("Jumpstart"), {}, [this] { ShowTopic(kJumpstartTopic); });
  commands.Add("help.keyboard", tr("Keyboard"), {}, [this] { ShowTopic(kKeyboardTopic); });
  commands.Add("help.license", tr("&License"), {}, [this] { ShowTopic(kLicenseTopic); });
  commands.Add("help.whats_new", tr("&What's new"), {}, [this] { ShowTopic(kWhatsNewTopic); });
  commands.Add("help.online", tr("Online Help"), {}, [this] { OpenOnline(); });
  QAction* about = commands.Add("help.about", tr("&About..."), {}, [this] { About()->exec(); });
  about->setToolTip(tr("About"));
  QAction* button =
      commands.Add("help.button", tr("Help (F1)"), {}, [this] { ShowTopic(kJumpstartTopic); });
  button->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogHelpButton));
  button->setToolTip(tr("Help (F1)"));
}

HelpWindow* HelpCommands::Window() {
  if (window_ == nullptr) {
    window_ = std::make_unique<HelpWindow>(
        QFileInfo(QString::fromStdString(ctx_.help_index)).absolutePath());
    // The help window does not keep the program running once the main window is closed.
    window_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  return window_.get();
}

AboutDialog* HelpCommands::About() {
  if (about_ == nullptr)
    about_ = new AboutDialog(IndexUrl(), tr("Krellix help pages"), ctx_.window);
  return about_;
}

void HelpCommands::ShowContents() {
  Window()->ShowContents();
  Present();
}

void HelpCommands::ShowTopic(int topic) {
  Window()->ShowTopic(topic);
  Present();
}

void HelpCommands::OpenOnline() {
  if (!QFileInfo::exists(QString::fromStdString(ctx_.help_index)) ||
      !QDesktopServices::openUrl(IndexUrl())) {
    ShowContents();
  }
}

QUrl HelpCommands::IndexUrl() const {
  return QUrl::fromLocalFile(QString::fromStdString(ctx_.help_index));
}

void HelpCommands::Present() {
  HelpWindow* w = window_.get();
  // A modal dialog blocks every other window; help asked for from it must stand above it.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted =
      modal != nullptr && modal != w ? Qt::ApplicationModal : Qt::NonModal;
  if (w->windowModality() != wanted) {
    w->hide();
    w->setWindowModality(wanted);
  }
  w->show();
  w->raise();
  w->activateWindow();
}

bool HelpCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (!widget->isWindow() || !BelongsTo(widget, ctx_.window)) return false;
  const QMetaObject* meta = widget->metaObject();
  const int signal = meta->indexOfSignal("helpRequested(int)");
  if (signal < 0) return false;
  const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("ShowTopic(int)"));
  connect(widget, meta->method(signal), this, slot, Qt::UniqueConnection);
  return false;
}

}  // namespace krellix
