#pragma once

#include <string>
#include <vector>

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "output/locale_format.h"
#include "output/output_options.h"
#include "platform/clock.h"
#include "platform/scripted_prompter.h"
#include "printing/print_job.h"
#include "scan/scan_state.h"

namespace krellix::test {

// A printer that keeps every job it is given. The default page has 1000 × 200 pixels inside
// the margins and a 10 × 10 font: 20 lines.
class FakePrintTarget final : public PrintTarget {
 public:
  PrinterMetrics metrics{1040, 280, 10, 10};
  bool accept = true;
  std::vector<PrintDocument> jobs;

  PrinterMetrics Metrics() override { return metrics; }
  bool Print(const PrintDocument& document) override {
    jobs.push_back(document);
    return accept;
  }
  std::string Name() override { return "Fake printer"; }
};

// Everything a text print reads and writes, with the clock at 2024-03-07 09:05:12.
struct PrintRig {
  PrintRig() {
    clock.SetFake([] { return FromCivil({2024, 3, 7, 9, 5, 12, 0}); });
  }

  PrintContext Context() {
    return {items,
            options,
            print_all,
            header1,
            state,
            log,
            prompter,
            clock,
            locale,
            [this](const std::string& text) { status = text; },
            [] { return std::string("*.txt"); },
            "Krellix Version 1.2.2 ",
            "(c) K",
            [this] { ++focus_steps; }};
  }
  // The log's texts without their stamps ("yyyy/mm/dd hh:nn:ss ").
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> texts;
    for (const std::string& line : log.Lines()) texts.push_back(line.substr(20));
    return texts;
  }
  // Whether a message with exactly this text was shown.
  bool WasShown(const std::string& text) const {
    for (const auto& m : prompter.messages) {
      if (m.text == text) return true;
    }
    return false;
  }

  Clock clock;
  ActivityLog log{clock};
  ItemList items;
  OutputOptions options;
  bool print_all = false;
  std::string header1;
  ScanState state;
  ScriptedPrompter prompter;
  LocaleFormat locale;
  std::string status;
  int focus_steps = 0;
  FakePrintTarget printer;
};

}  // namespace krellix::test
