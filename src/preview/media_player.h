#pragma once

#include <QObject>
#include <functional>
#include <string>

class QAudioOutput;
class QMediaPlayer;
class QTimer;
class QWidget;

namespace krellix {

// The sound and video player of the preview pane, on Qt Multimedia. It plays one file at a
// time and reports what it shows through a caption: "Loading..." while a file opens, the play
// position while it plays, "Load failed." when the file cannot be read, "Play failed." when it
// cannot be opened or played, and "No preview" once playback has stopped.
class MediaPlayer final : public QObject {
 public:
  enum class CaptionKind { kIdle, kPlaying };
  using CaptionSink = std::function<void(const std::string& text, CaptionKind kind)>;

  explicit MediaPlayer(QObject* parent = nullptr);
  ~MediaPlayer() override;

  // Where the caption goes; and the widget video is drawn into (shown only while a video
  // plays), or nullptr for sound only.
  void SetCaptionSink(CaptionSink sink) { caption_ = std::move(sink); }
  void SetVideoWidget(QWidget* video);

  // Closes what was playing, opens `full_name` (waiting for the open to finish) and starts
  // playing it `start_ms` milliseconds in. False, with the failure in the caption, when it
  // does not play.
  bool Play(const std::string& full_name, qint64 start_ms = 0);
  // True while the player reports that it is playing.
  bool Playing() const;
  // Pausing keeps the file open at its position; Resume plays on from there.
  bool Paused() const;
  void Pause();
  void Resume();
  // Stops playback and closes the file; the caption shows "No preview".
  void Stop();
  // As Stop, but a failure stays in the caption.
  void Close();
  // Handles pending user-interface events, returning once the player's state changed or a
  // short while passed, so a caller polling Playing() does not spin.
  void WaitForChange();

  // The caption last shown, for tests and the pane.
  const std::string& Caption() const { return shown_; }

 private:
  // The Qt player, made at the first file played.
  QMediaPlayer* Player();
  void ShowCaption(const std::string& text, CaptionKind kind);
  void ShowPosition();
  void Failed();

  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
  QTimer* tick_ = nullptr;
  QWidget* video_ = nullptr;
  CaptionSink caption_;
  std::string shown_ = "No preview";
  bool failed_ = false;
};

}  // namespace krellix
