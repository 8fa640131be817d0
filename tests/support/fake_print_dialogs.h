#pragma once

#include <QPrinter>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "printing/print_dialogs.h"

namespace krellix::test {

// Answers the print commands' dialogs without windows: OK (or Cancel) everywhere; the print
// and setup dialogs point the printer at the PDF file `pdf` when it is set.
class FakePrintDialogs final : public PrintDialogs {
 public:
  std::string pdf;
  bool ok = true;
  // What the user changes in the "Print" dialog before OK.
  std::function<void(AppSettings&)> edit_options;
  // The font dialog's choice; nothing: cancelled.
  std::optional<FontFace> font;
  // The dialogs shown, in order.
  std::vector<std::string> shown;

  bool ShowPrintOptions(AppSettings& settings) override {
    shown.push_back("Print");
    if (ok && edit_options) edit_options(settings);
    return ok;
  }
  bool ShowPrintDialog(QPrinter& printer) override {
    shown.push_back("print dialog");
    return Choose(printer);
  }
  bool ShowPrinterSetup(QPrinter& printer) override {
    shown.push_back("printer setup");
    return Choose(printer);
  }
  std::optional<FontFace> ChooseFont(const FontFace& /*font*/) override {
    shown.push_back("font");
    return font;
  }

 private:
  bool Choose(QPrinter& printer) const {
    if (ok && !pdf.empty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf));
    }
    return ok;
  }
};

}  // namespace krellix::test
