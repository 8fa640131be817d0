#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class QVideoWidget;

namespace krellix {

class PictureView;

// The preview pane: a bar (show/hide, "Print", "Copy", "Float", "Find", Play, Pause, Stop,
// "Skip intro") over a black display area. The display shows its caption ("No preview") until
// a picture, the read-only text view or a playing video covers it. The bar and the display
// form one body that the floating window borrows (TakeBody) and gives back (ReturnBody).
class PreviewPane final : public QWidget {
  Q_OBJECT

 public:
  enum class CaptionColour { kGrey, kPlaying };
  // The bar alone, when the pane is collapsed.
  static constexpr int kBarHeight = 25;
  // Open: as high as the pane is wide in a window of the designed size, plus the bar.
  static constexpr int kDesignedHeight = 196 + kBarHeight;

  explicit PreviewPane(QWidget* parent = nullptr);

  void SetCaption(const QString& text, CaptionColour colour = CaptionColour::kGrey);
  QString Caption() const;
  PictureView* Picture() const { return picture_; }
  QPlainTextEdit* Text() const { return text_; }
  QVideoWidget* Video() const { return video_; }
  QCheckBox* SkipIntro() const { return skip_intro_; }
  QToolButton* FloatButton() const { return float_; }
  // Shows one of the picture and the text view (or neither), hiding the other.
  enum class Showing { kCaption, kPicture, kText };
  void Show(Showing what);
  Showing Shown() const { return shown_; }
  // The show/hide button's picture: "hide" while the pane is open.
  void SetOpen(bool open);

  // The body (bar and display) leaves the pane for `host`'s layout, and comes back.
  QWidget* TakeBody();
  void ReturnBody();

 signals:
  void toggleRequested();
  void printRequested();
  void copyRequested();
  void floatRequested();
  void findRequested();
  void playRequested();
  void pauseRequested();
  void stopRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* body_ = nullptr;
  QWidget* bar_ = nullptr;
  QToolButton* toggle_ = nullptr;
  QToolButton* float_ = nullptr;
  QCheckBox* skip_intro_ = nullptr;
  QLabel* caption_ = nullptr;
  PictureView* picture_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QVideoWidget* video_ = nullptr;
  Showing shown_ = Showing::kCaption;
};

}  // namespace krellix
