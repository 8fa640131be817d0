#pragma once

#include <string>
#include <vector>

namespace krellix {

// What the command line asks of a start. `args[0]` is the program's full path.
struct StartupOptions {
  // The program's folder, with a trailing delimiter.
  std::string StartUpDir;
  // The command line as typed: the program's file name, then " " and each further argument.
  std::string StartUpParm;
  // "-i" or "-pe": the settings file is neither read nor written.
  bool SkipIni = false;
  // "-pe": started from a pre-installation environment.
  bool BartPE = false;
  // "-sf": scan results go to an output file instead of the item list.
  bool ScanToFile = false;
  // The directory named on the command line, as typed; "" when none is.
  std::string start_dir;
  // The log lines the switches write, in the order they were seen ("PE=Yes",
  // "Scan_to_file=Yes"); a repeated switch repeats its line.
  std::vector<std::string> log_lines;
};

// Reads the switches "-i", "-pe" and "-sf", compared without regard to case, and the start
// directory (ReadProgramArguments). Every argument becomes part of StartUpParm; args[0] is never
// a switch.
StartupOptions ParseCommandLine(const std::vector<std::string>& args);

// False when any argument, the program path included, is exactly "-ns" (case counts).
bool WantsSplash(const std::vector<std::string>& args);

}  // namespace krellix
