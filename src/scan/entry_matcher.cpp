#include "scan/entry_matcher.h"

#include <algorithm>
#include <string_view>

#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"
#include "platform/attributes.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/unicode_text.h"
#include "scan/scan_tokens.h"

namespace krellix {
namespace {

// Size limit in bytes from a checked box, or the message for a box that holds no integer.
std::optional<ScanError> SizeLimitBytes(const SizeLimit& limit, std::int64_t& bytes) {
  const auto number = ParseSizeBox(limit.text);
  if (!number) return ScanError{"''" + limit.text + "'' is not a valid integer value"};
  bytes = limit.kbytes ? *number * 1024 : *number;
  return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> ParseSizeBox(const std::string& text) {
  std::string_view number = text;
  while (number.starts_with(' ')) number.remove_prefix(1);
  while (number.ends_with(' ')) number.remove_suffix(1);
  // The boxes hold at most nine digits; a longer number from elsewhere must still fit.
  const bool sign = number.starts_with('+') || number.starts_with('-');
  if (number.size() - (sign ? 1 : 0) > 15) return std::nullopt;
  return ParseSignedDecimal<std::int64_t>(number);
}

std::optional<ScanError> ScanStringError(const std::string& scan_text) {
  for (const std::string& token : TokeniseScanString(scan_text)) {
    const TokenTest t = ClassifyToken(token);
    int error_pos = 0;
    if (!t.substring && !Mask::Parse(t.tested, &error_pos)) {
      return ScanError{Mask::InvalidMaskMessage(t.tested, error_pos)};
    }
  }
  return std::nullopt;
}

EntryMatcher::EntryMatcher(const SelectionCriteria& criteria, ScanState& state, ItemList& items,
                           ScanHost& host, Prompter& prompter, VolumeLabels& volumes)
    : criteria_(criteria),
      state_(state),
      items_(items),
      host_(host),
      prompter_(prompter),
      volumes_(volumes) {}

std::vector<EntryMatcher::Token>& EntryMatcher::TokensFor(const std::string& scan_text) {
  if (!tokens_valid_ || scan_text != tokens_source_) {
    tokens_source_ = scan_text;
    tokens_valid_ = true;
    tokens_exact_.clear();
    tokens_upper_.clear();
    for (std::string& raw : TokeniseScanString(scan_text)) {
      TokenTest test = ClassifyToken(raw);
      Token t;
      t.substring = test.substring;
      t.tested = std::move(test.tested);
      t.text = std::move(raw);
      Token upper = t;
      upper.tested = unicode::UpperCase(t.tested);
      tokens_exact_.push_back(std::move(t));
      tokens_upper_.push_back(std::move(upper));
    }
  }
  return criteria_.ignore_case ? tokens_upper_ : tokens_exact_;
}

std::string EntryMatcher::TestText(const std::string& name) const {
  std::string x;
  if (criteria_.use_path || criteria_.incl_dir_names) x += DirectoryPart(name);
  if (criteria_.use_name) x += GetFilenameOnly(name);
  if (criteria_.use_ext) x += ExtensionOf(name);
  return x;
}

std::optional<ScanError> EntryMatcher::NameTest(const std::string& entry_name, bool& c) {
  std::vector<Token>& tokens = TokensFor(criteria_.scan_text);
  const bool negate = criteria_.logic == ScanLogic::kNot;
  std::size_t count = 0;
  std::string x;
  bool have_x = false;
  for (Token& t : tokens) {
    state_.ScanString = t.substring;
    bool r = negate;
    if (t.substring) {
      if (!have_x) {
        x = TestText(criteria_.ignore_case ? unicode::UpperCase(entry_name) : entry_name);
        have_x = true;
      }
      if (x.find(t.tested) != std::string::npos) r = !negate;
    } else if (t.tested == "*.*" && !negate) {
      r = true;
    } else {
      if (!t.mask_tried) {
        t.mask_tried = true;
        t.mask = Mask::Parse(t.tested, &t.mask_error);
      }
      if (!t.mask) return ScanError{Mask::InvalidMaskMessage(t.tested, t.mask_error)};
      if (!have_x) {
        x = TestText(criteria_.ignore_case ? unicode::UpperCase(entry_name) : entry_name);
        have_x = true;
      }
      if (t.mask->Matches(x)) r = !negate;
    }
    if (r) ++count;
    c = r;
  }
  switch (criteria_.logic) {
    case ScanLogic::kOr:
      c = count > 0;
      break;
    case ScanLogic::kAnd:
      c = count == tokens.size();
      break;
    case ScanLogic::kNot:
      c = c && count >= tokens.size();
      break;
  }
  if (tokens.empty() || tokens.back().text.empty()) c = true;
  return std::nullopt;
}

std::optional<ScanError> EntryMatcher::ProcessFile(const std::string& entry_name,
                                                   EntryFacts& entry) {
  const SelectionCriteria& k = criteria_;
  // Recording a string the history already has at its front changes nothing, so one call per
  // distinct text of the run is enough.
  if (state_.TrackHist && (!history_recorded_ || k.scan_text != history_text_)) {
    host_.AddToHistory(k.scan_text);
    history_text_ = k.scan_text;
    history_recorded_ = true;
  }

  // Entry gates. Directories pass only when asked for, and "." and ".." never.
  bool c = true;
  const bool is_dir = entry.IsDirectory();
  if (is_dir) {
    if (!k.incl_dir_names || IsDotEntry(entry_name)) c = false;
  } else if (k.excl_filenames) {
    c = false;
  }
  if (c && !k.volume_id && entry.IsVolumeId()) c = false;

  if (!state_.ScanFolderAll) {
    if (c) {
      if (auto err = NameTest(entry_name, c)) return err;
    }
    if (c && !k.any_file) {
      const std::uint32_t a = entry.Attributes();
      c = (k.normal && (a & attr::kNormal)) || (k.system && (a & attr::kSystem)) ||
          (k.hidden && (a & attr::kHidden)) || (k.read_only && (a & attr::kReadOnly)) ||
          (k.archive && (a & attr::kArchive)) || (k.incl_dir_names && (a & attr::kDirectory)) ||
          (k.volume_id && (a & attr::kVolumeId));
    }
    if (c && k.min.enabled) {
      std::int64_t limit = 0;
      if (auto err = SizeLimitBytes(k.min, limit)) return err;
      c = entry.Size() >= limit;
    }
    if (c && k.max.enabled) {
      std::int64_t limit = 0;
      if (auto err = SizeLimitBytes(k.max, limit)) return err;
      c = entry.Size() <= limit;
    }
    auto in_range = [&c](const DateTimeRange& r, WallMs t) {
      if (c && r.from_date) c = WallDay(t) >= WallDay(r.from_date_value);
      if (c && r.to_date) c = WallDay(t) <= WallDay(r.to_date_value);
      if (c && r.from_time) c = WallTimeOfDay(t) >= WallTimeOfDay(r.from_time_value);
      if (c && r.to_time) c = WallTimeOfDay(t) <= WallTimeOfDay(r.to_time_value);
    };
    if (c && k.modified.AnyChecked()) in_range(k.modified, entry.Modified());
    if (c && k.created.AnyChecked()) in_range(k.created, entry.Created());
  }
  if (!c) return std::nullopt;

  ++state_.FileCount;
  if (stopped_) return std::nullopt;
  Emit(entry_name, entry);

  if (state_.FileCount >= state_.MaxItems) {
    const std::string question = std::to_string(state_.MaxItems) + " items found, continue?";
    if (prompter_.Ask(question, Buttons::kYesNo) == Answer::kYes) {
      state_.MaxItems += state_.ItemLimit;
    } else {
      stopped_ = true;
    }
  }
  return std::nullopt;
}

void EntryMatcher::Emit(const std::string& entry_name, EntryFacts& entry) {
  // One set of field buffers and one line buffer for the whole run: their capacity is reused
  // from match to match.
  ItemFields& f = fields_;
  const bool is_dir = entry.IsDirectory();
  f.Attr = is_dir ? "." : ":";
  if (state_.RetrieveVolumename) {
    f.Vol = volumes_.LabelOfDevice(entry.Device());
  } else {
    f.Vol.clear();
  }
  const auto slash = entry_name.rfind(kPathDelim);
  const std::size_t cut = slash == std::string::npos ? 0 : slash + 1;
  f.Path.assign(entry_name, 0, cut);
  f.File.assign(entry_name, cut);
  f.Size = std::to_string(entry.Size());
  FormatItemDate(entry.Modified(), f.Date);

  if (state_.ScanToFile) {
    if (ScanOutput* out = host_.Output()) out->Write(f);
    return;
  }
  ItemLayout layout;
  std::string& line = line_;
  BuildItemEntry(f, state_.SortOutput, &layout, line);
  const int length = static_cast<int>(unicode::CharCount(line));
  if (length > state_.MaxListLength) state_.MaxListLength = length;
  // A line whose characters are all one byte has a bound that is the sum of their advances,
  // above the width by its kerning at most: the bound stands as its width, since measuring
  // thousands of lines as wide as the widest costs more than the rest of the scan. The scroll
  // range may come out a few pixels wide, never narrow. Other lines are measured when they
  // could be wider than the widest so far.
  const int bound = host_.TextWidthBound(line);
  if (bound > state_.MaxListWidth) {
    const bool one_byte_chars = static_cast<std::size_t>(length) == line.size();
    state_.MaxListWidth =
        one_byte_chars ? bound : std::max(state_.MaxListWidth, host_.TextWidth(line));
  }
  items_.AddItem(line, layout);
}

}  // namespace krellix
