#pragma once

#include "printing/print_dialogs.h"

class QWidget;

namespace krellix {

class PrintDialog;

// The print commands' dialogs as windows: "Print" is PrintDialog, the printer's dialogs are
// Qt's print dialog (for setup with "OK" in place of "Print"), the font dialog Qt's, offering
// the scalable fonts a printer can draw.
class PrintWindows final : public PrintDialogs {
 public:
  PrintWindows(PrintDialog& options, QWidget* parent) : options_(options), parent_(parent) {}

  bool ShowPrintOptions(AppSettings& settings) override;
  bool ShowPrintDialog(QPrinter& printer) override;
  bool ShowPrinterSetup(QPrinter& printer) override;
  std::optional<FontFace> ChooseFont(const FontFace& font) override;

 private:
  PrintDialog& options_;
  QWidget* parent_;
};

}  // namespace krellix
