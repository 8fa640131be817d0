#include "headless/scan_options.h"

#include <getopt.h>

#include <array>
#include <deque>
#include <string_view>

#include "headless/headless_settings.h"
#include "headless/option_values.h"
#include "navigation/directory_path.h"
#include "navigation/list_files.h"
#include "platform/file_system.h"

namespace krellix {
namespace {

using Refusal = std::optional<std::string>;
// Applies an option: `on` is false for its "--no-" form.
using Apply = Refusal (*)(HeadlessSettings& s, const std::string& value, bool on,
                          const std::string& cwd);
// The option's state in `s`, for the defaults of --help.
using Shown = std::string (*)(const HeadlessSettings& s);

// Options that are no setting: they decide how the settings are read, or print the help.
enum class Role { kSetting, kIni, kNoIni, kHelp };

struct Option {
  const char* group;  // heading in --help
  const char* name;
  char short_name;
  const char* arg;  // the value's placeholder; nullptr for a switch
  const char* help;
  bool negatable;  // a check box: "--name" checks it, "--no-name" clears it
  Apply apply;
  Shown shown;
  Role role = Role::kSetting;
};

std::string OnOff(bool on) { return on ? "on" : "off"; }

// A check box of the window.
#define CHECK(group, name, help, expr)                                             \
  Option {                                                                         \
    group, name, 0, nullptr, help, true,                                           \
        [](HeadlessSettings& s, const std::string&, bool on, const std::string&) { \
          (expr) = on;                                                             \
          return Refusal();                                                        \
        },                                                                         \
        [](const HeadlessSettings& s) { return OnOff(expr); }                      \
  }
// An option with a value, or a switch that is no check box.
#define VALUE(group, name, short_name, arg, help, apply, shown) \
  Option { group, name, short_name, arg, help, false, apply, shown }

template <ScanLogic L>
Refusal SetLogic(HeadlessSettings& s, const std::string&, bool, const std::string&) {
  s.criteria.logic = L;
  return std::nullopt;
}
template <ScanLogic L>
std::string ShowLogic(const HeadlessSettings& s) {
  return OnOff(s.criteria.logic == L);
}

Refusal SetExclFilenames(HeadlessSettings& s, const std::string&, bool on, const std::string&) {
  s.criteria.excl_filenames = on;
  if (on) s.criteria.incl_dir_names = true;
  return std::nullopt;
}

template <SizeLimit SelectionCriteria::*L>
Refusal SetSize(HeadlessSettings& s, const std::string& v, bool, const std::string&) {
  if (!IsSizeBoxText(v)) return "''" + v + "'' is not a valid integer value";
  (s.criteria.*L).text = v;
  (s.criteria.*L).enabled = true;
  return std::nullopt;
}
template <SizeLimit SelectionCriteria::*L>
std::string ShowSize(const HeadlessSettings& s) {
  const SizeLimit& l = s.criteria.*L;
  return l.enabled ? l.text : "off";
}
template <SizeLimit SelectionCriteria::*L>
Refusal SetUnit(HeadlessSettings& s, const std::string& v, bool, const std::string&) {
  const std::optional<bool> kbytes = ParseSizeUnit(v);
  if (!kbytes) return "'" + v + "' is not a size unit (Kbytes or bytes)";
  (s.criteria.*L).kbytes = *kbytes;
  return std::nullopt;
}
template <SizeLimit SelectionCriteria::*L>
std::string ShowUnit(const HeadlessSettings& s) {
  return (s.criteria.*L).kbytes ? "Kbytes" : "bytes";
}

// One of the four boxes of the "Modified" or "Created" tab with its date or time.
template <DateTimeRange SelectionCriteria::*R, bool DateTimeRange::*Box,
          WallMs DateTimeRange::*Value, bool kDate>
Refusal SetWhen(HeadlessSettings& s, const std::string& v, bool, const std::string&) {
  const std::optional<WallMs> t = kDate ? ParseDateValue(v) : ParseTimeValue(v);
  if (!t) {
    return "'" + v +
           (kDate ? "' is not a valid date (yyyy-mm-dd)"
                  : "' is not a valid time (hh:mm or hh:mm:ss)");
  }
  s.criteria.*R.*Box = true;
  s.criteria.*R.*Value = *t;
  return std::nullopt;
}
template <DateTimeRange SelectionCriteria::*R, bool DateTimeRange::*Box>
std::string ShowWhen(const HeadlessSettings& s) {
  return OnOff(s.criteria.*R.*Box);
}
#define WHEN(group, name, range, box, value, is_date, help)                                        \
  VALUE(group, name, 0, (is_date) ? "DATE" : "TIME", help,                                         \
        (SetWhen<&SelectionCriteria::range, &DateTimeRange::box, &DateTimeRange::value, is_date>), \
        (ShowWhen<&SelectionCriteria::range, &DateTimeRange::box>))

// A directory of the command line as the lists hold it: absolute, with a trailing delimiter.
std::string ListedDirectory(const std::string& dir, const std::string& cwd) {
  return WithTrailingDelim(TreeForm(dir, cwd));
}

template <CheckList HeadlessSettings::*L>
Refusal AddListEntry(HeadlessSettings& s, const std::string& v, bool, const std::string& cwd) {
  (s.*L).entries.push_back({ListedDirectory(v, cwd), true, true});
  return std::nullopt;
}

template <CheckList HeadlessSettings::*L, std::string EnvironmentPaths::*F>
Refusal ReadListFile(HeadlessSettings& s, const std::string& v, bool, const std::string&) {
  if (!FileExists(v)) return "Cannot open: " + v;
  s.paths.*F = v;
  const std::string error = ReloadCheckList(s.*L, v);
  if (!error.empty()) return error;
  return std::nullopt;
}
template <std::string EnvironmentPaths::*F>
std::string ShowListFile(const HeadlessSettings& s) {
  return s.paths.*F;
}

enum class Existing { kAppend, kReplace, kPrompt };
template <Existing E>
Refusal SetExisting(HeadlessSettings& s, const std::string&, bool, const std::string&) {
  OutputOptions& o = s.app.output;
  o.OutFileAppend = E == Existing::kAppend;
  o.OutFileReplace = E == Existing::kReplace;
  o.OutFilePrompt = E == Existing::kPrompt;
  return std::nullopt;
}

const std::array kOptions = {
    VALUE(
        "Scan", "mask", 'm', "TEXT",
        "scan string: masks (* ? [a-z]) or words, separated by blanks or commas",
        [](HeadlessSettings& s, const std::string& v, bool, const std::string&) {
          s.criteria.scan_text = v;
          return Refusal();
        },
        [](const HeadlessSettings& s) { return s.criteria.scan_text; }),
    VALUE("Scan", "or", 0, nullptr, "Or: a match fits at least one token", SetLogic<ScanLogic::kOr>,
          ShowLogic<ScanLogic::kOr>),
    VALUE("Scan", "and", 0, nullptr, "And: a match fits every token", SetLogic<ScanLogic::kAnd>,
          ShowLogic<ScanLogic::kAnd>),
    VALUE("Scan", "not", 0, nullptr, "Not: a match fits none of the tokens",
          SetLogic<ScanLogic::kNot>, ShowLogic<ScanLogic::kNot>),
    CHECK("Scan", "ignore-case", "Ignore case: letter case does not count", s.criteria.ignore_case),
    CHECK("Scan", "incl-dir-names", "incl. dir. names: directories can match too",
          s.criteria.incl_dir_names),
    Option{"Scan", "excl-filenames", 0, nullptr,
           "excl. filenames: files never match (checks incl. dir. names)", true, SetExclFilenames,
           [](const HeadlessSettings& s) { return OnOff(s.criteria.excl_filenames); }},
    CHECK("Scan", "sub-dirs", "Sub-dirs.: scan all sub-directories", s.criteria.sub_dirs),

    CHECK("File", "path", "Path: test the directory part of the name", s.criteria.use_path),
    CHECK("File", "name", "Name: test the name without its extension", s.criteria.use_name),
    CHECK("File", "extension", "Extension: test the extension", s.criteria.use_ext),

    CHECK("Attrib", "any-file", "Any file: every attribute passes", s.criteria.any_file),
    CHECK("Attrib", "normal", "Normal: files without other attributes", s.criteria.normal),
    CHECK("Attrib", "read-only", "Read only: files without owner write permission",
          s.criteria.read_only),
    CHECK("Attrib", "hidden", "Hidden: names starting with a dot", s.criteria.hidden),
    CHECK("Attrib", "system", "System: devices, pipes and sockets", s.criteria.system),
    CHECK("Attrib", "archive", "Archive", s.criteria.archive),
    CHECK("Attrib", "volume-id", "Volume ID", s.criteria.volume_id),

    VALUE("Size", "min", 0, "NUMBER", "Min.: at least NUMBER (0 to 999999999) units",
          SetSize<&SelectionCriteria::min>, ShowSize<&SelectionCriteria::min>),
    VALUE("Size", "min-unit", 0, "UNIT", "unit of Min.: Kbytes (1024 bytes) or bytes",
          SetUnit<&SelectionCriteria::min>, ShowUnit<&SelectionCriteria::min>),
    VALUE("Size", "max", 0, "NUMBER", "Max.: at most NUMBER (0 to 999999999) units",
          SetSize<&SelectionCriteria::max>, ShowSize<&SelectionCriteria::max>),
    VALUE("Size", "max-unit", 0, "UNIT", "unit of Max.: Kbytes (1024 bytes) or bytes",
          SetUnit<&SelectionCriteria::max>, ShowUnit<&SelectionCriteria::max>),

    WHEN("Modified", "modified-from-date", modified, from_date, from_date_value, true,
         "From: modified on or after this day (yyyy-mm-dd)"),
    WHEN("Modified", "modified-to-date", modified, to_date, to_date_value, true,
         "To: modified on or before this day"),
    WHEN("Modified", "modified-from-time", modified, from_time, from_time_value, false,
         "From: modified at or after this time of day (hh:mm or hh:mm:ss)"),
    WHEN("Modified", "modified-to-time", modified, to_time, to_time_value, false,
         "To: modified at or before this time of day"),
    WHEN("Created", "created-from-date", created, from_date, from_date_value, true,
         "From: created on or after this day (yyyy-mm-dd)"),
    WHEN("Created", "created-to-date", created, to_date, to_date_value, true,
         "To: created on or before this day"),
    WHEN("Created", "created-from-time", created, from_time, from_time_value, false,
         "From: created at or after this time of day (hh:mm or hh:mm:ss)"),
    WHEN("Created", "created-to-time", created, to_time, to_time_value, false,
         "To: created at or before this time of day"),

    VALUE(
        "Directories", "list", 0, nullptr,
        "List: scan the checked entries of the include list instead of DIR",
        [](HeadlessSettings& s, const std::string&, bool, const std::string&) {
          s.list_only = true;
          return Refusal();
        },
        [](const HeadlessSettings& s) { return OnOff(s.list_only); }),
    CHECK("Directories", "scan-inc-list",
          "Include List when scanning Tree: scan the include list after DIR", s.state.ScanIncList),
    VALUE("Directories", "include", 0, "DIR", "add DIR, checked, to the include list",
          AddListEntry<&HeadlessSettings::include_list>, nullptr),
    VALUE("Directories", "exclude", 0, "DIR", "add DIR, checked, to the exclude list (Skip)",
          AddListEntry<&HeadlessSettings::exclude_list>, nullptr),
    VALUE("Directories", "include-list", 0, "FILE", "read the include list from FILE",
          (ReadListFile<&HeadlessSettings::include_list, &EnvironmentPaths::IncListName>),
          ShowListFile<&EnvironmentPaths::IncListName>),
    VALUE("Directories", "exclude-list", 0, "FILE", "read the exclude list from FILE",
          (ReadListFile<&HeadlessSettings::exclude_list, &EnvironmentPaths::ExcListname>),
          ShowListFile<&EnvironmentPaths::ExcListname>),

    VALUE(
        "Output", "output", 'o', "FILE", "write the rows to FILE instead of standard output",
        [](HeadlessSettings& s, const std::string& v, bool, const std::string&) {
          if (v.empty()) return Refusal("Invalid File name: " + v);
          s.output_file = v;
          return Refusal();
        },
        [](const HeadlessSettings&) { return std::string("standard output"); }),
    VALUE("Output", "append", 0, nullptr, "Append: add to an existing FILE",
          SetExisting<Existing::kAppend>,
          [](const HeadlessSettings& s) { return OnOff(s.app.output.OutFileAppend); }),
    VALUE("Output", "replace", 0, nullptr, "Replace: replace an existing FILE",
          SetExisting<Existing::kReplace>,
          [](const HeadlessSettings& s) { return OnOff(s.app.output.OutFileReplace); }),
    VALUE("Output", "prompt", 0, nullptr, "Prompt: leave an existing FILE alone and stop",
          SetExisting<Existing::kPrompt>,
          [](const HeadlessSettings& s) { return OnOff(s.app.output.OutFilePrompt); }),
    VALUE(
        "Output", "delimiter", 0, "TEXT", "Delimiter: TAB, COMMA, Version-0.3 or any text",
        [](HeadlessSettings& s, const std::string& v, bool, const std::string&) {
          s.app.output.OutputSep = DelimiterOf(v);
          return Refusal();
        },
        [](const HeadlessSettings& s) { return DelimiterName(s.app.output.OutputSep); }),
    CHECK("Output", "quoted", "Quoted strings: each column in double quotes", s.app.output.Quotes),
    CHECK("Output", "titles", "Title columns: a title row", s.app.output.Titles),
    CHECK("Output", "header", "Include Header: the header block", s.app.output.Headers),
    VALUE(
        "Output", "header-text", 0, "TEXT", "Output header: the user's line of the header block",
        [](HeadlessSettings& s, const std::string& v, bool, const std::string&) {
          s.app.output.Header2 = v;
          return Refusal();
        },
        [](const HeadlessSettings& s) { return s.app.output.Header2; }),
    CHECK("Output", "statistics", "Include Statistics: the statistics block (with --sort)",
          s.app.output.Statistics),
    VALUE(
        "Output", "csv", 0, nullptr,
        ".CSV settings: quoted, TAB, title row, no header, no statistics",
        [](HeadlessSettings& s, const std::string&, bool, const std::string&) {
          ApplyCsvPreset(s.app.output);
          return Refusal();
        },
        [](const HeadlessSettings& s) { return OnOff(s.app.output.SaveCSV); }),
    VALUE(
        "Output", "columns", 0, "LIST",
        "Include Scan string/Volume/Pathname/FileSize/FileDate: any of "
        "string,volume,path,size,date",
        [](HeadlessSettings& s, const std::string& v, bool, const std::string&) {
          if (!SetColumns(v, s.app.output)) {
            return Refusal("'" + v + "' is not a list of columns (string,volume,path,size,date)");
          }
          return Refusal();
        },
        [](const HeadlessSettings& s) { return ColumnsText(s.app.output); }),
    CHECK("Output", "glue-path", "Glue Path\\Filename: path and name in one column",
          s.app.output.GluePath),
    VALUE(
        "Output", "sort", 0, "ORDER",
        "P, F, S or D: sort by path, name, size or date, then write; -: write as found",
        [](HeadlessSettings& s, const std::string& v, bool, const std::string&) {
          const std::optional<ItemOrder> order = ParseSortOrder(v);
          if (!order) return Refusal("'" + v + "' is not a sort order (P, F, S, D or -)");
          s.state.SortOutput = *order;
          return Refusal();
        },
        [](const HeadlessSettings& s) { return std::string(1, LetterOf(s.state.SortOutput)); }),
    CHECK("Output", "retrieve-volume-name", "Retrieve Volume name: fill the volume column",
          s.state.RetrieveVolumename),
    VALUE(
        "Output", "null", '0', nullptr,
        "write only each match's full name, ended by a NUL byte (for xargs -0)",
        [](HeadlessSettings& s, const std::string&, bool, const std::string&) {
          s.null_names = true;
          return Refusal();
        },
        [](const HeadlessSettings& s) { return OnOff(s.null_names); }),

    Option{"Program", "ini", 0, "FILE", "read the settings from FILE", false, nullptr,
           [](const HeadlessSettings& s) { return s.paths.IniName; }, Role::kIni},
    Option{"Program", "no-ini", 0, nullptr, "read no settings file", false, nullptr, nullptr,
           Role::kNoIni},
    CHECK("Program", "save-logfile", "Save Logfile: append the scan's log to the log file",
          s.app.LogSave),
    Option{"Program", "help", 'h', nullptr, "show this help", false, nullptr, nullptr, Role::kHelp},
};

#undef CHECK
#undef VALUE
#undef WHEN

// getopt_long's value of an option: its place in kOptions, doubled, plus one for "--no-".
constexpr int kLongBase = 256;

const Option* ByShortName(int c) {
  for (const Option& o : kOptions) {
    if (o.short_name != 0 && o.short_name == c) return &o;
  }
  return nullptr;
}

// `text` broken at blanks into lines of at most `width` characters (a longer word stands
// alone); every line after the first starts with `indent` blanks.
std::string Wrapped(std::string_view text, std::size_t width, std::size_t indent) {
  std::string out;
  std::size_t line = 0;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    if (line > 0 && line + 1 + word.size() > width) {
      out += '\n' + std::string(indent, ' ');
      line = 0;
    } else if (line > 0) {
      out += ' ';
      ++line;
    }
    out += word;
    line += word.size();
  }
  return out;
}

}  // namespace

ScanRequest ParseScanArguments(const std::vector<std::string>& args) {
  ScanRequest r;
  // getopt_long keeps pointers to the names: a deque leaves them where they are.
  std::deque<std::string> names;
  std::vector<option> longs;
  std::string shorts = ":";  // a missing value is reported as ':'
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    const Option& o = kOptions[i];
    const int has_arg = o.arg != nullptr ? required_argument : no_argument;
    names.emplace_back(o.name);
    longs.push_back({names.back().c_str(), has_arg, nullptr, kLongBase + static_cast<int>(i) * 2});
    if (o.negatable) {
      names.push_back(std::string("no-") + o.name);
      longs.push_back(
          {names.back().c_str(), no_argument, nullptr, kLongBase + static_cast<int>(i) * 2 + 1});
    }
    if (o.short_name != 0) {
      shorts += o.short_name;
      if (o.arg != nullptr) shorts += ':';
    }
  }
  longs.push_back({nullptr, 0, nullptr, 0});

  std::vector<std::string> copy = args;
  std::vector<char*> argv;
  argv.reserve(copy.size() + 1);
  for (std::string& a : copy) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(args.size());

  // getopt_long keeps its place in globals: 0 starts it afresh, and it reports nothing itself.
  optind = 0;
  opterr = 0;
  int c = 0;
  while ((c = getopt_long(argc, argv.data(), shorts.c_str(), longs.data(), nullptr)) != -1) {
    std::size_t index = 0;
    bool on = true;
    if (c >= kLongBase) {
      index = static_cast<std::size_t>(c - kLongBase) / 2;
      on = (c - kLongBase) % 2 == 0;
    } else if (const Option* o = ByShortName(c)) {
      index = static_cast<std::size_t>(o - kOptions.data());
    } else {
      const std::string given = optind > 0 ? argv[optind - 1] : "";
      const std::string which = given.starts_with("--") || optopt == 0
                                    ? given
                                    : "-" + std::string(1, static_cast<char>(optopt));
      r.error =
          c == ':' ? "option '" + which + "' needs a value" : "unknown option '" + which + "'";
      return r;
    }
    const Option& o = kOptions[index];
    const std::string value = optarg != nullptr && o.arg != nullptr ? optarg : "";
    switch (o.role) {
      case Role::kHelp:
        r.help = true;
        break;
      case Role::kIni:
        r.ini = value;
        r.no_ini = false;
        break;
      case Role::kNoIni:
        r.ini.reset();
        r.no_ini = true;
        break;
      case Role::kSetting:
        r.edits.push_back({index, value, on});
        break;
    }
  }
  for (int i = optind; i < argc; ++i) {
    if (!r.directory.empty()) {
      r.error = "one directory at most: '" + r.directory + "' and '" + argv[i] + "'";
      return r;
    }
    r.directory = argv[i];
    if (r.directory.empty()) {
      r.error = "the directory is an empty text";
      return r;
    }
  }
  return r;
}

std::optional<std::string> ApplyScanEdits(const ScanRequest& request, HeadlessSettings& s,
                                          const std::string& cwd) {
  for (const ScanRequest::Edit& e : request.edits) {
    const Option& o = kOptions.at(e.option);
    if (Refusal refused = o.apply(s, e.value, e.on, cwd)) {
      return "--" + std::string(o.name) + ": " + *refused;
    }
  }
  return std::nullopt;
}

std::string ScanHelpText() {
  HeadlessSettings defaults = StartingSettings({}, 0);
  defaults.paths.IniName = "krellix.ini beside the program, else in ~/.config/Krellix/";
  defaults.paths.IncListName = "inclist.txt beside krellix.ini";
  defaults.paths.ExcListname = "exclist.txt beside krellix.ini";

  std::string text =
      "Usage: krellix scan [DIR] [OPTION]...\n"
      "Scans DIR (default: the current directory) without a window and writes one row per\n"
      "match to standard output, as \"Scan to File\" writes them. The criteria and output\n"
      "options come from the settings file, as the window keeps them; the options below\n"
      "override them. Shown defaults are the built-in ones, before the settings file.\n"
      "\n"
      "Exit status: 0 when something matched, 1 when nothing did, 2 on bad input (an option,\n"
      "mask or size that is not valid, a directory that cannot be read, an output file that\n"
      "cannot be written).\n";
  const char* group = "";
  for (const Option& o : kOptions) {
    if (std::string_view(group) != o.group) {
      group = o.group;
      text += std::string("\n") + group + "\n";
    }
    std::string left = "  ";
    left += o.short_name != 0 ? std::string("-") + o.short_name + ", " : "    ";
    left += o.negatable ? "--[no-]" : "--";
    left += o.name;
    if (o.arg != nullptr) left += std::string("=") + o.arg;
    constexpr std::size_t kHelpColumn = 34;
    constexpr std::size_t kLineWidth = 100;
    text += left;
    text += left.size() < kHelpColumn ? std::string(kHelpColumn - left.size(), ' ')
                                      : "\n" + std::string(kHelpColumn, ' ');
    std::string help = o.help;
    if (o.shown != nullptr) help += " (default: " + o.shown(defaults) + ")";
    text += Wrapped(help, kLineWidth - kHelpColumn, kHelpColumn) + '\n';
  }
  return text;
}

}  // namespace krellix
