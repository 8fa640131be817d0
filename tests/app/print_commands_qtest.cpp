// Printing from the running window to PDF files, read back with pdftotext: the item list as a
// report and as a list, the log, the preview's picture and text; Stop during a report; a
// printer that cannot print; the printer font and setup; the direct print button's hint.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QToolTip>
#include <QtTest>
#include <fstream>
#include <memory>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "base/product_info.h"
#include "itemlist/item_list_view.h"
#include "platform/scripted_prompter.h"
#include "printing/print_commands.h"
#include "printing/printer_target.h"
#include "support/fake_print_dialogs.h"
#include "support/item_lines.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::LogTexts;

namespace {

const char* kProgram = "/opt/krellix/krellix";

// The output of a poppler tool run on `pdf`.
QString Poppler(const QString& tool, QStringList args) {
  QProcess process;
  process.start(tool, args);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF file as `pdftotext -layout` lays them out.
QStringList PdfPages(const std::string& pdf) {
  QStringList pages =
      Poppler("pdftotext", {"-layout", QString::fromStdString(pdf), "-"}).split('\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

QString ItemName(int i) { return QString("file%1.txt").arg(i, 3, 10, QChar('0')); }

// A window started in a temporary home whose printer writes the PDF file `pdf`, with its
// dialogs scripted.
struct PrintingWindow {
  test::TempHome home;
  ScriptedPrompter prompter;
  test::FakePrintDialogs dialogs;
  std::unique_ptr<MainWindow> form;
  PrintCommands* printing = nullptr;
  std::string pdf;

  void Start() {
    form = std::make_unique<MainWindow>(std::vector<std::string>{kProgram, "-i"}, &prompter);
    printing = form->findChild<PrintCommands*>();
    QVERIFY(printing != nullptr);
    printing->SetDialogs(&dialogs);
    pdf = home.tree.Path("out.pdf");
    dialogs.pdf = pdf;
    printing->Printer().setOutputFormat(QPrinter::PdfFormat);
    printing->Printer().setOutputFileName(QString::fromStdString(pdf));
    form->Items().Clear();
  }
  // Items "file001.txt" ... in the directory "/data/" on the volume "DATA", each of i bytes.
  void AddItems(int count) {
    for (int i = 1; i <= count; ++i) {
      test::AddTestLine(form->Items(),
                        ": | DATA | /data/ | " + ItemName(i).toStdString() + " | " +
                            std::to_string(i) + " | 2024-01-02 03:04",
                        ItemOrder::kPath);
    }
    form->ListTabs()->ItemView()->Refresh();
  }
  void Select(std::initializer_list<int> numbers) {
    for (int i : numbers) form->Items().SetSelected(static_cast<std::size_t>(i - 1), true);
    form->ListTabs()->ItemView()->RefreshSelection();
  }
  PrinterEnvironment Environment() {
    PrinterTarget target(printing->Printer(), form->Settings().PrinterFont);
    return SetPrinterEnvironment(target.Metrics());
  }
  std::vector<std::string> Log() const { return LogTexts(form->Log().Lines()); }
};

int CountItems(const QString& page) {
  return page.count(QRegularExpression("file\\d\\d\\d\\.txt"));
}

}  // namespace

class PrintCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void aReportHasItsHeaderColumnsAndNumberedPages();
  void aListPrintsTheSelectedItemsOneALine();
  void printDialogChoosesTheStyleAndPrintsEveryItem();
  void theLogPrintsWithItsOwnPrintLine();
  void stopCancelsTheReportAndLeavesTheFileAlone();
  void aPrinterThatCannotPrintIsReported();
  void thePreviewsPictureAndTextPrint();
  void printerFontAndSetup();
  void theDirectPrintButtonShowsThePrinterEvenWithHintsOff();
};

void PrintCommandsTest::initTestCase() {
  QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
           "pdftotext is missing: install poppler-utils (scripts/install-deps.sh)");
}

void PrintCommandsTest::aReportHasItsHeaderColumnsAndNumberedPages() {
  PrintingWindow w;
  w.Start();
  const PrinterEnvironment env = w.Environment();
  QVERIFY(env.prLines > 20);
  // Page 1: the header (lines 1 to 3), a blank line and the heading, then items from line 6 to
  // line prLines - 6. Later pages: items from line 1 to prLines - 6.
  const int first_page = env.prLines - 11;
  const int full_page = env.prLines - 6;
  const int count = first_page + full_page + 3;
  w.AddItems(count);

  w.form->Command("print.direct")->trigger();
  const QStringList pages = PdfPages(w.pdf);
  QCOMPARE(pages.size(), 3);
  // pdftotext shows a run of blanks as one.
  QVERIFY(pages[0].startsWith(QString("- Krellix Version 1.2.2 -- ") + kCopyright + "\n"));
  QVERIFY(pages[0].contains("\n- File printed on: "));
  QCOMPARE(pages[0].count("[DATA] /data/"), 1);
  QCOMPARE(CountItems(pages[0]), first_page);
  QCOMPARE(CountItems(pages[1]), full_page);
  QCOMPARE(CountItems(pages[2]), 3);
  QVERIFY(pages[0].contains("_____________") && pages[0].contains("Page - 1"));
  QVERIFY(pages[1].contains("Page - 2"));
  QVERIFY(!pages[2].contains("_____________") && !pages[2].contains("Page - "));
  // The header and the heading are on the first page only.
  QVERIFY(!pages[1].contains("printed on") && !pages[1].contains("[DATA]"));

  // Name, size and date stand in columns of their own, the same on every line.
  for (const QString& page : pages) {
    int name_at = -1, date_at = -1;
    for (const QString& line : page.split('\n')) {
      const auto m =
          QRegularExpression("(file(\\d\\d\\d)\\.txt) +(\\d+) +(2024-01-02 03:04)$").match(line);
      if (!m.hasMatch()) continue;
      QCOMPARE(m.captured(3).toInt(), m.captured(2).toInt());
      if (name_at < 0) {
        name_at = m.capturedStart(1);
        date_at = m.capturedStart(4);
      }
      QCOMPARE(m.capturedStart(1), name_at);
      QCOMPARE(m.capturedStart(4), date_at);
      QVERIFY(m.capturedEnd(3) < date_at);
    }
    QVERIFY(name_at >= 0);
  }
  const auto log = w.Log();
  QCOMPARE(log[log.size() - 2], std::string("Print=Report"));
  QCOMPARE(log.back(), "Print_count=" + std::to_string(count));
  QCOMPARE(w.form->StatusText(), QString("Print_count=%1").arg(count));
  QVERIFY(!w.form->Settings().PrintAllItems);
  QCOMPARE(w.printing->Environment(), env);
  QVERIFY(w.dialogs.shown.empty());
}

void PrintCommandsTest::aListPrintsTheSelectedItemsOneALine() {
  PrintingWindow w;
  w.Start();
  w.form->Settings().PrintReport = false;
  w.form->Settings().PrintList = true;
  w.AddItems(5);
  w.Select({2, 4});
  QAction* print = w.form->Command("items.print");
  QCOMPARE(print->shortcut(), QKeySequence("Ctrl+P"));
  print->trigger();

  const QStringList pages = PdfPages(w.pdf);
  QCOMPARE(pages.size(), 1);
  QVERIFY(pages[0].contains("DATA | /data/file002.txt | 2 | 2024-01-02 03:04 |"));
  QVERIFY(pages[0].contains("DATA | /data/file004.txt | 4 | 2024-01-02 03:04 |"));
  QCOMPARE(CountItems(pages[0]), 2);
  QVERIFY(!pages[0].contains("Page - "));
  const auto log = w.Log();
  QCOMPARE(log[log.size() - 2], std::string("Print=List"));
  QCOMPARE(log.back(), std::string("Print_count=2"));
}

void PrintCommandsTest::printDialogChoosesTheStyleAndPrintsEveryItem() {
  PrintingWindow w;
  w.Start();
  w.AddItems(3);
  w.Select({1});
  w.dialogs.pdf = w.home.tree.Path("chosen.pdf");

  // Cancel in the "Print" dialog prints nothing.
  w.dialogs.ok = false;
  w.form->Command("print.print")->trigger();
  QVERIFY(!QFile::exists(QString::fromStdString(w.dialogs.pdf)));
  QCOMPARE(test::CountStarting(w.Log(), "Print="), 0);

  w.dialogs.ok = true;
  w.dialogs.shown.clear();
  w.dialogs.edit_options = [](AppSettings& s) {
    s.PrintReport = false;
    s.PrintList = true;
    s.output.ListVolume = false;
  };
  w.form->Command("print.print")->trigger();
  QCOMPARE(w.dialogs.shown, (std::vector<std::string>{"Print", "print dialog"}));
  const QStringList pages = PdfPages(w.dialogs.pdf);
  QCOMPARE(pages.size(), 1);
  for (int i = 1; i <= 3; ++i) {
    QVERIFY(
        pages[0].contains(QString("/data/%1 | %2 | 2024-01-02 03:04 |").arg(ItemName(i)).arg(i)));
  }
  QVERIFY(!pages[0].contains("DATA"));
  QCOMPARE(w.Log().back(), std::string("Print_count=3"));
  // The printer chosen in the print dialog is the direct print button's printer.
  QCOMPARE(w.form->Command("print.direct")->toolTip(), QString::fromStdString(w.dialogs.pdf));
}

void PrintCommandsTest::theLogPrintsWithItsOwnPrintLine() {
  PrintingWindow w;
  w.Start();
  const std::size_t before = w.form->Log().Lines().size();
  w.form->Command("log.print")->trigger();

  const QStringList pages = PdfPages(w.pdf);
  QVERIFY(!pages.isEmpty());
  const QString text = pages.join('\n');
  QVERIFY(pages[0].contains("- Log printed on: "));
  QVERIFY(text.contains("Initialization=Complete"));
  QVERIFY(text.contains("Print=Log"));
  QCOMPARE(w.Log().back(), "Lines_Printed=" + std::to_string(before + 1));
  // The log's context menu offers the command.
  bool offered = false;
  for (QMenu* menu : w.form->ListTabs()->LogView()->findChildren<QMenu*>()) {
    offered = offered || menu->actions().contains(w.form->Command("log.print"));
  }
  QVERIFY(offered);
  QVERIFY(w.form->Command("log.print")->isEnabled());
}

void PrintCommandsTest::stopCancelsTheReportAndLeavesTheFileAlone() {
  PrintingWindow w;
  w.Start();
  w.AddItems(10);
  w.form->Settings().PrintList = true;  // a stopped report stops the list as well
  std::ofstream(w.pdf) << "an earlier print";
  const int polls = w.prompter.event_polls;
  w.prompter.on_process_events = [&w, polls] {
    if (w.prompter.event_polls == polls + 3) w.form->Command("scan.stop")->trigger();
  };
  w.form->Command("print.direct")->trigger();

  QCOMPARE(test::ReadWholeFile(w.pdf), std::string("an earlier print"));
  QCOMPARE(w.form->StatusText(), QString("Print cancelled"));
  const auto log = w.Log();
  QCOMPARE(std::vector<std::string>(log.end() - 3, log.end()),
           (std::vector<std::string>{"Print=Report", "ESC_or_STOP_pressed=Yes", "Print_count=3"}));
  QVERIFY(!w.printing->Running());
}

void PrintCommandsTest::aPrinterThatCannotPrintIsReported() {
  PrintingWindow w;
  w.Start();
  w.AddItems(2);
  // What a machine without printers offers: PDF output to no file.
  w.printing->Printer().setOutputFileName(QString());
  w.printing->Printer().setOutputFormat(QPrinter::PdfFormat);
  QCOMPARE(w.printing->GetPrinterName(), std::string("No default printer assigned"));
  w.form->Command("print.direct")->trigger();
  QVERIFY(test::WasShown(w.prompter, "Cannot print on: No default printer assigned"));
  QCOMPARE(w.Log().back(), std::string("Print_Failed=No default printer assigned"));
}

void PrintCommandsTest::thePreviewsPictureAndTextPrint() {
  PrintingWindow w;
  w.Start();
  QImage picture(300, 100, QImage::Format_RGB32);
  picture.fill(Qt::red);

  w.dialogs.ok = false;
  w.printing->PrintImage(picture);
  QVERIFY(!QFile::exists(QString::fromStdString(w.pdf)));

  w.dialogs.ok = true;
  w.printing->PrintImage(picture);
  QCOMPARE(w.dialogs.shown, (std::vector<std::string>{"printer setup", "printer setup"}));
  // One picture of 300 × 100 pixels, drawn as wide as the page and as many pixels an inch
  // across as down: its shape is kept.
  const QStringList images =
      Poppler("pdfimages", {"-list", QString::fromStdString(w.pdf)}).split('\n').filter("image");
  QCOMPARE(images.size(), 1);
  const QStringList cols = images[0].simplified().split(' ');
  QCOMPARE(cols.value(3), QString("300"));
  QCOMPARE(cols.value(4), QString("100"));
  QCOMPARE(cols.value(12), cols.value(13));
  QVERIFY(Poppler("pdfinfo", {QString::fromStdString(w.pdf)})
              .contains(QRegularExpression("Pages: +1\n")));

  QPlainTextEdit view;
  view.setPlainText("The previewed text\nwith a second line");
  w.printing->PrintText(*view.document());
  const QStringList pages = PdfPages(w.pdf);
  QCOMPARE(pages.size(), 1);
  QVERIFY(pages[0].contains("The previewed text"));
  QVERIFY(pages[0].contains("with a second line"));
  QVERIFY(Poppler("pdfinfo", {QString::fromStdString(w.pdf)})
              .contains(QRegularExpression("Title: +Krellix item print")));
}

void PrintCommandsTest::printerFontAndSetup() {
  PrintingWindow w;
  w.Start();
  const FontFace before = w.form->Settings().PrinterFont;
  QCOMPARE(before.family, std::string("Courier"));
  w.form->Command("print.font")->trigger();  // cancelled
  QCOMPARE(w.form->Settings().PrinterFont, before);
  FontFace chosen = before;
  chosen.family = "DejaVu Sans Mono";
  chosen.point_size = 14;
  w.dialogs.font = chosen;
  w.form->Command("print.font")->trigger();
  QCOMPARE(w.form->Settings().PrinterFont, chosen);
  // A larger font gives fewer lines a page.
  QVERIFY(w.Environment().prLines <
          SetPrinterEnvironment(PrinterTarget(w.printing->Printer(), before).Metrics()).prLines);

  w.dialogs.pdf = w.home.tree.Path("setup.pdf");
  w.form->Command("print.setup")->trigger();
  QCOMPARE(w.form->Command("print.direct")->toolTip(), QString::fromStdString(w.dialogs.pdf));
  QCOMPARE(w.printing->GetPrinterName(), w.dialogs.pdf);
}

void PrintCommandsTest::theDirectPrintButtonShowsThePrinterEvenWithHintsOff() {
  PrintingWindow w;
  w.Start();
  w.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
  QVERIFY(!w.form->Settings().ShowHints);
  w.form->Command("print.setup")->trigger();
  const auto tip_of = [](const char* button_name, QWidget* form) {
    auto* button = form->findChild<QWidget*>(button_name);
    if (button == nullptr) return QString("<no button>");
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  // Hints off: the save button shows none, the direct print button its printer.
  QCOMPARE(tip_of("saveButton", w.form.get()), QString());
  QCOMPARE(tip_of("directPrintButton", w.form.get()), QString::fromStdString(w.pdf));
  w.form->Settings().ShowHints = true;
  QCOMPARE(tip_of("saveButton", w.form.get()), QString("Save item list to file"));
}

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_qtest.moc"
