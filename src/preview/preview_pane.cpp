#include "preview/preview_pane.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVideoWidget>

#include "preview/picture_view.h"

namespace krellix {
namespace {

QToolButton* BarButton(const QString& caption, const char* name, const QString& hint,
                       QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(caption);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QToolButton* MediaButton(QStyle::StandardPixmap icon, const char* name, const QString& hint,
                         QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(QApplication::style()->standardIcon(icon));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent) {
  setObjectName("previewPane");
  setMinimumHeight(kBarHeight);
  // The pane takes the width the panel gives it, and asks for none of its own.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  // While the body floats in its own window, the pane's place stays dark, not blank.
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet("#previewPane { background: black; }");
  body_ = new QWidget(this);
  body_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  // The body paints its own background, so the bar does not take the pane's dark one.
  body_->setAutoFillBackground(true);
  body_->setObjectName("previewBody");

  bar_ = new QWidget(body_);
  bar_->setObjectName("previewBar");
  bar_->setFixedHeight(kBarHeight);
  // The bar never widens the panel it sits in; what does not fit is cut off at the right.
  bar_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  bar_->setMinimumWidth(0);
  bar_->installEventFilter(this);
  toggle_ = new QToolButton(bar_);
  toggle_->setObjectName("previewToggle");
  toggle_->setToolTip("Show / hide preview");
  toggle_->setAutoRaise(true);
  toggle_->setFocusPolicy(Qt::NoFocus);
  SetOpen(true);
  auto* print = BarButton("Print", "previewPrint", "Print the picture or text shown", bar_);
  auto* copy = BarButton("Copy", "previewCopy", "Copy the picture or text shown", bar_);
  float_ = BarButton("Float", "previewFloat", "Show preview in separate window", bar_);
  auto* find = BarButton("Find", "previewFind", "Find in the text shown", bar_);
  auto* play = MediaButton(QStyle::SP_MediaPlay, "previewPlay", "Play", bar_);
  auto* pause = MediaButton(QStyle::SP_MediaPause, "previewPause", "Pause", bar_);
  auto* stop = MediaButton(QStyle::SP_MediaStop, "previewStop", "Stop", bar_);
  skip_intro_ = new QCheckBox("Skip intro", bar_);
  skip_intro_->setObjectName("skipIntro");
  skip_intro_->setFocusPolicy(Qt::NoFocus);
  auto* bar_layout = new QHBoxLayout(bar_);
  bar_layout->setContentsMargins(0, 0, 0, 0);
  bar_layout->setSpacing(0);
  for (QWidget* w : std::initializer_list<QWidget*>{toggle_, print, copy, float_, find, play, pause,
                                                    stop, skip_intro_}) {
    bar_layout->addWidget(w);
  }
  bar_layout->addStretch(1);

  auto* display = new QWidget(body_);
  display->setObjectName("previewDisplay");
  display->setAutoFillBackground(true);
  display->setStyleSheet("#previewDisplay { background: black; }");
  caption_ = new QLabel("No preview", display);
  caption_->setObjectName("previewCaption");
  caption_->setAlignment(Qt::AlignCenter);
  SetCaption("No preview");
  picture_ = new PictureView(display);
  text_ = new QPlainTextEdit(display);
  text_->setObjectName("previewText");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The selection stays visible when the view loses the focus.
  QPalette keep = text_->palette();
  keep.setColor(QPalette::Inactive, QPalette::Highlight,
                keep.color(QPalette::Active, QPalette::Highlight));
  keep.setColor(QPalette::Inactive, QPalette::HighlightedText,
                keep.color(QPalette::Active, QPalette::HighlightedText));
  text_->setPalette(keep);
  video_ = new QVideoWidget(display);
  video_->setObjectName("previewVideo");
  // All four lie in one cell; the caption shows where nothing covers it.
  auto* stack = new QGridLayout(display);
  stack->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{caption_, picture_, text_, video_}) {
    stack->addWidget(w, 0, 0);
  }
  picture_->hide();
  text_->hide();
  video_->hide();

  auto* body_layout = new QVBoxLayout(body_);
  body_layout->setContentsMargins(0, 0, 0, 0);
  body_layout->setSpacing(0);
  body_layout->addWidget(bar_);
  body_layout->addWidget(display, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(body_);

  connect(toggle_, &QToolButton::clicked, this, &PreviewPane::toggleRequested);
  connect(print, &QToolButton::clicked, this, &PreviewPane::printRequested);
  connect(copy, &QToolButton::clicked, this, &PreviewPane::copyRequested);
  connect(float_, &QToolButton::clicked, this, &PreviewPane::floatRequested);
  connect(find, &QToolButton::clicked, this, &PreviewPane::findRequested);
  connect(play, &QToolButton::clicked, this, &PreviewPane::playRequested);
  connect(pause, &QToolButton::clicked, this, &PreviewPane::pauseRequested);
  connect(stop, &QToolButton::clicked, this, &PreviewPane::stopRequested);
}

void PreviewPane::SetCaption(const QString& text, CaptionColour colour) {
  caption_->setText(text);
  caption_->setStyleSheet(colour == CaptionColour::kPlaying ? "color: rgb(255, 69, 0);"
                                                            : "color: grey;");
}

QString PreviewPane::Caption() const { return caption_->text(); }

void PreviewPane::Show(Showing what) {
  shown_ = what;
  picture_->setVisible(what == Showing::kPicture);
  text_->setVisible(what == Showing::kText);
}

void PreviewPane::SetOpen(bool open) { toggle_->setArrowType(open ? Qt::DownArrow : Qt::UpArrow); }

QWidget* PreviewPane::TakeBody() {
  layout()->removeWidget(body_);
  return body_;
}

void PreviewPane::ReturnBody() {
  body_->setParent(this);
  layout()->addWidget(body_);
  body_->show();
}

bool PreviewPane::eventFilter(QObject* watched, QEvent* event) {
  // A click on the bar itself, not on one of its buttons, acts as the show/hide button.
  if (watched == bar_ && event->type() == QEvent::MouseButtonRelease) {
    emit toggleRequested();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace krellix
