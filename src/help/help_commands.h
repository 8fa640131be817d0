#pragma once

#include <QObject>
#include <QUrl>
#include <memory>
#include <string>

class QWidget;

namespace krellix {

class AboutDialog;
class CommandRegistry;
class HelpWindow;

// The "Help" menu's commands, the "Help (F1)" tool button, the help window and the About box.
//
// Every window of the program that offers help declares a signal `helpRequested(int topic)`;
// when such a window of the main window first shows, it is connected to ShowTopic, so the
// command groups that own those dialogs need not know the help window.
class HelpCommands final : public QObject {
  Q_OBJECT

 public:
  struct Context {
    // The main window: the owner of the dialogs whose help is connected.
    QWidget* window;
    // The help's first page (index.html); its folder holds every page. Read when help is
    // first shown.
    const std::string& help_index;
  };

  HelpCommands(Context context, QObject* parent);
  ~HelpCommands() override;

  // Registers "help.topics" (Alt+H), "help.jumpstart", "help.keyboard", "help.license",
  // "help.whats_new", "help.online", "help.about" and the tool button "help.button".
  void Register(CommandRegistry& commands);

  // The help window and the About box, made when first asked for.
  HelpWindow* Window();
  AboutDialog* About();

  // Shows the help window on its table of contents.
  void ShowContents();
  // Opens the help's first page in the desktop's browser; without pages, the help window says
  // where it looked.
  void OpenOnline();

 public slots:
  // Shows the help window on the page of `topic`, above a modal dialog when one is open.
  void ShowTopic(int topic);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Present();
  // The help pages' first page as a link.
  QUrl IndexUrl() const;

  Context ctx_;
  std::unique_ptr<HelpWindow> window_;
  AboutDialog* about_ = nullptr;
};

}  // namespace krellix
