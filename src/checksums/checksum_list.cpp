#include "checksums/checksum_list.h"

#include "itemlist/item_list.h"
#include "platform/crlf_line_writer.h"
#include "platform/unicode_text.h"

namespace krellix {

std::vector<std::string> SelectedItemNames(const ItemList& items) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < items.Count(); ++i) {
    if (items.Selected(i) && items.IsItem(i)) names.push_back(GetItemListFilename(items, i));
  }
  return names;
}

std::string ChecksumLine(const ChecksumRow& row) { return row.checksum + "=" + row.name; }

std::string ChecksumListText(const std::vector<ChecksumRow>& rows) {
  std::string text;
  for (const ChecksumRow& row : rows) {
    text += ChecksumLine(row);
    text += kLineEnd;
  }
  return text;
}

ChecksumClip ChecksumClipboardText(const std::vector<ChecksumRow>& rows) {
  ChecksumClip clip{ChecksumListText(rows), false};
  const std::size_t cut = unicode::CharBoundary(clip.text, kChecksumClipboardLimit);
  if (cut < clip.text.size()) {
    clip.text.resize(cut);
    clip.truncated = true;
  }
  return clip;
}

FileResult SaveChecksumList(const std::string& path, const std::vector<ChecksumRow>& rows) {
  CrlfLineWriter writer;
  if (FileResult opened = writer.Open(path, WriteHow::kReplace); !opened) return opened;
  for (const ChecksumRow& row : rows) {
    if (!writer.WriteLine(ChecksumLine(row))) break;
  }
  return writer.Close();
}

}  // namespace krellix
