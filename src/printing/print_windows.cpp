#include "printing/print_windows.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPushButton>

#include "printing/print_dialog.h"
#include "widgets/qt_font.h"

namespace krellix {
namespace {

// Every print job prints all its pages, so the dialog offers no page range.
void NoPageRange(QPrintDialog& dialog) {
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
}

}  // namespace

bool PrintWindows::ShowPrintOptions(AppSettings& settings) { return options_.Execute(settings); }

bool PrintWindows::ShowPrintDialog(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  NoPageRange(dialog);
  return dialog.exec() == QDialog::Accepted;
}

bool PrintWindows::ShowPrinterSetup(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  dialog.setWindowTitle("Printer Setup");
  NoPageRange(dialog);
  // Setting up prints nothing, so the dialog's button says what it does.
  for (auto* box : dialog.findChildren<QDialogButtonBox*>()) {
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText("OK");
  }
  return dialog.exec() == QDialog::Accepted;
}

std::optional<FontFace> PrintWindows::ChooseFont(const FontFace& font) {
  bool ok = false;
  const QFont chosen =
      QFontDialog::getFont(&ok, ToQFont(font), parent_, QString(), QFontDialog::ScalableFonts);
  if (!ok) return std::nullopt;
  return FromQFont(chosen, font);
}

}  // namespace krellix
