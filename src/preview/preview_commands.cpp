#include "preview/preview_commands.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QImageReader>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextDocument>
#include <QThreadPool>
#include <QToolButton>
#include <QVideoWidget>

#include "itemlist/item_list.h"
#include "platform/file_reader.h"
#include "platform/prompter.h"
#include "preview/find_dialog.h"
#include "preview/media_player.h"
#include "preview/picture_view.h"
#include "preview/preview_pane.h"
#include "preview/preview_types.h"
#include "preview/preview_window.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

// Pictures larger than this on a side are decoded at this size: the pane never shows more, and
// a huge file must not hold memory and time.
constexpr int kDecodeSide = 2048;
// Picture files are read whole before decoding; beyond this they are refused.
constexpr std::size_t kPictureFileLimit = std::size_t{512} << 20;
// The media stage starts this far in while "Skip intro" is ticked.
constexpr qint64 kIntroMs = 30000;

QString SizeText(QSize size) {
  return QString::number(size.width()) + " x " + QString::number(size.height());
}

}  // namespace

PreviewCommands::PreviewCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {
  // The player first: it picks the multimedia backend, which Qt fixes at the first multimedia
  // object, the pane's video widget included.
  player_ = new MediaPlayer(this);
  pane_ = new PreviewPane;
  window_ = new PreviewWindow(ctx_.window);
  player_->SetVideoWidget(pane_->Video());
  player_->SetCaptionSink([this](const std::string& text, MediaPlayer::CaptionKind kind) {
    pane_->SetCaption(ToQt(text), kind == MediaPlayer::CaptionKind::kPlaying
                                      ? PreviewPane::CaptionColour::kPlaying
                                      : PreviewPane::CaptionColour::kGrey);
  });
  pane_->SkipIntro()->setChecked(ctx_.skip_intro);
  connect(pane_->SkipIntro(), &QCheckBox::toggled, this, [this](bool on) { ctx_.skip_intro = on; });
  connect(pane_, &PreviewPane::toggleRequested, this, [this] { Toggle(); });
  connect(pane_, &PreviewPane::floatRequested, this, [this] { FloatOrDock(); });
  connect(window_, &PreviewWindow::dockRequested, this, [this] {
    if (Floating()) FloatOrDock();
  });
  connect(pane_, &PreviewPane::copyRequested, this, [this] { Copy(); });
  connect(pane_, &PreviewPane::findRequested, this, [this] { Find(); });
  connect(pane_, &PreviewPane::printRequested, this, [this] { Print(); });
  connect(pane_, &PreviewPane::pauseRequested, this, [this] { player_->Pause(); });
  connect(pane_, &PreviewPane::stopRequested, this, [this] { player_->Stop(); });
  connect(pane_, &PreviewPane::playRequested, this, [this] {
    if (player_->Paused()) {
      player_->Resume();
    } else if (!player_->Playing() && !medium_.empty()) {
      PlayMedia(medium_);
    }
  });
  connect(pane_->Picture(), &PictureView::zoomed, this,
          [this](QSize size) { ctx_.show_status(FromQt(SizeText(size))); });
}

// The pane lives in the floating window or the directory panel and goes with its parent.
// Pending decodes find this object gone and drop their pictures.
PreviewCommands::~PreviewCommands() { latest_->store(-1); }

void PreviewCommands::Register(CommandRegistry& commands) {
  show_preview_ = commands.Add("view.preview", "Show Preview", QKeySequence("Ctrl+Alt+V"), [] {});
  show_preview_->setCheckable(true);
  connect(show_preview_, &QAction::triggered, this, [this](bool on) {
    ctx_.show_preview = on;
    SetPreview();
  });
  commands.Add("items.view_text", "(pre)View as text", {}, [this] { ViewAsText(); });
}

void PreviewCommands::ApplySetting() {
  if (show_preview_ != nullptr) show_preview_->setChecked(ctx_.show_preview);
  pane_->SetOpen(ctx_.show_preview);
  ctx_.set_pane_height(ctx_.show_preview ? save_height_ : PreviewPane::kBarHeight);
  pane_->SkipIntro()->setChecked(ctx_.skip_intro);
}

bool PreviewCommands::Floating() const { return window_->isVisible(); }

void PreviewCommands::OpenPane() {
  if (ctx_.pane_height() <= PreviewPane::kBarHeight) ctx_.set_pane_height(save_height_);
}

void PreviewCommands::StopPreview() {
  latest_->store(++ticket_);
  player_->Stop();
  pane_->SetCaption("No preview");
  pane_->Picture()->Clear();
  pane_->Text()->clear();
  pane_->Show(PreviewPane::Showing::kCaption);
}

void PreviewCommands::ViewFile(const std::string& full_name, bool force_text) {
  if (opening_) {
    // A medium is opening; the newest request is served once it has.
    waiting_ = {full_name, force_text};
    return;
  }
  if (!ctx_.show_preview) {
    StopPreview();
    ctx_.set_pane_height(PreviewPane::kBarHeight);
    return;
  }
  OpenPane();
  StopPreview();
  switch (PreviewKindOf(full_name, force_text)) {
    case PreviewKind::kPicture:
      ShowPicture(full_name);
      break;
    case PreviewKind::kText:
      ShowText(full_name);
      break;
    case PreviewKind::kMedia:
      PlayMedia(full_name);
      break;
    case PreviewKind::kNone:
      break;
  }
}

void PreviewCommands::ShowPicture(const std::string& full_name) {
  pane_->SetCaption("Loading...");
  if (!Floating()) ctx_.show_tree_page();
  const int ticket = ++ticket_;
  latest_->store(ticket);
  QPointer<PreviewCommands> self(this);
  QThreadPool::globalInstance()->start([self, ticket, latest = latest_, full_name] {
    // Lines passed over while the keys move on are not decoded at all.
    if (latest->load() != ticket) return;
    std::string bytes;
    std::uint64_t size = 0;
    QImage image;
    QSize natural;
    if (ReadFileStart(full_name, kPictureFileLimit, bytes, size) && size == bytes.size()) {
      QByteArray data = QByteArray::fromStdString(bytes);
      QBuffer buffer(&data);
      buffer.open(QIODevice::ReadOnly);
      QImageReader reader(&buffer);
      reader.setAutoTransform(true);
      natural = reader.size();
      if (natural.width() > kDecodeSide || natural.height() > kDecodeSide) {
        reader.setScaledSize(natural.scaled(kDecodeSide, kDecodeSide, Qt::KeepAspectRatio));
      }
      image = reader.read();
      if (!natural.isValid()) natural = image.size();
    }
    QMetaObject::invokeMethod(
        qApp,
        [self, ticket, image, natural] {
          if (self) self->PictureLoaded(ticket, image, natural);
        },
        Qt::QueuedConnection);
  });
}

void PreviewCommands::PictureLoaded(int ticket, const QImage& image, QSize natural) {
  if (ticket != ticket_) return;
  if (image.isNull()) {
    pane_->Picture()->Clear();
    pane_->SetCaption("Invalid graphic");
    return;
  }
  pane_->SetCaption("");
  pane_->Picture()->SetPicture(image, natural);
  pane_->Show(PreviewPane::Showing::kPicture);
  ShowSize(SizeText(natural));
}

void PreviewCommands::ShowSize(const QString& size) {
  ctx_.show_status(FromQt(size));
  window_->SetCaption(size);
}

void PreviewCommands::ShowText(const std::string& full_name) {
  pane_->SetCaption("Loading...");
  if (!Floating()) ctx_.show_tree_page();
  const std::optional<TextPreview> text = ReadTextPreview(full_name);
  if (!text) {
    pane_->Text()->clear();
    pane_->SetCaption("No preview");
    return;
  }
  QString shown = QString::fromUtf8(text->bytes);
  if (text->cut) shown += "\n" + ToQt(text->Note());
  pane_->Text()->setPlainText(shown);
  pane_->Show(PreviewPane::Showing::kText);
}

void PreviewCommands::PlayMedia(const std::string& full_name) {
  OpenPane();
  if (!Floating()) ctx_.show_tree_page();
  pane_->Show(PreviewPane::Showing::kCaption);
  medium_ = full_name;
  opening_ = true;
  player_->Play(full_name, ctx_.skip_intro ? kIntroMs : 0);
  opening_ = false;
  if (waiting_) {
    const auto [name, force_text] = *std::exchange(waiting_, std::nullopt);
    ViewFile(name, force_text);
  }
}

void PreviewCommands::Toggle() {
  ctx_.show_preview = !ctx_.show_preview;
  if (show_preview_ != nullptr) show_preview_->setChecked(ctx_.show_preview);
  SetPreview();
}

void PreviewCommands::SetPreview() {
  pane_->SetOpen(ctx_.show_preview);
  if (ctx_.show_preview) {
    ctx_.set_pane_height(save_height_);
    const std::int64_t current = ctx_.items.Current();
    if (ctx_.items_tab_showing() && current >= 0 &&
        static_cast<std::size_t>(current) < ctx_.items.Count() &&
        ctx_.items.IsItem(static_cast<std::size_t>(current))) {
      ViewFile(GetItemListFilename(ctx_.items, static_cast<std::size_t>(current)), false);
    }
    return;
  }
  StopPreview();
  if (ctx_.pane_height() > PreviewPane::kBarHeight) save_height_ = ctx_.pane_height();
  ctx_.set_pane_height(PreviewPane::kBarHeight);
}

void PreviewCommands::PaneResized(int height) {
  ctx_.show_preview = height >= PreviewPane::kBarHeight + 1;
  if (ctx_.show_preview) save_height_ = height;
  if (show_preview_ != nullptr) show_preview_->setChecked(ctx_.show_preview);
  pane_->SetOpen(ctx_.show_preview);
}

void PreviewCommands::ResetHeight() {
  save_height_ = PreviewPane::kDesignedHeight;
  ctx_.set_pane_height(ctx_.show_preview ? save_height_ : PreviewPane::kBarHeight);
}

void PreviewCommands::ViewAsText() {
  const std::int64_t current = ctx_.items.Current();
  if (current < 0 || static_cast<std::size_t>(current) >= ctx_.items.Count() ||
      !ctx_.items.IsItem(static_cast<std::size_t>(current))) {
    return;
  }
  const bool was = std::exchange(ctx_.show_preview, true);
  ctx_.show_tree_page();
  ViewFile(GetItemListFilename(ctx_.items, static_cast<std::size_t>(current)), true);
  ctx_.show_preview = was;
}

void PreviewCommands::FloatOrDock() {
  if (player_->Playing() || player_->Paused()) player_->Close();
  if (!Floating()) {
    pane_->FloatButton()->setText("Dock");
    pane_->Picture()->FitToView();
    window_->Open(pane_->TakeBody());
  } else {
    pane_->FloatButton()->setText("Float");
    window_->Close();
    pane_->ReturnBody();
  }
}

void PreviewCommands::Copy() {
  if (pane_->Shown() == PreviewPane::Showing::kPicture) {
    QApplication::clipboard()->setImage(pane_->Picture()->Picture());
  } else if (pane_->Shown() == PreviewPane::Showing::kText) {
    pane_->Text()->selectAll();
    pane_->Text()->copy();
  }
}

void PreviewCommands::Find() {
  if (pane_->Shown() != PreviewPane::Showing::kText) return;
  if (find_ == nullptr) {
    find_ = new FindDialog(ctx_.window);
    connect(find_, &FindDialog::findNext, this,
            [this](const QString& text, bool whole_word, bool match_case) {
              FindNext(text, whole_word, match_case);
            });
  }
  find_->Open(pane_->Text()->textCursor().selectedText());
}

bool PreviewCommands::FindNext(const QString& text, bool whole_word, bool match_case) {
  QPlainTextEdit* view = pane_->Text();
  QTextDocument::FindFlags flags;
  // A whole-word search ignores letter case.
  if (whole_word) {
    flags |= QTextDocument::FindWholeWords;
  } else if (match_case) {
    flags |= QTextDocument::FindCaseSensitively;
  }
  QTextCursor from = view->textCursor();
  from.setPosition(from.selectionEnd());
  const QTextCursor found = view->document()->find(text, from, flags);
  if (found.isNull()) {
    ctx_.prompter.ShowMessage(MessageKind::kInformation, FromQt(text) + " - Not Found");
    return false;
  }
  view->setTextCursor(found);
  return true;
}

void PreviewCommands::Print() {
  if (!Floating() && ctx_.pane_height() < PreviewPane::kBarHeight + 1) {
    ctx_.prompter.ShowMessage(MessageKind::kInformation, "No visible (preview) text or image.");
    return;
  }
  if (pane_->Shown() == PreviewPane::Showing::kPicture && ctx_.print_image) {
    ctx_.print_image(pane_->Picture()->Picture());
  } else if (pane_->Shown() == PreviewPane::Showing::kText && ctx_.print_text) {
    ctx_.print_text(pane_->Text());
  }
}

}  // namespace krellix
