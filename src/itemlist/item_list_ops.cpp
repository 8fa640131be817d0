#include "itemlist/item_list_ops.h"

#include <array>
#include <charconv>

#include "itemlist/item_list.h"

namespace krellix {
namespace {

constexpr std::string_view kSep = " | ";

// Order of the fields in a line of each order, as letters.
std::string_view FieldOrder(char sort_output) {
  switch (sort_output) {
    case 'P':
    case '-':
      return "AVPFSD";
    case 'F':
      return "AVFSDP";
    case 'S':
      return "AVSPFD";
    case 'D':
      return "AVDPFS";
    default:
      return "";
  }
}

double SizeKbytes(std::string_view size) {
  std::int64_t bytes = 0;
  const auto [ptr, ec] = std::from_chars(size.data(), size.data() + size.size(), bytes);
  if (ec != std::errc() || ptr != size.data() + size.size()) return 0;
  return static_cast<double>(bytes) / 1024.0;
}

std::string NameFor(const ItemList& items, std::size_t i, char sort_output, bool full_path) {
  const std::string& line = items.Line(i);
  const std::string_view file = ItemFieldView(line, sort_output, 'F');
  if (!full_path) return std::string(file);
  return std::string(ItemFieldView(line, sort_output, 'P')).append(file);
}

}  // namespace

std::string_view ItemFieldView(std::string_view line, char sort_output, char field) {
  const std::string_view order = FieldOrder(sort_output);
  const auto index = order.find(field);
  if (index == std::string_view::npos) return {};
  std::string_view rest = line;
  for (std::size_t i = 0; i < index; ++i) {
    const auto sep = rest.find(kSep);
    if (sep == std::string_view::npos) return {};
    rest.remove_prefix(sep + kSep.size());
  }
  if (index + 1 == order.size()) return rest;
  return rest.substr(0, rest.find(kSep));
}

void SelectSimilar(ItemList& items, char sort_output) {
  const char key = sort_output == 'P'   ? 'P'
                   : sort_output == 'F' ? 'F'
                   : sort_output == 'S' ? 'S'
                   : sort_output == 'D' ? 'D'
                                        : '\0';
  if (key == '\0') return;
  for (std::size_t i = 1; i < items.Count(); ++i) {
    if (ItemFieldView(items.Line(i), sort_output, key) ==
        ItemFieldView(items.Line(i - 1), sort_output, key)) {
      items.SetSelected(i - 1, true);
      items.SetSelected(i, true);
    }
  }
}

bool MoveCurrentUp(ItemList& items) {
  const std::int64_t cur = items.Current();
  if (cur <= 0 || cur >= static_cast<std::int64_t>(items.Count())) return false;
  items.Swap(static_cast<std::size_t>(cur), static_cast<std::size_t>(cur - 1));
  items.SetCurrent(cur - 1);
  items.SetSelected(static_cast<std::size_t>(cur - 1), true);
  return true;
}

bool MoveCurrentDown(ItemList& items) {
  const std::int64_t cur = items.Current();
  if (cur < 0 || cur + 1 >= static_cast<std::int64_t>(items.Count())) return false;
  items.Swap(static_cast<std::size_t>(cur), static_cast<std::size_t>(cur + 1));
  items.SetCurrent(cur + 1);
  items.SetSelected(static_cast<std::size_t>(cur + 1), true);
  return true;
}

ClipboardNames BuildClipboardNames(const ItemList& items, char sort_output, bool full_path) {
  ClipboardNames out;
  if (items.SelectedCount() > 1) {
    out.any = true;
    const std::size_t room = kClipboardLimit - kClipboardTruncated.size();
    for (std::size_t i = 0; i < items.Count(); ++i) {
      if (!items.Selected(i)) continue;
      if (out.text.size() <= room) {
        out.text += NameFor(items, i, sort_output, full_path);
        out.text += "\r\n";
      } else {
        ++out.not_copied;
      }
    }
    if (out.not_copied > 0) out.text += kClipboardTruncated;
    if (out.text.size() > kClipboardLimit) {
      // Cut on a character boundary, never inside a multi-byte sequence.
      std::size_t cut = kClipboardLimit;
      while (cut > 0 && (static_cast<unsigned char>(out.text[cut]) & 0xC0) == 0x80) --cut;
      out.text.resize(cut);
    }
    return out;
  }
  const std::int64_t cur = items.Current();
  if (cur >= 0 && cur < static_cast<std::int64_t>(items.Count()) &&
      items.Selected(static_cast<std::size_t>(cur))) {
    out.any = true;
    out.text = NameFor(items, static_cast<std::size_t>(cur), sort_output, full_path) + "\r\n";
  }
  return out;
}

std::string AttributeLetters(std::uint32_t a) {
  static constexpr std::array<std::pair<std::uint32_t, char>, 11> kLetters{{{0x01, 'R'},
                                                                            {0x02, 'H'},
                                                                            {0x04, 'S'},
                                                                            {0x20, 'A'},
                                                                            {0x10, 'D'},
                                                                            {0x08, 'V'},
                                                                            {0x40, 'L'},
                                                                            {0x80, 'N'},
                                                                            {0x100, 'T'},
                                                                            {0x800, 'C'},
                                                                            {0x1000, 'O'}}};
  std::string s = "  [";
  for (const auto& [bit, letter] : kLetters) {
    if (a & bit) s.push_back(letter);
  }
  s.push_back(']');
  return s;
}

SelectionTotals TotalsOfSelection(const ItemList& items, char sort_output) {
  SelectionTotals t;
  if (items.SelectedCount() > 1) {
    for (std::size_t i = 0; i < items.Count(); ++i) {
      if (!items.Selected(i)) continue;
      ++t.count;
      t.kbytes += SizeKbytes(ItemFieldView(items.Line(i), sort_output, 'S'));
    }
    return t;
  }
  const std::int64_t cur = items.Current();
  if (cur >= 0 && cur < static_cast<std::int64_t>(items.Count()) &&
      items.Selected(static_cast<std::size_t>(cur))) {
    t.count = 1;
    t.kbytes =
        SizeKbytes(ItemFieldView(items.Line(static_cast<std::size_t>(cur)), sort_output, 'S'));
  }
  return t;
}

}  // namespace krellix
