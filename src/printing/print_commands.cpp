#include "printing/print_commands.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include "base/exclusive_run.h"
#include "printing/item_prints.h"
#include "printing/log_print.h"
#include "printing/print_dialog.h"
#include "printing/print_windows.h"
#include "printing/printer_output.h"
#include "printing/printer_target.h"
#include "settings/app_settings.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {

PrintCommands::PrintCommands(Context context, QObject* parent)
    : QObject(parent),
      ctx_(std::move(context)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      options_(new PrintDialog(ctx_.window)),
      windows_(std::make_unique<PrintWindows>(*options_, ctx_.window)),
      dialogs_(windows_.get()) {
  options_->choose_font = [this] { PrinterFont1Click(); };
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::Register(CommandRegistry& commands) {
  commands.Add("print.print", "&Print...", QKeySequence("Alt+P"), [this] { Print1Click(); });
  commands.Add("print.setup", "Printer &Setup", {}, [this] { PrinterSetup1Click(); });
  commands.Add("print.font", "Printer &Font", {}, [this] { PrinterFont1Click(); });
  commands.Add(
      "items.print", "Print selected items", QKeySequence("Ctrl+P"),
      [this] { PrintSelectedItems(); }, SelectionRule::kOneOrMore);
  direct_ = commands.Add("print.direct", "Direct print", {}, [this] { DirectPrint(); });
  // Qt Print Support carries a printer picture for desktops without an icon theme.
  direct_->setIcon(QIcon::fromTheme(
      "document-print",
      QIcon(":/qt-project.org/dialogs/qprintpreviewdialog/images/printer-24.png")));
  ShowPrinterName();

  // The log's menu may have been filled before this group existed: its entry becomes this
  // command.
  QAction* print_log = commands.ActionFor("log.print", "Print log");
  print_log->setEnabled(true);
  connect(print_log, &QAction::triggered, this, [this] { PrintLog(); });
  commands.Register("log.print", print_log);
}

void PrintCommands::SetDialogs(PrintDialogs* dialogs) {
  dialogs_ = dialogs != nullptr ? dialogs : windows_.get();
}

std::string PrintCommands::GetPrinterName() const { return krellix::GetPrinterName(*printer_); }

void PrintCommands::ShowPrinterName() { direct_->setToolTip(ToQt(GetPrinterName())); }

void PrintCommands::Print1Click() {
  if (running_ || ctx_.busy()) return;
  if (!dialogs_->ShowPrintOptions(ctx_.settings)) return;
  if (!dialogs_->ShowPrintDialog(*printer_)) return;
  ShowPrinterName();
  PrintItems(true);
}

void PrintCommands::PrintSelectedItems() { PrintItems(false); }

void PrintCommands::DirectPrint() { PrintItems(true); }

void PrintCommands::PrinterSetup1Click() {
  if (running_) return;
  dialogs_->ShowPrinterSetup(*printer_);
  ShowPrinterName();
}

void PrintCommands::PrinterFont1Click() {
  if (running_) return;
  if (auto chosen = dialogs_->ChooseFont(ctx_.settings.PrinterFont)) {
    ctx_.settings.PrinterFont = *chosen;
  }
}

void PrintCommands::PrintLog() {
  RunPrint(
      [this](const PrintContext& pc, PrintTarget& printer) { Keep(PrintLogfile(pc, printer)); });
}

void PrintCommands::PrintItems(bool all) {
  RunPrint([this, all](const PrintContext& pc, PrintTarget& printer) {
    AppSettings& s = ctx_.settings;
    s.PrintAllItems = all;
    bool stopped = false;
    if (s.PrintReport) {
      const PrintResult report = ReportSelectedItems(pc, printer);
      Keep(report);
      stopped = report.outcome == PrintOutcome::kCancelled;
    }
    // A stop asked for during the report holds for the list as well.
    if (s.PrintList && !stopped) Keep(ListSelectedItems(pc, printer));
    s.PrintAllItems = false;
  });
}

PrintContext PrintCommands::MakeContext() {
  return PrintContext{ctx_.items,       ctx_.settings.output, ctx_.settings.PrintAllItems,
                      ctx_.header1,     ctx_.state,           ctx_.log,
                      ctx_.prompter,    ctx_.clock,           ctx_.locale,
                      ctx_.show_status, ctx_.scan_text,       ctx_.window_title,
                      ctx_.copyright,   ctx_.after_print};
}

void PrintCommands::RunPrint(const std::function<void(const PrintContext&, PrintTarget&)>& print) {
  RunExclusively(running_, ctx_.busy, ctx_.after_run, [&] {
    ctx_.enable_run_commands(false);
    PrinterTarget printer(*printer_, ctx_.settings.PrinterFont);
    print(MakeContext(), printer);
    ctx_.enable_run_commands(true);
  });
}

void PrintCommands::Keep(const PrintResult& result) {
  if (result.outcome != PrintOutcome::kEmpty) environment_ = result.environment;
}

void PrintCommands::PrintImage(const QImage& image) {
  if (running_ || ctx_.busy() || !dialogs_->ShowPrinterSetup(*printer_)) return;
  ShowPrinterName();
  const bool printed = PrintJobOn(*printer_, "Krellix picture", [&](QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    environment_ =
        SetPrinterEnvironment(PrinterTarget(*printer_, ctx_.settings.PrinterFont).Metrics());
    const PictureSize size =
        FitPicture({image.width(), image.height()}, {device.width(), device.height()});
    painter.drawImage(QRect(0, 0, size.width, size.height), image);
    return painter.end();
  });
  if (!printed) ReportPrintFailure(MakeContext(), GetPrinterName());
}

void PrintCommands::PrintText(QTextDocument& document) {
  if (running_ || ctx_.busy() || !dialogs_->ShowPrinterSetup(*printer_)) return;
  ShowPrinterName();
  const bool printed = PrintJobOn(*printer_, "Krellix item print", [&](QPagedPaintDevice& device) {
    document.print(&device);
    return true;
  });
  if (!printed) ReportPrintFailure(MakeContext(), GetPrinterName());
}

}  // namespace krellix
