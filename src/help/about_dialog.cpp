#include "help/about_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "base/product_info.h"
#include "help/program_icon.h"

namespace krellix {

AboutDialog::AboutDialog(const QUrl& link, const QString& link_text, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("About Krellix"));
  setObjectName("aboutDialog");

  auto* picture = new QLabel;
  picture->setObjectName("aboutPicture");
  picture->setPixmap(ProgramPicture(128));
  picture->setAccessibleName(tr("Krellix"));

  auto* name = new QLabel("Krellix");
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  name->setFont(big);
  auto* version = new QLabel(QString(" ") + kVersion + " ");
  version->setObjectName("aboutVersion");
  auto* copyright = new QLabel(QString(kCopyright) + " ");
  copyright->setObjectName("aboutCopyright");
  link_ = new QLabel(
      QString("<a href=\"%1\">%2</a>")
          .arg(link.toString(QUrl::FullyEncoded).toHtmlEscaped(), link_text.toHtmlEscaped()));
  link_->setObjectName("aboutLink");
  link_->setTextFormat(Qt::RichText);
  // Keys close the box, so the link takes only the mouse.
  link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  link_->setOpenExternalLinks(true);
  auto* hint = new QLabel(tr("Click anywhere or press any key to close."));
  hint->setEnabled(false);

  auto* words = new QVBoxLayout;
  words->addWidget(name);
  words->addWidget(version);
  words->addWidget(copyright);
  words->addSpacing(8);
  words->addWidget(link_);
  words->addStretch(1);
  words->addWidget(hint);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(20, 20, 20, 20);
  layout->setSpacing(20);
  layout->addWidget(picture, 0, Qt::AlignTop);
  layout->addLayout(words);
  setFixedSize(sizeHint());
}

void AboutDialog::mousePressEvent(QMouseEvent* event) {
  event->accept();
  accept();
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
  event->accept();
  accept();
}

}  // namespace krellix
