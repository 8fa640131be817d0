#include "printing/printer_target.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "printing/printer_output.h"
#include "widgets/qt_font.h"
#include "widgets/qt_text.h"

namespace krellix {

PrinterMetrics PrinterTarget::Metrics() {
  const QFontMetrics x(ToQFont(font_), &printer_);
  return {printer_.width(), printer_.height(), x.horizontalAdvance(QLatin1Char('X')), x.height()};
}

bool PrinterTarget::Print(const PrintDocument& document) {
  return PrintJobOn(printer_, ToQt(document.title), [&](QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(ToQFont(font_));
    painter.setPen(ColorOf(font_));
    // The lines give the top of their text; the painter writes on the base line.
    const int ascent = painter.fontMetrics().ascent();
    bool first = true;
    for (const PrintPage& page : document.pages) {
      if (!first && !device.newPage()) {
        painter.end();
        return false;
      }
      first = false;
      for (const PrintLine& line : page) {
        painter.drawText(line.x, line.y + ascent, PathToQt(line.text));
      }
    }
    return painter.end();
  });
}

std::string PrinterTarget::Name() { return GetPrinterName(printer_); }

}  // namespace krellix
