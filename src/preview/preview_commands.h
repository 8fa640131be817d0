#pragma once

#include <QImage>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "preview/preview_pane.h"

class QAction;
class QPlainTextEdit;
class QWidget;

namespace krellix {

class CommandRegistry;
class FindDialog;
class ItemList;
class MediaPlayer;
class PreviewWindow;
class Prompter;

// The preview of the item list's current file: the pane under the directory tree, its
// floating window "Krellix - View", "Show Preview" (Ctrl+Alt+V) and "(pre)View as text". It
// owns the pane, the window and the media player that "Play" uses as well.
class PreviewCommands final : public QObject {
  Q_OBJECT

 public:
  struct Context {
    ItemList& items;
    bool& show_preview;
    bool& skip_intro;
    Prompter& prompter;
    QWidget* window;  // the parent of the floating window and the find dialog
    std::function<void(const std::string&)> show_status;
    // The left panel shows its "Tree" page; and whether the item list's "Items" tab shows.
    std::function<void()> show_tree_page;
    std::function<bool()> items_tab_showing;
    // The pane's height under the tree, and setting it.
    std::function<int()> pane_height;
    std::function<void(int)> set_pane_height;
    // Printing the picture or the text shown; empty while there is no printing.
    std::function<void(const QImage&)> print_image;
    std::function<void(QPlainTextEdit*)> print_text;
  };

  PreviewCommands(Context context, QObject* parent);
  ~PreviewCommands() override;

  // Registers "view.preview" and "items.view_text".
  void Register(CommandRegistry& commands);
  // The check mark and the pane's height as the setting says, at start-up and after the
  // configuration changed.
  void ApplySetting();

  PreviewPane* Pane() const { return pane_; }
  PreviewWindow* Window() const { return window_; }
  MediaPlayer& Player() const { return *player_; }
  bool Floating() const;

  // Shows `full_name`: a picture, a text or a playing medium by its extension; `force_text`
  // shows any file but a media file as text.
  void ViewFile(const std::string& full_name, bool force_text);
  // Stops playback and empties the display: "No preview".
  void StopPreview();
  // Opens or collapses the pane as "Show Preview" says; opening previews the current line.
  void SetPreview();
  // The user dragged the pane to `height`.
  void PaneResized(int height);
  // "Reset windowsize": the pane's open height back to its designed value, and applied.
  void ResetHeight();
  // "(pre)View as text" of the current line.
  void ViewAsText();
  // The floating window's "Float" / "Dock".
  void FloatOrDock();
  // The pane's "Copy", "Find" and "Print".
  void Copy();
  void Find();
  void Print();
  // The find dialog's "Find Next": true when a match was selected.
  bool FindNext(const QString& text, bool whole_word, bool match_case);

 private:
  void Toggle();
  void ShowPicture(const std::string& full_name);
  void PictureLoaded(int ticket, const QImage& image, QSize natural);
  void ShowText(const std::string& full_name);
  void PlayMedia(const std::string& full_name);
  void OpenPane();
  void ShowSize(const QString& size);

  Context ctx_;
  PreviewPane* pane_ = nullptr;
  PreviewWindow* window_ = nullptr;
  MediaPlayer* player_ = nullptr;
  FindDialog* find_ = nullptr;
  QAction* show_preview_ = nullptr;
  int save_height_ = PreviewPane::kDesignedHeight;
  // Picture decodes run off the window thread; only the newest one's result is shown, and a
  // decode that has not started when a newer one is asked for does not start.
  int ticket_ = 0;
  std::shared_ptr<std::atomic<int>> latest_ = std::make_shared<std::atomic<int>>(0);
  // A file asked for while a medium opens waits for the open to finish.
  bool opening_ = false;
  std::optional<std::pair<std::string, bool>> waiting_;
  // The last medium shown, for the Play button.
  std::string medium_;
};

}  // namespace krellix
