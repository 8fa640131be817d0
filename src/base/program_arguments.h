#pragma once

#include <string>
#include <vector>

namespace krellix {

// What a command line asks of the program before any window exists.
struct ProgramRequest {
  enum class Kind {
    kRun,        // open the window
    kHelp,       // print the usage text and end
    kVersion,    // print the version and end
    kBadOption,  // print `error` and end with status 2
  };
  Kind kind = Kind::kRun;
  // The directory to start in, as typed; "" for the usual start directory.
  std::string start_dir;
  std::string error;
};

// The exit status of a command line the program cannot follow.
inline constexpr int kExitUsage = 2;

// Reads `args` (args[0] is the program path). Known are the start-up switches -ns, -i, -pe and
// -sf in any letter case, -h and --help, --version, Qt's own options (which Qt takes out of the
// command line itself), and "--", after which every argument is a directory. One argument that
// is no option is the start directory. Anything else starting with "-", or a second directory,
// is a bad option.
ProgramRequest ReadProgramArguments(const std::vector<std::string>& args);

// The text of `krellix --help` and of `krellix --version`, each ending with a line feed.
std::string ProgramUsage();
std::string ProgramVersion();

}  // namespace krellix
