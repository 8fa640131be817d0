#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "printing/print_job.h"

class QAction;
class QImage;
class QPrinter;
class QTextDocument;
class QWidget;

namespace krellix {

class ActivityLog;
class Clock;
class CommandRegistry;
class ItemList;
class PrintDialog;
class PrintDialogs;
class Prompter;
struct AppSettings;
struct LocaleFormat;
struct ScanState;

// Printing: "&Print..." (Alt+P), "Printer &Setup", "Printer &Font", "Print selected items"
// (Ctrl+P), the tool bar's direct print button and the log's "Print log"; the "Print" dialog;
// and the printing of the preview's picture or text. All print on one current printer, which
// the print and setup dialogs choose.
class PrintCommands final : public QObject {
  Q_OBJECT

 public:
  struct Context {
    ItemList& items;
    // The printer font, the print style (report and/or list), PrintAllItems and the columns.
    AppSettings& settings;
    std::string& header1;  // the "printed on" line of the last print
    ScanState& state;      // the stop request
    ActivityLog& log;
    Prompter& prompter;
    const Clock& clock;
    const LocaleFormat& locale;
    QWidget* window;  // parent of the dialogs
    std::function<void(const std::string&)> show_status;
    std::function<std::string()> scan_text;
    std::string window_title;
    std::string copyright;
    // After each print: the focus goes back to the scan string box where it shows.
    std::function<void()> after_print;
    // The commands that start a run are off while a print handles events.
    std::function<void(bool)> enable_run_commands;
    // True while another run handles events: no print starts then.
    std::function<bool()> busy;
    // A print is over (a close asked for meanwhile may go ahead).
    std::function<void()> after_run;
  };

  PrintCommands(Context context, QObject* parent);
  ~PrintCommands() override;

  // Registers "print.print", "print.setup", "print.font", "items.print" (one or more selected),
  // "print.direct" (hint: the printer's name, shown even while hints are off) and "log.print",
  // taking over the place a menu may already show for it.
  void Register(CommandRegistry& commands);

  // The preview's picture: after the printer setup (Cancel ends), one page with the picture
  // as large as the page allows, from its top left corner.
  void PrintImage(const QImage& image);
  // The preview's text: after the printer setup (Cancel ends), the document prints itself as
  // one job titled "Krellix item print".
  void PrintText(QTextDocument& document);

  // "&Print...": the "Print" dialog, then the print dialog, then every item.
  void Print1Click();
  // "Print selected items": the selected items, without a dialog.
  void PrintSelectedItems();
  // The direct print button: every item, without a dialog.
  void DirectPrint();
  // "Printer &Setup": the printer setup; the direct print button then names the printer.
  void PrinterSetup1Click();
  // "Printer &Font" and the "Print" dialog's "Font": a font dialog preset to the printer font,
  // which takes the chosen font.
  void PrinterFont1Click();
  // "Print log".
  void PrintLog();

  // The current printer's name, or "No default printer assigned".
  std::string GetPrinterName() const;
  QPrinter& Printer() { return *printer_; }
  // True while a print runs.
  bool Running() const { return running_; }
  // The environment of the last job.
  const PrinterEnvironment& Environment() const { return environment_; }
  PrintDialog* OptionsDialog() const { return options_; }
  // Stand-ins for the dialogs (tests); nullptr gives back the windows.
  void SetDialogs(PrintDialogs* dialogs);

 private:
  // The report and/or the list, as PrintReport and PrintList choose; every item when `all`.
  void PrintItems(bool all);
  // Runs one text print (or two) as a run that other runs wait for.
  void RunPrint(const std::function<void(const PrintContext&, PrintTarget&)>& print);
  void Keep(const PrintResult& result);
  PrintContext MakeContext();
  void ShowPrinterName();

  Context ctx_;
  std::unique_ptr<QPrinter> printer_;
  PrintDialog* options_;
  std::unique_ptr<PrintDialogs> windows_;
  PrintDialogs* dialogs_;
  QAction* direct_ = nullptr;
  bool running_ = false;
  PrinterEnvironment environment_;
};

}  // namespace krellix
