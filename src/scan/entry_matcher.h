#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/entry_facts.h"
#include "platform/prompter.h"
#include "platform/volume_labels.h"
#include "scan/mask.h"
#include "scan/scan_host.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"

namespace krellix {

class ItemList;

// A failure that ends a scan run, with the message for the user.
struct ScanError {
  std::string message;
};

// Tests directory entries against the selection criteria and emits every match as an item
// line (or an output record in scan-to-file mode). Reads the criteria anew for every entry.
class EntryMatcher {
 public:
  EntryMatcher(const SelectionCriteria& criteria, ScanState& state, ItemList& items, ScanHost& host,
               Prompter& prompter, VolumeLabels& volumes);

  // Tests one entry. `entry_name` is the directory with its trailing delimiter followed by the
  // entry's name. Returns an error when a size box or a mask is malformed; the run then ends.
  std::optional<ScanError> ProcessFile(const std::string& entry_name, EntryFacts& entry);

  // The run's stop flag: set when the user declines to go on at the item limit.
  bool Stopped() const { return stopped_; }
  void ResetRun() {
    stopped_ = false;
    history_recorded_ = false;
  }

 private:
  struct Token {
    std::string text;    // as tokenised
    std::string tested;  // after ":" removal
    bool substring = true;
    std::optional<Mask> mask;  // parsed on first use
    int mask_error = 0;        // position of the fault once known bad
    bool mask_tried = false;
  };

  // The name test of the scan string; sets `count`.
  std::optional<ScanError> NameTest(const std::string& entry_name, bool& c);
  std::vector<Token>& TokensFor(const std::string& scan_text);
  std::string TestText(const std::string& name) const;
  void Emit(const std::string& entry_name, EntryFacts& entry);

  const SelectionCriteria& criteria_;
  ScanState& state_;
  ItemList& items_;
  ScanHost& host_;
  Prompter& prompter_;
  VolumeLabels& volumes_;
  bool stopped_ = false;
  bool history_recorded_ = false;
  std::string history_text_;
  ItemFields fields_;
  std::string line_;

  // Tokens of the last scan string seen, in both case forms; rebuilt when the text changes.
  std::string tokens_source_;
  bool tokens_valid_ = false;
  std::vector<Token> tokens_exact_;
  std::vector<Token> tokens_upper_;
};

// The message of the first mask of `scan_text` that is malformed, the one a scan would stop
// with once an entry reaches the name test; nothing when every mask is sound.
std::optional<ScanError> ScanStringError(const std::string& scan_text);

// Parses the text of a size box: an optional sign and decimal digits, blanks around allowed.
std::optional<std::int64_t> ParseSizeBox(const std::string& text);

}  // namespace krellix
