#include "fileops/attrib_items.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <utility>
#include <vector>

#include "fileops/failure_text.h"
#include "itemlist/item_list.h"
#include "platform/attribute_writer.h"
#include "platform/attributes.h"
#include "platform/file_system.h"

namespace krellix {
namespace {

// Stands in for a renamed item's line until the run puts the line back under its new name.
constexpr std::string_view kRenamedMark = ":[--renamed--]";

std::uint32_t Apply(std::uint32_t word, AttribChoice choice, std::uint32_t bit) {
  if (choice == AttribChoice::kOn) return word | bit;
  if (choice == AttribChoice::kOff) return word & ~bit;
  return word;
}

// The name of `full` with the hidden mark given or taken; nothing when no visible name is left.
std::optional<std::string> HiddenName(const std::string& full, bool hidden) {
  const std::string dir = DirectoryPart(full);
  std::string name = NamePart(full);
  if (hidden) return dir + "." + name;
  name.erase(0, name.find_first_not_of('.'));
  if (name.empty()) return std::nullopt;
  return dir + name;
}

// Read-only, hidden and the time in turn; `name` follows a rename at once, so that a later
// failure leaves it naming the item as it is on disk.
FileResult WriteItem(const AttribChoices& choices, std::string& name, bool& unstored) {
  std::uint32_t word = 0;
  if (!ReadAttributes(name, word)) return FileError{name, "The item cannot be found", ENOENT};
  const std::uint32_t wanted = ApplyAttribChoices(word, choices);
  constexpr std::uint32_t kUnstorable = attr::kSystem | attr::kArchive;
  if ((wanted & kUnstorable) != (word & kUnstorable)) unstored = true;
  if ((wanted ^ word) & attr::kReadOnly) {
    if (FileResult r = SetReadOnly(name, (wanted & attr::kReadOnly) != 0); !r) return r;
  }
  if ((wanted ^ word) & attr::kHidden) {
    const std::optional<std::string> target = HiddenName(name, (wanted & attr::kHidden) != 0);
    if (!target) return FileError{name, "The name has nothing left once its dots go", EINVAL};
    if (FileResult r = RenameNoReplace(name, *target); !r) return r;
    name = *target;
  }
  if (choices.set_date) {
    const std::optional<CivilDateTime> stored = StoredModifiedTime(choices.date);
    if (!stored) return FileError{name, "The date lies outside the years 1980 to 2107", EINVAL};
    if (FileResult r = SetModifiedTime(name, *stored); !r) return r;
  }
  return {};
}

// The order line `i` was built in: the one that rebuilds its text from its fields.
ItemOrder OrderOf(const ItemList& items, std::size_t i, const ItemFields& fields) {
  for (const ItemOrder order :
       {ItemOrder::kPath, ItemOrder::kFile, ItemOrder::kSize, ItemOrder::kDate}) {
    if (BuildItemEntry(fields, order) == items.Line(i)) return order;
  }
  return ItemOrder::kPath;
}

struct RenamedLine {
  ItemFields fields;
  ItemOrder order;
  bool selected;
  bool current;
};

// Puts the renamed lines back under their new names. Their lines were marked in place during
// the run so that no index moved; now they go and come back where the list's order puts them.
// The current line stays on the same item.
void ReplaceRenamedLines(ItemList& items, const std::vector<RenamedLine>& renamed) {
  if (renamed.empty()) return;
  const std::int64_t current = items.Current();
  std::string current_text;
  if (current >= 0 && static_cast<std::size_t>(current) < items.Count()) {
    current_text = items.Line(static_cast<std::size_t>(current));
  }
  for (const RenamedLine& line : renamed) {
    if (line.current) current_text = BuildItemEntry(line.fields, line.order);
  }
  items.DeleteLines(kRenamedMark);
  for (const RenamedLine& line : renamed) {
    items.AddItem(line.fields, line.order);
    items.SetSelected(static_cast<std::size_t>(items.LastAddedIndex()), line.selected);
  }
  std::int64_t new_current =
      std::min<std::int64_t>(current, static_cast<std::int64_t>(items.Count()) - 1);
  for (std::size_t i = 0; i < items.Count(); ++i) {
    if (items.Line(i) == current_text) {
      new_current = static_cast<std::int64_t>(i);
      break;
    }
  }
  items.SetCurrent(new_current);
}

}  // namespace

std::uint32_t ApplyAttribChoices(std::uint32_t word, const AttribChoices& choices) {
  word = Apply(word, choices.read_only, attr::kReadOnly);
  word = Apply(word, choices.hidden, attr::kHidden);
  word = Apply(word, choices.archive, attr::kArchive);
  return Apply(word, choices.system, attr::kSystem);
}

std::optional<CivilDateTime> StoredModifiedTime(const CivilDateTime& t) {
  using namespace std::chrono;
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)},
                            day{static_cast<unsigned>(t.day)}};
  if (!date.ok() || t.year < 1980 || t.year > 2107) return std::nullopt;
  if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
    return std::nullopt;
  }
  CivilDateTime stored = t;
  stored.second -= stored.second % 2;
  stored.millisecond = 0;
  return stored;
}

Answer AttribFromItemList(FileOpsContext& ctx, const AttribChoices& choices, int& t,
                          std::int64_t selected_item, const std::string& name,
                          std::string& new_name, bool& unstored) {
  new_name = name;
  if (selected_item < 0) return Answer::kNo;
  const FileResult written = WriteItem(choices, new_name, unstored);
  if (!written) {
    ctx.log.AddLogLine("Attribute_Failed=" + name);
    ctx.prompter.ShowMessage(MessageKind::kError, FailureText(written.Error()));
    return ctx.prompter.Ask(
        "Attrib failed for " + name + "\r\ncontinue with next items (Yes) or Cancel?",
        Buttons::kYesCancel);
  }
  ++t;
  ctx.log.AddLogLine("Attribute_update=" + name);
  return Answer::kYes;
}

void AttribSelectedItems(FileOpsContext& ctx, const AttribDialog& dialog) {
  ItemList& items = ctx.items;
  if (items.Empty()) {
    ctx.prompter.ShowMessage(MessageKind::kInformation,
                             "Cannot set attributes from empty item list");
    return;
  }
  ctx.host.StopPreview();
  int t = 0;
  int total = 0;
  std::int64_t elapsed = 0;
  bool unstored = false;
  std::optional<AttribChoices> choices;
  if (items.SelectedCount() == 0) {
    ctx.prompter.ShowMessage(MessageKind::kInformation, "No items selected to set attributes");
  } else {
    choices = dialog();
  }
  if (choices) {
    ctx.host.BeginBusy();
    const std::int64_t start = ctx.clock.SteadyMs();
    Answer answer = Answer::kYes;
    const int step = std::max(1, ctx.state.StopIntvl);
    int polled = -1;
    std::vector<RenamedLine> renamed;
    for (std::size_t i = items.Count(); i-- > 0;) {
      // Once per count reached, not again at every unselected line while the count stands.
      if (total % step == 0 && total != polled) {
        polled = total;
        ctx.host.ShowStatus("Attributes updated for: " + std::to_string(total) + " items.");
        ctx.prompter.ProcessEvents();
      }
      if (answer == Answer::kCancel || !items.Selected(i)) continue;
      ++total;
      const std::string name = GetItemListFilename(items, i);
      if (ctx.confirm.attrib_file && answer != Answer::kYesToAll) {
        answer = ctx.prompter.Ask("Set attributes for " + name + " ? ", Buttons::kYesNoCancelAll);
      }
      if (answer != Answer::kYes && answer != Answer::kYesToAll) continue;
      std::string new_name;
      const Answer result = AttribFromItemList(ctx, *choices, t, static_cast<std::int64_t>(i), name,
                                               new_name, unstored);
      if (new_name != name && items.IsItem(i)) {
        ItemFields fields = items.Fields(i).ToFields();
        const ItemOrder order = OrderOf(items, i, fields);
        fields.File = NamePart(new_name);
        renamed.push_back({std::move(fields), order, items.Selected(i),
                           items.Current() == static_cast<std::int64_t>(i)});
        items.SetLine(i, kRenamedMark);
      }
      if (result == Answer::kCancel) answer = Answer::kCancel;
    }
    ReplaceRenamedLines(items, renamed);
    elapsed = ctx.clock.SteadyMs() - start;
    ctx.host.EndBusy();
  }
  ctx.host.ClearRenameBox();
  const std::string summary = "Attribute_count=" + std::to_string(t) +
                              " Total=" + std::to_string(total) +
                              " Time=" + FormatDuration(elapsed);
  ctx.host.ShowStatus(summary);
  ctx.log.AddLogLine(summary);
  if (unstored) {
    ctx.prompter.ShowMessage(MessageKind::kInformation,
                             "System and Archive cannot be stored on this file system; they "
                             "were left unchanged.");
  }
}

}  // namespace krellix
