#pragma once

#include <optional>
#include <string>
#include <vector>

namespace krellix {

struct HeadlessSettings;

// The command line of `krellix scan`, as read.
struct ScanRequest {
  bool help = false;
  // The settings file: --ini FILE, or none at all with --no-ini (the last of the two counts).
  std::optional<std::string> ini;
  bool no_ini = false;
  // The DIR argument as typed; "" when none was given.
  std::string directory;

  // An option that changes a setting, in command-line order: which one, its value ("" for a
  // switch) and whether it was the "--no-" form.
  struct Edit {
    std::size_t option = 0;
    std::string value;
    bool on = true;
  };
  std::vector<Edit> edits;

  // The message for a malformed command line; the rest is then incomplete.
  std::string error;
};

// Reads the arguments after "scan" (getopt_long rules: options and DIR in any order, "--"
// ends the options, "--name=value" or "--name value", unambiguous abbreviations).
ScanRequest ParseScanArguments(const std::vector<std::string>& args);

// Applies the edits in order to settings already read from the settings file. Relative
// directories are taken from `cwd`. The message of the first value that is refused, such as
// "''12a'' is not a valid integer value" for a size.
std::optional<std::string> ApplyScanEdits(const ScanRequest& request, HeadlessSettings& s,
                                          const std::string& cwd);

// The text of --help: usage, exit status and every option with what it does and its built-in
// default.
std::string ScanHelpText();

}  // namespace krellix
