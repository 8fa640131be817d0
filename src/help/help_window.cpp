#include "help/help_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "help/help_contents.h"
#include "help/help_topics.h"
#include "help/program_icon.h"

namespace krellix {
namespace {

constexpr int kPageRole = Qt::UserRole;

std::string ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

QString PageOf(const QUrl& url) { return QFileInfo(url.toLocalFile()).fileName(); }

}  // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder) {
  setWindowTitle(tr("Krellix - Help"));
  setWindowIcon(ProgramIcon());
  setObjectName("helpWindow");
  resize(900, 620);

  browser_ = new QTextBrowser;
  browser_->setObjectName("helpPage");
  browser_->setAccessibleName(tr("Help page"));
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({folder_});

  contents_ = new QTreeWidget;
  contents_->setObjectName("helpContents");
  contents_->setAccessibleName(tr("Contents"));
  contents_->header()->hide();
  index_field_ = new QLineEdit;
  index_field_->setObjectName("helpIndexField");
  index_field_->setAccessibleName(tr("Keyword to find in the index"));
  index_field_->setPlaceholderText(tr("Type a keyword"));
  index_field_->setClearButtonEnabled(true);
  index_ = new QListWidget;
  index_->setObjectName("helpIndex");
  index_->setAccessibleName(tr("Index"));
  auto* index_page = new QWidget;
  auto* index_layout = new QVBoxLayout(index_page);
  index_layout->setContentsMargins(0, 0, 0, 0);
  index_layout->addWidget(index_field_);
  index_layout->addWidget(index_);
  tabs_ = new QTabWidget;
  tabs_->addTab(contents_, tr("&Contents"));
  tabs_->addTab(index_page, tr("In&dex"));

  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(tabs_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  split->setSizes({240, 660});

  auto* tools = new QToolBar;
  QStyle* style = this->style();
  QAction* back = tools->addAction(style->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
  QAction* forward = tools->addAction(style->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
  QAction* home = tools->addAction(style->standardIcon(QStyle::SP_DirHomeIcon), tr("C&ontents"));
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tools);
  layout->addWidget(split, 1);

  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this, &HelpWindow::ShowContents);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::PageShown);
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(index_field_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
  const auto open_entry = [this](QListWidgetItem* item) {
    if (item != nullptr) ShowPage(item->data(kPageRole).toString());
  };
  connect(index_, &QListWidget::itemActivated, this, open_entry);
  connect(index_, &QListWidget::itemClicked, this, open_entry);
  connect(index_field_, &QLineEdit::returnPressed, this,
          [this, open_entry] { open_entry(index_->currentItem()); });

  LoadContents();
}

void HelpWindow::LoadContents() {
  const QDir dir(folder_);
  std::vector<QTreeWidgetItem*> parents;
  std::vector<HelpPage> pages;
  for (const ContentsEntry& e :
       ParseHelpContents(ReadText(dir.filePath(QString::fromUtf8(kHelpContentsFile))))) {
    const QString page = QString::fromStdString(e.page);
    QTreeWidgetItem* item = nullptr;
    // A level deeper than the one before hangs below the last entry of that level.
    const auto level = std::min<std::size_t>(static_cast<std::size_t>(e.level), parents.size());
    parents.resize(level);
    if (parents.empty()) {
      item = new QTreeWidgetItem(contents_);
    } else {
      item = new QTreeWidgetItem(parents.back());
    }
    item->setText(0, QString::fromStdString(e.title));
    item->setData(0, kPageRole, page);
    parents.push_back(item);
    const std::string html = ReadText(dir.filePath(page));
    if (!html.empty()) pages.push_back({e.page, html});
  }
  contents_->expandAll();

  for (const IndexEntry& e : BuildHelpIndex(pages)) {
    QString text = QString::fromStdString(e.keyword);
    if (e.shared) text += " - " + QString::fromStdString(e.title);
    auto* item = new QListWidgetItem(text, index_);
    item->setData(kPageRole, QString::fromStdString(e.page));
  }
}

void HelpWindow::ShowPage(const QString& page) {
  const QString file = page.section('#', 0, 0);
  const QString path = QDir(folder_).filePath(file);
  if (!QFileInfo::exists(path)) {
    browser_->clear();
    browser_->setHtml(
        tr("<h2>The help pages were not found</h2>"
           "<p>Krellix looked for <tt>%1</tt> in <tt>%2</tt>. The pages are "
           "installed with the program in <tt>share/krellix/help/</tt>, or lie "
           "beside it in a build folder.</p>")
            .arg(file.toHtmlEscaped(), QDir::toNativeSeparators(folder_).toHtmlEscaped()));
    setWindowTitle(tr("Krellix - Help"));
    return;
  }
  QUrl url = QUrl::fromLocalFile(path);
  if (page.contains('#')) url.setFragment(page.section('#', 1));
  // A click and a double click on the same entry show the page once.
  if (url != browser_->source()) browser_->setSource(url);
}

void HelpWindow::ShowTopic(int topic) { ShowPage(QString::fromStdString(HelpPageOf(topic))); }

void HelpWindow::ShowContents() {
  tabs_->setCurrentIndex(0);
  ShowPage(QString::fromUtf8(kHelpContentsPage));
}

QUrl HelpWindow::CurrentPage() const { return browser_->source(); }

void HelpWindow::FilterIndex(const QString& text) {
  QListWidgetItem* first = nullptr;
  for (int i = 0; i < index_->count(); ++i) {
    QListWidgetItem* item = index_->item(i);
    const bool match = item->text().contains(text, Qt::CaseInsensitive);
    item->setHidden(!match);
    if (match && first == nullptr) first = item;
  }
  if (first != nullptr) index_->setCurrentItem(first);
}

void HelpWindow::PageShown(const QUrl& url) {
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("Krellix - Help") : tr("Krellix - Help - %1").arg(title));
  // The contents follow the page, whichever way it was reached.
  const QString page = PageOf(url);
  for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
    if ((*it)->data(0, kPageRole).toString() == page) {
      contents_->setCurrentItem(*it);
      break;
    }
  }
}

}  // namespace krellix
