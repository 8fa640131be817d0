#pragma once

#include <string>
#include <vector>

#include "output/locale_format.h"

namespace krellix {

// The exit status of `krellix scan`.
inline constexpr int kExitMatched = 0;
inline constexpr int kExitNoMatch = 1;
inline constexpr int kExitBadInput = 2;

// Runs `krellix scan` without a window: `args` is the command line from "scan" on (args[0] is
// "scan"). The settings come from the settings file (unless --no-ini) and the
// command line; the include and exclude lists from their files. The rows go to standard output
// or to the output file, through the same scan run and row format as "Scan to File"; a sort
// order other than "-" gathers the items first and writes them sorted, as "Save" does after a
// scan. Messages go to standard error; a reader of standard output that goes away ends the run
// quietly. While standard error is a terminal (and standard output is not), a progress line
// shows there. With "Save Logfile" on, the run's log is appended to the log file.
//
// Returns kExitMatched when anything matched, kExitNoMatch when nothing did, kExitBadInput for
// bad input or a failed output (with the message on standard error).
int RunHeadlessScan(const std::vector<std::string>& args, const LocaleFormat& locale);

}  // namespace krellix
