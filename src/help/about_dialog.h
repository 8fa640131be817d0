#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;

namespace krellix {

// The About box: the program's picture, its version and copyright, and a link that opens in the
// desktop's browser. Any other click and any key close it.
class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  // `link` is the page the link opens; `link_text` is what it shows.
  AboutDialog(const QUrl& link, const QString& link_text, QWidget* parent = nullptr);

  QLabel* Link() const { return link_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* link_ = nullptr;
};

}  // namespace krellix
