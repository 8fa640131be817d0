#pragma once

#include "printing/print_job.h"
#include "settings/app_settings.h"

class QPrinter;

namespace krellix {

// The text prints' view of a Qt printer: its page and the printer font measured on it, and
// the jobs painted on it in that font.
class PrinterTarget final : public PrintTarget {
 public:
  PrinterTarget(QPrinter& printer, const FontFace& font) : printer_(printer), font_(font) {}

  PrinterMetrics Metrics() override;
  bool Print(const PrintDocument& document) override;
  std::string Name() override;

 private:
  QPrinter& printer_;
  FontFace font_;
};

}  // namespace krellix
