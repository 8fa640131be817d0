#pragma once

#include <optional>

#include "settings/app_settings.h"

class QPrinter;

namespace krellix {

// The dialogs of the print commands. The windows implement them; tests script them.
class PrintDialogs {
 public:
  virtual ~PrintDialogs() = default;
  // The "Print" dialog on `settings`; true on OK, with its six values stored.
  virtual bool ShowPrintOptions(AppSettings& settings) = 0;
  // The platform's print dialog for `printer`; true on OK, with the printer as chosen.
  virtual bool ShowPrintDialog(QPrinter& printer) = 0;
  // The platform's printer setup for `printer`; true on OK, with the printer as chosen.
  virtual bool ShowPrinterSetup(QPrinter& printer) = 0;
  // A font dialog preset to `font`: the chosen font, or nothing when cancelled.
  virtual std::optional<FontFace> ChooseFont(const FontFace& font) = 0;
};

}  // namespace krellix
