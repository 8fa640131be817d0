#include "preview/media_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "itemlist/item_click.h"
#include "platform/file_reader.h"
#include "preview/play_time.h"

namespace krellix {
namespace {

// How long WaitForChange waits for the player at most: the play position and the stop
// request are looked at this often.
constexpr int kPollMs = 50;
// A backend that never finishes opening a file must not hold the window forever.
constexpr qint64 kOpenLimitMs = 10000;
// How often the play position is shown while playing.
constexpr int kTickMs = 250;

}  // namespace

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {
  // FFmpeg carries its own decoders; the GStreamer backend needs a set of plugins that many
  // systems lack, and fails hard without them. A backend the user chose is kept. Qt picks
  // the backend once, at the first multimedia object (a video widget included).
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

QMediaPlayer* MediaPlayer::Player() {
  if (player_ != nullptr) return player_;
  player_ = new QMediaPlayer(this);
  // Without a sound device the FFmpeg backend of Qt 6.4 writes to an audio sink that does not
  // exist and crashes; then the player goes without sound (a video still shows).
  if (!QMediaDevices::defaultAudioOutput().isNull()) {
    audio_ = new QAudioOutput(this);
    player_->setAudioOutput(audio_);
  }
  player_->setVideoOutput(video_);
  connect(player_, &QMediaPlayer::positionChanged, this, [this] { ShowPosition(); });
  // Some backends report the position seldom; the caption is refreshed a few times a second.
  tick_ = new QTimer(this);
  tick_->setInterval(kTickMs);
  connect(tick_, &QTimer::timeout, this, [this] { ShowPosition(); });
  connect(player_, &QMediaPlayer::errorOccurred, this, [this] { Failed(); });
  connect(player_, &QMediaPlayer::hasVideoChanged, this, [this](bool video) {
    if (video_ != nullptr) video_->setVisible(video);
  });
  connect(player_, &QMediaPlayer::playbackStateChanged, this,
          [this](QMediaPlayer::PlaybackState state) {
            if (state == QMediaPlayer::PlayingState) {
              tick_->start();
            } else {
              tick_->stop();
            }
            if (state != QMediaPlayer::StoppedState) return;
            if (video_ != nullptr) video_->hide();
            if (!failed_) ShowCaption("No preview", CaptionKind::kIdle);
          });
  return player_;
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::SetVideoWidget(QWidget* video) {
  video_ = video;
  if (player_ != nullptr) player_->setVideoOutput(video);
  if (video_ != nullptr) video_->hide();
}

bool MediaPlayer::Play(const std::string& full_name, qint64 start_ms) {
  Stop();
  failed_ = false;
  ShowCaption("Loading...", CaptionKind::kIdle);
  {
    // The player's own errors do not tell an unreadable file from an unplayable one. Only a
    // regular file is opened at all: a FIFO would wait for a writer.
    std::string none;
    std::uint64_t size = 0;
    if (!ReadFileStart(full_name, 0, none, size)) {
      failed_ = true;
      ShowCaption("Load failed.", CaptionKind::kIdle);
      return false;
    }
  }
  Player()->setSource(QUrl::fromEncoded(QByteArray::fromStdString(LocalFileUrl(full_name))));
  QElapsedTimer opening;
  opening.start();
  while (!failed_ && player_->mediaStatus() == QMediaPlayer::LoadingMedia &&
         opening.elapsed() < kOpenLimitMs) {
    WaitForChange();
  }
  const QMediaPlayer::MediaStatus status = player_->mediaStatus();
  if (!failed_ && (status == QMediaPlayer::InvalidMedia || status == QMediaPlayer::NoMedia ||
                   status == QMediaPlayer::LoadingMedia)) {
    Failed();
  }
  // Sound alone cannot play without a sound device: its clock would never move, and a Play run
  // would wait on it for ever.
  if (!failed_ && audio_ == nullptr && !player_->hasVideo()) Failed();
  if (failed_) return false;
  if (start_ms > 0) player_->setPosition(start_ms);
  player_->play();
  return !failed_;
}

bool MediaPlayer::Playing() const {
  return !failed_ && player_ != nullptr && player_->playbackState() == QMediaPlayer::PlayingState;
}

bool MediaPlayer::Paused() const {
  return !failed_ && player_ != nullptr && player_->playbackState() == QMediaPlayer::PausedState;
}

void MediaPlayer::Pause() {
  if (Playing()) player_->pause();
}

void MediaPlayer::Resume() {
  if (Paused()) player_->play();
}

void MediaPlayer::Stop() {
  Close();
  failed_ = false;
  ShowCaption("No preview", CaptionKind::kIdle);
}

void MediaPlayer::Close() {
  if (player_ != nullptr) {
    player_->stop();
    player_->setSource(QUrl());
  }
  if (video_ != nullptr) video_->hide();
}

void MediaPlayer::WaitForChange() {
  Player();
  QEventLoop loop;
  connect(player_, &QMediaPlayer::playbackStateChanged, &loop, &QEventLoop::quit);
  connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, &QEventLoop::quit);
  connect(player_, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
  QTimer::singleShot(kPollMs, &loop, &QEventLoop::quit);
  loop.exec();
}

void MediaPlayer::ShowCaption(const std::string& text, CaptionKind kind) {
  shown_ = text;
  if (caption_) caption_(text, kind);
}

void MediaPlayer::ShowPosition() {
  if (failed_ || player_->playbackState() != QMediaPlayer::PlayingState) return;
  ShowCaption(PlayTimeText(player_->position(), player_->duration()), CaptionKind::kPlaying);
}

void MediaPlayer::Failed() {
  failed_ = true;
  if (player_ != nullptr) player_->stop();
  if (video_ != nullptr) video_->hide();
  ShowCaption("Play failed.", CaptionKind::kIdle);
}

}  // namespace krellix
