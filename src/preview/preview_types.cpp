#include "preview/preview_types.h"

#include <algorithm>
#include <array>

#include "platform/ascii_text.h"
#include "platform/file_reader.h"

namespace krellix {
namespace {

constexpr std::array<std::string_view, 10> kPictures = {".PNG", ".JPG",  ".JPE", ".JPEG", ".GIF",
                                                        ".TIF", ".TIFF", ".BMP", ".SVG",  ".WEBP"};
constexpr std::array<std::string_view, 24> kTexts = {
    ".BAT", ".C",   ".CPP",  ".CSS",  ".HTM", ".HTML", ".INI", ".LOG",
    ".PAS", ".PHP", ".PHP3", ".PHP4", ".RTF", ".TXT",  ".MD",  ".SH",
    ".PY",  ".H",   ".HPP",  ".JSON", ".XML", ".CSV",  ".CFG", ".CONF"};
constexpr std::array<std::string_view, 3> kPreviewOnlyMedia = {".RMI", ".MID", ".MPEG"};
constexpr std::array<std::string_view, 13> kPlayable = {".MP3", ".WMA", ".WAV", ".AVI",  ".MPG",
                                                        ".WMV", ".OGG", ".OGA", ".OPUS", ".FLAC",
                                                        ".MP4", ".MKV", ".WEBM"};

std::string UpperExtension(std::string_view full_name) {
  const std::size_t dot = full_name.rfind('.');
  const std::size_t slash = full_name.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return AsciiUpper(full_name.substr(dot));
}

template <std::size_t N>
bool In(const std::array<std::string_view, N>& table, const std::string& extension) {
  return std::find(table.begin(), table.end(), extension) != table.end();
}

std::string Grouped(std::uint64_t n) {
  std::string digits = std::to_string(n);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

}  // namespace

bool IsMediaFile(std::string_view full_name) { return In(kPlayable, UpperExtension(full_name)); }

PreviewKind PreviewKindOf(std::string_view full_name, bool force_text) {
  const std::string extension = UpperExtension(full_name);
  if (extension.empty()) return force_text ? PreviewKind::kText : PreviewKind::kNone;
  if (In(kPlayable, extension) || In(kPreviewOnlyMedia, extension)) return PreviewKind::kMedia;
  if (force_text || In(kTexts, extension)) return PreviewKind::kText;
  if (In(kPictures, extension)) return PreviewKind::kPicture;
  return PreviewKind::kNone;
}

std::string TextPreview::Note() const {
  return "(only the first " + Grouped(bytes.size()) + " of " + Grouped(total) + " bytes are shown)";
}

std::optional<TextPreview> ReadTextPreview(const std::string& full_name, std::size_t limit) {
  TextPreview text;
  if (!ReadFileStart(full_name, limit, text.bytes, text.total)) return std::nullopt;
  text.cut = text.total > text.bytes.size();
  return text;
}

std::optional<PictureSize> ZoomStep(PictureSize control, PictureSize natural, bool zoom_in) {
  if (zoom_in) {
    if (control.height >= natural.height && control.width >= natural.width) return std::nullopt;
    return PictureSize{control.width + control.width / 10, control.height + control.height / 10};
  }
  if (control.height <= 15 || control.width <= 15) return std::nullopt;
  return PictureSize{control.width - control.width / 10, control.height - control.height / 10};
}

}  // namespace krellix
