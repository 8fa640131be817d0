#include "base/startup_options.h"

#include <algorithm>

#include "base/program_arguments.h"
#include "platform/ascii_text.h"
#include "platform/file_system.h"

namespace krellix {

StartupOptions ParseCommandLine(const std::vector<std::string>& args) {
  StartupOptions o;
  if (!args.empty()) {
    o.StartUpParm = NamePart(args[0]);
    o.StartUpDir = DirectoryPart(args[0]);
  }
  for (std::size_t i = 1; i < args.size(); ++i) {
    o.StartUpParm += " " + args[i];
    // The switches are plain ASCII: folding a to z is enough to compare them.
    const std::string sw = AsciiUpper(args[i]);
    if (sw == "-I") {
      o.SkipIni = true;
    } else if (sw == "-PE") {
      o.BartPE = true;
      o.SkipIni = true;
      o.log_lines.push_back("PE=Yes");
    } else if (sw == "-SF") {
      o.ScanToFile = true;
      o.log_lines.push_back("Scan_to_file=Yes");
    }
  }
  o.StartUpDir = WithTrailingDelim(o.StartUpDir);
  o.start_dir = ReadProgramArguments(args).start_dir;
  return o;
}

bool WantsSplash(const std::vector<std::string>& args) {
  return std::none_of(args.begin(), args.end(), [](const std::string& a) { return a == "-ns"; });
}

}  // namespace krellix
