#include "settings/settings_keys.h"

#include <array>

#include "base/environment_paths.h"
#include "itemlist/item_entry.h"
#include "platform/profile_file.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"

namespace krellix {
namespace {

enum class Kind { kBool, kInt, kString, kUnit, kLogic, kOrder, kDir };
// When a key is read and whether "Save" writes it.
enum Flags : unsigned {
  kReadOnly = 1,          // read, never written by the program
  kNotInScanToFile = 2,   // neither read nor written in scan-to-file mode
  kNonEmpty = 4,          // on reading, an empty value is ignored
  kOnlyWithSaveDir = 8,   // read only when SaveDir is on (and written only at shutdown)
  kNotWritten = 16,       // written by other code (shutdown), not by "Save"
  kFromDialog = 32,       // "Save" writes the configuration dialog's control, applied or not
  kReadEarly = 64,        // read by the loader's earlier steps, written here
  kAutoScan = 128,        // read into the stored AutoScan, written from the live one
  kFalseByDefault = 256,  // a missing key reads as false, not as the target's value
};

struct Key {
  const char* section;
  const char* name;
  Kind kind;
  unsigned flags;
  // The target, by kind: a bool, an int, a string, a unit button (kbytes flag), the scan logic
  // button that this key checks, the item order, or a directory string.
  bool& (*b)(const SettingsTargets&) = nullptr;
  int& (*i)(const SettingsTargets&) = nullptr;
  std::string& (*s)(const SettingsTargets&) = nullptr;
  ScanLogic logic = ScanLogic::kOr;
  // Where the loader reads a list before this key's group goes on (0: none).
  int stage_after = 0;
};

#define KBF(sec, key, flags, expr)                                                       \
  Key {                                                                                  \
    sec, key, Kind::kBool, flags, [](const SettingsTargets& t) -> bool& { return expr; } \
  }
#define KB(sec, key, expr) KBF(sec, key, 0, expr)
#define KI(sec, key, expr)                                                                  \
  Key {                                                                                     \
    sec, key, Kind::kInt, 0, nullptr, [](const SettingsTargets& t) -> int& { return expr; } \
  }
#define KS(sec, key, kind, flags, expr)                               \
  Key {                                                               \
    sec, key, kind, flags, nullptr, nullptr,                          \
        [](const SettingsTargets& t) -> std::string& { return expr; } \
  }
#define KUD(sec, key, expr)                                                                    \
  Key {                                                                                        \
    sec, key, Kind::kUnit, kFromDialog, [](const SettingsTargets& t) -> bool& { return expr; } \
  }
#define KLD(key, value) \
  Key { "Prefs", key, Kind::kLogic, kFromDialog, nullptr, nullptr, nullptr, value }

// Every single key, in reading order.
const std::array kKeys = {
    KBF("Form", "Swin", kReadEarly, t.app.SaveWin),
    KBF("Prefs", "Sfav", kReadEarly, t.app.SaveFav),
    KBF("Attr", "Y", kFromDialog, t.criteria.any_file),
    KBF("Attr", "N", kFromDialog, t.criteria.normal),
    KBF("Attr", "S", kFromDialog, t.criteria.system),
    KBF("Attr", "H", kFromDialog, t.criteria.hidden),
    KBF("Attr", "R", kFromDialog, t.criteria.read_only),
    KBF("Attr", "A", kFromDialog, t.criteria.archive),
    KBF("Attr", "D", kFromDialog, t.criteria.incl_dir_names),
    KBF("Attr", "O", kReadOnly, t.criteria.excl_filenames),
    KBF("Attr", "V", kFromDialog, t.criteria.volume_id),
    KBF("File", "fp", kFromDialog, t.criteria.use_path),
    KBF("File", "fn", kFromDialog, t.criteria.use_name),
    KBF("File", "fe", kFromDialog, t.criteria.use_ext),
    KB("File", "Subd", t.criteria.sub_dirs),
    KB("File", "Case", t.criteria.ignore_case),
    KUD("Size", "mnb", t.criteria.min.kbytes),
    KUD("Size", "mxb", t.criteria.max.kbytes),
    KB("Output", "Vol", t.app.output.ListVolume),
    KB("Output", "Path", t.app.output.ListPath),
    KB("Output", "Size", t.app.output.ListSize),
    KB("Output", "Date", t.app.output.ListDate),
    KBF("Confirm", "Condd", kReadOnly, t.app.confirm.delete_directory),
    KBF("Confirm", "Conrd", kReadOnly, t.app.confirm.rename_directory),
    KB("Confirm", "Conp", t.app.confirm.purge_file),
    KB("Confirm", "Cond", t.app.confirm.delete_file),
    KB("Confirm", "Conr", t.app.confirm.rename_file),
    KB("Confirm", "Prer", t.app.confirm.preview_rename_file),
    KB("Confirm", "Cona", t.app.confirm.attrib_file),
    KB("Prefs", "Logs", t.app.LogSave),
    KB("Prefs", "RemRen", t.app.RememberRename),
    KB("Prefs", "Progress", t.scan.ShowProgress),
    KB("Prefs", "Hint", t.app.ShowHints),
    KB("Prefs", "Rename", t.app.ShowRename),
    KB("Prefs", "Preview", t.app.ShowPreview),
    KB("Prefs", "SysTray", t.app.SysTray),
    KS("Prefs", "Arch", Kind::kString, 0, t.app.output.SaveName),
    KS("Prefs", "OpenWithDir", Kind::kString, 0, t.paths.OpenWithDir),
    KB("Prefs", "Thst", t.scan.TrackHist),
    Key{"Prefs", "Shst", Kind::kBool, 0,
        [](const SettingsTargets& t) -> bool& { return t.app.SaveHist; }, nullptr, nullptr,
        ScanLogic::kOr, 1},
    KS("Prefs", "dDir", Kind::kDir, kNonEmpty, t.paths.DefaultDir),
    KB("Prefs", "Sdir", t.app.SaveDir),
    KS("Prefs", "mDir", Kind::kDir, kNonEmpty | kOnlyWithSaveDir | kNotWritten, t.paths.mruDir),
    KI("Prefs", "Limit", t.scan.ItemLimit),
    KS("Output", "Sep", Kind::kString, 0, t.app.output.OutputSep),
    KS("Output", "Hdr2", Kind::kString, 0, t.app.output.Header2),
    KLD("Or", ScanLogic::kOr),
    KLD("And", ScanLogic::kAnd),
    KLD("Not", ScanLogic::kNot),
    KBF("Output", "Prep", kFromDialog, t.app.PrintReport),
    KBF("Output", "Plst", kFromDialog, t.app.PrintList),
    KBF("Prefs", "Auto", kNotInScanToFile | kAutoScan, t.app.tempAutoScan),
    Key{"Output", "Sort", Kind::kOrder, kNotInScanToFile},
    KI("Prefs", "StpInt", t.scan.StopIntvl),
    KBF("Output", "QStr", kFromDialog, t.app.output.Quotes),
    KBF("Output", "Titl", kFromDialog, t.app.output.Titles),
    KBF("Output", "Hdrs", kFromDialog, t.app.output.Headers),
    KBF("Output", "Stat", kFromDialog, t.app.output.Statistics),
    KB("Output", "LScan", t.app.output.ListScan),
    KB("Prefs", "RSStr", t.scan.ResetScanString),
    KB("Output", "Prompt", t.app.output.OutFilePrompt),
    KB("Output", "Append", t.app.output.OutFileAppend),
    KB("Output", "Replace", t.app.output.OutFileReplace),
    KBF("Prefs", "ComboComp", kFromDialog, t.app.ComboComp),
    KBF("Prefs", "ComboSort", kFromDialog, t.app.ComboSort),
    KB("Prefs", "Sinc", t.app.SaveIncList),
    KB("Prefs", "Sexc", t.app.SaveExcList),
    KB("Prefs", "Sflst", t.app.SaveFileList),
    KB("Prefs", "SkipIntro", t.app.SkipIntro),
    KB("Prefs", "RetrieveVolumename", t.scan.RetrieveVolumename),
    KBF("Prefs", "ScanIncList", kReadOnly, t.scan.ScanIncList),
    KB("Output", "GluePath", t.app.output.GluePath),
    Key{"Prefs", "SaveAddr", Kind::kBool, kFromDialog,
        [](const SettingsTargets& t) -> bool& { return t.app.SaveAddr; }, nullptr, nullptr,
        ScanLogic::kOr, 2},
    KBF("Output", "CSV", kFromDialog, t.app.output.SaveCSV),
    KS("Prefs", "Cust1", Kind::kString, kFromDialog, t.app.CustOpt[0]),
    KS("Prefs", "Cust2", Kind::kString, kFromDialog, t.app.CustOpt[1]),
    KS("Prefs", "Cust3", Kind::kString, kFromDialog, t.app.CustOpt[2]),
    KS("Prefs", "Cust4", Kind::kString, kFromDialog, t.app.CustOpt[3]),
    KS("Prefs", "Cust5", Kind::kString, kFromDialog, t.app.CustOpt[4]),
    KBF("Prefs", "IncrScan", kNotInScanToFile | kFromDialog | kFalseByDefault, t.criteria.append),
};

#undef KB
#undef KBF
#undef KI
#undef KS
#undef KUD
#undef KLD

}  // namespace

void ReadSettingsKeys(const ProfileFile& file, SettingsTargets& t,
                      const std::function<void(int stage)>& between,
                      const OutOfRangeReport& report) {
  for (const Key& k : kKeys) {
    if (k.flags & kReadEarly) continue;
    if ((k.flags & kNotInScanToFile) && t.scan.ScanToFile) continue;
    if ((k.flags & kOnlyWithSaveDir) && !t.app.SaveDir) continue;
    switch (k.kind) {
      case Kind::kBool: {
        bool& target = k.b(t);
        target = file.ReadBool(k.section, k.name, (k.flags & kFalseByDefault) ? false : target);
        break;
      }
      case Kind::kInt: {
        int& target = k.i(t);
        target = ReadIntInRange(file, k.section, k.name, target, kWholeNumberRange, report);
        break;
      }
      case Kind::kString:
      case Kind::kDir: {
        const auto value = file.Read(k.section, k.name);
        if (value && !(value->empty() && (k.flags & kNonEmpty))) k.s(t) = *value;
        break;
      }
      case Kind::kUnit: {
        const auto value = file.Read(k.section, k.name);
        if (value) k.b(t) = *value != "bytes";
        break;
      }
      case Kind::kLogic:
        // Checking a scan logic button selects it; an unchecked one changes nothing.
        if (file.ReadBool(k.section, k.name, t.criteria.logic == k.logic)) {
          t.criteria.logic = k.logic;
        }
        break;
      case Kind::kOrder: {
        // Only an order the item lines know is taken; anything else would empty every field.
        const auto value = file.Read(k.section, k.name);
        if (value && value->size() == 1 && ItemOrderOf((*value)[0])) {
          t.scan.SortOutput = *ItemOrderOf((*value)[0]);
        }
        break;
      }
    }
    if (k.stage_after != 0 && between) between(k.stage_after);
  }
}

void WriteSettingsKeys(ProfileFile& file, const SettingsTargets& fields,
                       const SettingsTargets& dialog) {
  for (const Key& k : kKeys) {
    if (k.flags & (kReadOnly | kNotWritten)) continue;
    if ((k.flags & kNotInScanToFile) && fields.scan.ScanToFile) continue;
    const SettingsTargets& t = (k.flags & kFromDialog) ? dialog : fields;
    switch (k.kind) {
      case Kind::kBool:
        file.WriteBool(k.section, k.name, (k.flags & kAutoScan) ? t.scan.AutoScan : k.b(t));
        break;
      case Kind::kInt:
        file.WriteInt(k.section, k.name, k.i(t));
        break;
      case Kind::kString:
      case Kind::kDir:
        file.Write(k.section, k.name, k.s(t));
        break;
      case Kind::kUnit:
        file.Write(k.section, k.name, k.b(t) ? "Kbytes" : "bytes");
        break;
      case Kind::kLogic:
        file.WriteBool(k.section, k.name, t.criteria.logic == k.logic);
        break;
      case Kind::kOrder:
        file.Write(k.section, k.name, std::string(1, LetterOf(t.scan.SortOutput)));
        break;
    }
  }
}

}  // namespace krellix
