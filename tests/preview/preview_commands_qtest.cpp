// The preview pane in the running window: pictures (PNG, TIFF, a damaged one), text (a large
// file cut short), sound, zoom, copy, find, "(pre)View as text", floating and docking, and
// "Show Preview" collapsing the pane.
#include <QAction>
#include <QApplication>
#include <QAudioDevice>
#include <QClipboard>
#include <QImage>
#include <QMediaDevices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <fstream>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/directory_panel.h"
#include "preview/media_player.h"
#include "preview/picture_view.h"
#include "preview/preview_commands.h"
#include "preview/preview_pane.h"
#include "preview/preview_window.h"
#include "support/scanned_window.h"

using namespace krellix;

namespace {

using Rig = test::ScannedWindow;

void WritePicture(const std::string& path, const char* format, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  QVERIFY(image.save(QString::fromStdString(path), format));
}

// One second of silence as a 16-bit mono WAV file.
void WriteWav(const std::string& path) {
  const std::uint32_t rate = 8000;
  const std::uint32_t data = rate * 2;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&out](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&out](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + data);
  out << "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  out << "data";
  u32(data);
  out << std::string(data, '\0');
}

// Makes the named file the clicked current line.
void Click(Rig& rig, const char* name) {
  rig.Select({name});
  ItemListView* view = rig.form->ListTabs()->ItemView();
  const int row = static_cast<int>(rig.form->Items().Current());
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualRect(view->model()->index(row, 0)).center());
}

PreviewPane* Pane(Rig& rig) { return rig.form->findChild<PreviewPane*>("previewPane"); }

}  // namespace

class PreviewCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void picturesTextAndZoom();
  void textIsCutFindsAndCopies();
  void floatsDocksAndCollapses();
  void soundPlaysPausesAndStops();
};

void PreviewCommandsTest::picturesTextAndZoom() {
  Rig rig;
  const std::string dir = rig.home.tree.Dir("p");
  WritePicture(dir + "/photo.PnG", "PNG", 800, 600);
  WritePicture(dir + "/scan.tif", "TIFF", 64, 48);
  rig.home.tree.File("p/broken.jpg", 100);
  rig.home.tree.File("p/plain.txt", 5);
  rig.Start(dir);
  rig.form->Settings().ShowPreview = true;
  PreviewPane* pane = Pane(rig);
  QVERIFY(pane != nullptr);

  Click(rig, "photo.PnG");
  QTRY_VERIFY(pane->Picture()->isVisible());
  QCOMPARE(rig.form->StatusText(), QString("800 x 600"));
  // Scaled down to fit, then zoomed in by a tenth per step up to its own size.
  const QSize fitted = pane->Picture()->ControlSize();
  QVERIFY(fitted.width() < 800);
  QVERIFY(pane->Picture()->Zoom(true));
  QCOMPARE(pane->Picture()->ControlSize(),
           QSize(fitted.width() * 11 / 10, fitted.height() * 11 / 10));
  QCOMPARE(rig.form->StatusText(),
           QString("%1 x %2").arg(fitted.width() * 11 / 10).arg(fitted.height() * 11 / 10));
  while (pane->Picture()->Zoom(true)) {
  }
  QVERIFY(pane->Picture()->ControlSize().width() >= 800);

  Click(rig, "scan.tif");
  QTRY_COMPARE(rig.form->StatusText(), QString("64 x 48"));
  QCOMPARE(pane->Picture()->ControlSize(), QSize(64, 48));  // never enlarged

  Click(rig, "broken.jpg");
  QTRY_COMPARE(pane->Caption(), QString("Invalid graphic"));
  QVERIFY(!pane->Picture()->isVisible());

  // "(pre)View as text" shows a picture's bytes as text.
  Click(rig, "photo.PnG");
  QTRY_VERIFY(pane->Picture()->isVisible());
  rig.form->Command("items.view_text")->trigger();
  QVERIFY(pane->Text()->isVisible());
  QVERIFY(pane->Text()->toPlainText().contains("PNG"));
  QVERIFY(!pane->Picture()->isVisible());
}

void PreviewCommandsTest::textIsCutFindsAndCopies() {
  Rig rig;
  const std::string dir = rig.home.tree.Dir("t");
  std::ofstream(dir + "/notes.txt") << "Alpha beta alphabet\nGamma alpha\n";
  std::ofstream(dir + "/big.log") << std::string(2'000'000, 'x');
  rig.Start(dir);
  rig.form->Settings().ShowPreview = true;
  PreviewPane* pane = Pane(rig);
  PreviewCommands* preview = rig.form->findChild<PreviewCommands*>();
  QVERIFY(preview != nullptr);

  Click(rig, "big.log");
  QVERIFY(pane->Text()->isVisible());
  QVERIFY(pane->Text()->toPlainText().endsWith(
      "(only the first 1,048,576 of 2,000,000 bytes are shown)"));

  Click(rig, "notes.txt");
  QTextCursor start = pane->Text()->textCursor();
  start.setPosition(0);
  pane->Text()->setTextCursor(start);
  // A word at the very start is found; the whole-word search ignores case and skips "alphabet".
  QVERIFY(preview->FindNext("alpha", true, false));
  QCOMPARE(pane->Text()->textCursor().selectionStart(), 0);
  QVERIFY(preview->FindNext("alpha", true, false));
  QCOMPARE(pane->Text()->textCursor().selectionStart(), 26);
  QVERIFY(!preview->FindNext("alpha", true, false));
  QCOMPARE(rig.prompter.messages.back().text, std::string("alpha - Not Found"));
  start.setPosition(0);
  pane->Text()->setTextCursor(start);
  QVERIFY(preview->FindNext("Gamma", false, true));
  QVERIFY(!preview->FindNext("gamma", false, true));

  preview->Copy();
  QCOMPARE(QApplication::clipboard()->text(), QString("Alpha beta alphabet\nGamma alpha\n"));
}

void PreviewCommandsTest::floatsDocksAndCollapses() {
  Rig rig;
  const std::string dir = rig.home.tree.Dir("f");
  WritePicture(dir + "/a.png", "PNG", 40, 30);
  rig.Start(dir);
  rig.form->Settings().ShowPreview = true;
  PreviewPane* pane = Pane(rig);
  PreviewWindow* window = rig.form->findChild<PreviewWindow*>("previewWindow");
  QVERIFY(window != nullptr);

  Click(rig, "a.png");
  QTRY_VERIFY(pane->Picture()->isVisible());
  pane->FloatButton()->click();
  QVERIFY(window->isVisible());
  QCOMPARE(pane->FloatButton()->text(), QString("Dock"));
  QVERIFY(window->isAncestorOf(pane->Picture()));
  Click(rig, "a.png");
  QTRY_COMPARE(window->Caption(), QString("40 x 30"));
  // Closing the window docks the pane.
  window->close();
  QVERIFY(!window->isVisible());
  QCOMPARE(pane->FloatButton()->text(), QString("Float"));
  QVERIFY(pane->isAncestorOf(pane->Picture()));

  // "Show Preview" off collapses the pane to its bar and empties it; on opens it again.
  rig.form->Command("view.preview")->trigger();
  QVERIFY(!rig.form->Settings().ShowPreview);
  QCOMPARE(rig.form->DirectoryTabs()->PreviewHeight(), PreviewPane::kBarHeight);
  QCOMPARE(pane->Caption(), QString("No preview"));
  rig.form->Command("view.preview")->trigger();
  QVERIFY(rig.form->Settings().ShowPreview);
  QVERIFY(rig.form->DirectoryTabs()->PreviewHeight() > PreviewPane::kBarHeight);
  QTRY_VERIFY(pane->Picture()->isVisible());
}

void PreviewCommandsTest::soundPlaysPausesAndStops() {
  Rig rig;
  const std::string dir = rig.home.tree.Dir("s");
  WriteWav(dir + "/tone.wav");
  rig.Start(dir);
  rig.form->Settings().ShowPreview = true;
  PreviewPane* pane = Pane(rig);
  MediaPlayer& player = rig.form->findChild<PreviewCommands*>()->Player();

  Click(rig, "tone.wav");
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    // No sound device: the file is reported, not left "playing" at 00:00:00 for ever.
    QCOMPARE(pane->Caption(), QString("Play failed."));
    QVERIFY(!player.Playing());
    return;
  }
  QTRY_VERIFY(player.Playing());
  QTRY_VERIFY(pane->Caption().contains(" - 00:00:01"));
  pane->findChild<QToolButton*>("previewPause")->click();
  QTRY_VERIFY(player.Paused());
  pane->findChild<QToolButton*>("previewPlay")->click();
  QTRY_VERIFY(player.Playing() || pane->Caption() == "No preview");
  pane->findChild<QToolButton*>("previewStop")->click();
  QTRY_COMPARE(pane->Caption(), QString("No preview"));
  QVERIFY(!player.Playing());
}

QTEST_MAIN(PreviewCommandsTest)
#include "preview_commands_qtest.moc"
