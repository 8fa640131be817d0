#include "base/program_arguments.h"

#include <string_view>

#include "base/product_info.h"
#include "platform/ascii_text.h"

namespace krellix {
namespace {

// The options QGuiApplication and QApplication read for themselves; they may be written with
// one or two dashes, and those with a value take it as the next argument or after "=".
struct QtOption {
  std::string_view name;
  bool takes_value;
};

constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

constexpr std::string_view kSwitches[] = {"-NS", "-I", "-PE", "-SF"};

bool IsSwitch(std::string_view arg) {
  const std::string upper = AsciiUpper(arg);
  for (std::string_view s : kSwitches) {
    if (upper == s) return true;
  }
  return false;
}

// The Qt option `arg` names, or nullptr. `inline_value` is set for "-style=fusion".
const QtOption* QtOptionOf(std::string_view arg, bool& inline_value) {
  if (arg.size() < 2 || arg[0] != '-') return nullptr;
  std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
  const std::size_t eq = name.find('=');
  inline_value = eq != std::string_view::npos;
  if (inline_value) name = name.substr(0, eq);
  for (const QtOption& o : kQtOptions) {
    if (o.name == name && (o.takes_value || !inline_value)) return &o;
  }
  return nullptr;
}

}  // namespace

ProgramRequest ReadProgramArguments(const std::vector<std::string>& args) {
  ProgramRequest r;
  bool options_ended = false;
  bool have_dir = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool option = !options_ended && arg.size() > 1 && arg[0] == '-';
    if (!option) {
      if (have_dir) {
        r.kind = ProgramRequest::Kind::kBadOption;
        r.error = "krellix: only one directory can be given ('" + r.start_dir + "', '" + arg + "')";
        return r;
      }
      r.start_dir = arg;
      have_dir = true;
      continue;
    }
    if (arg == "--") {
      options_ended = true;
    } else if (arg == "-h" || arg == "--help") {
      r.kind = ProgramRequest::Kind::kHelp;
      return r;
    } else if (arg == "--version") {
      r.kind = ProgramRequest::Kind::kVersion;
      return r;
    } else if (IsSwitch(arg)) {
      continue;
    } else {
      bool inline_value = false;
      const QtOption* qt = QtOptionOf(arg, inline_value);
      if (qt == nullptr) {
        r.kind = ProgramRequest::Kind::kBadOption;
        r.error = "krellix: unknown option '" + arg + "'\nTry 'krellix --help' for more.";
        return r;
      }
      if (qt->takes_value && !inline_value) ++i;
    }
  }
  return r;
}

std::string ProgramUsage() {
  return "Usage: krellix [OPTION]... [DIRECTORY]\n"
         "       krellix scan [DIRECTORY] [OPTION]...\n"
         "\n"
         "Krellix finds files and acts on them. The window starts in DIRECTORY when one is\n"
         "given, else in the directory of the last session (with \"Save last directory\" on)\n"
         "or in your documents folder.\n"
         "\n"
         "Start-up switches, in upper or lower case:\n"
         "  -ns          no splash picture while the window is built (lower case only)\n"
         "  -i           neither read nor write the settings file krellix.ini\n"
         "  -pe          as -i, for a start from a read-only system; the log says PE=Yes\n"
         "  -sf          scan to file: every scan writes its matches to an output file\n"
         "\n"
         "Other options:\n"
         "  -h, --help   show this help and exit\n"
         "      --version  show the version and exit\n"
         "  --           every argument that follows is the directory, even one starting\n"
         "               with '-'\n"
         "\n"
         "Qt's own options (-platform, -style, -stylesheet, -reverse, ...) go to Qt.\n"
         "'krellix scan --help' lists the options of a scan without a window.\n"
         "\n"
         "Exit status: 0 when the window was closed, 2 for an unknown option or a\n"
         "directory that cannot be opened.\n"
         "The help pages are in the program's Help menu (F1) and in 'man krellix'.\n";
}

std::string ProgramVersion() {
  std::string version = kVersion;
  while (!version.empty() && version.back() == ' ') version.pop_back();
  return std::string("Krellix ") + version + "\n" + kCopyright + "\n";
}

}  // namespace krellix
