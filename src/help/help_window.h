#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace krellix {

// The help window: the pages of the help folder in a browser, with a table of contents and a
// keyword index beside them, and Back, Forward and Contents buttons. The folder holds
// index.html (the first page) and contents.txt (the table of contents, see ParseHelpContents);
// the index comes from the keywords of the pages the contents list.
class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

  // Shows `page` (a file name in the folder, "#anchor" allowed); a missing page shows a note
  // that names the folder.
  void ShowPage(const QString& page);
  // Shows the page of a help topic number (HelpPageOf).
  void ShowTopic(int topic);
  // Shows the first page with the table of contents beside it.
  void ShowContents();

  // The page shown (empty while the note about missing pages shows).
  QUrl CurrentPage() const;
  QTreeWidget* Contents() const { return contents_; }
  QLineEdit* IndexField() const { return index_field_; }
  QListWidget* Index() const { return index_; }
  QTextBrowser* Browser() const { return browser_; }

 private:
  void LoadContents();
  void FilterIndex(const QString& text);
  void PageShown(const QUrl& url);

  QString folder_;
  QTabWidget* tabs_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* index_field_ = nullptr;
  QListWidget* index_ = nullptr;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace krellix
