#pragma once

#include <QString>
#include <functional>
#include <string>

class QPagedPaintDevice;
class QPrinter;

namespace krellix {

// The current printer's name: its device name, the file it prints to, or "No default printer
// assigned" when it has neither.
std::string GetPrinterName(const QPrinter& printer);

// Runs one print job titled `title` on `printer`: `paint` begins and ends its own painter on
// the device it is given and says whether that worked. A job printed to a file is painted in
// memory first and replaces the file only once complete, so a failed job leaves an earlier
// file as it was. False when the printer could not take the job.
bool PrintJobOn(QPrinter& printer, const QString& title,
                const std::function<bool(QPagedPaintDevice&)>& paint);

}  // namespace krellix
