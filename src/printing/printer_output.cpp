#include "printing/printer_output.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/file_writer.h"
#include "widgets/qt_text.h"

namespace krellix {

std::string GetPrinterName(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()) {
    return FromQt(printer.printerName());
  }
  if (!printer.outputFileName().isEmpty()) return PathFromQt(printer.outputFileName());
  return "No default printer assigned";
}

bool PrintJobOn(QPrinter& printer, const QString& title,
                const std::function<bool(QPagedPaintDevice&)>& paint) {
  if (printer.outputFileName().isEmpty()) {
    // With no printer installed Qt falls back to PDF, with nowhere to write it.
    if (printer.outputFormat() == QPrinter::PdfFormat) return false;
    printer.setDocName(title);
    return paint(printer);
  }
  // The printer writes a file in place; a writer into memory with the printer's page and
  // resolution paints the same pages, and the file is replaced whole.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Krellix"));
    if (!paint(writer)) return false;
  }
  return WriteWholeFile(PathFromQt(printer.outputFileName()), pdf.data().toStdString()).Ok();
}

}  // namespace krellix
