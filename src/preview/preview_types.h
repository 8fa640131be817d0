#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace krellix {

// How the preview shows a file, decided by its extension (from the last ".", compared in upper
// case).
enum class PreviewKind { kNone, kPicture, kText, kMedia };

// The kind for `full_name`. Pictures: .PNG .JPG .JPE .JPEG .GIF .TIF .TIFF .BMP .SVG .WEBP.
// Text: .BAT .C .CPP .CSS .HTM .HTML .INI .LOG .PAS .PHP .PHP3 .PHP4 .RTF .TXT .MD .SH .PY .H
// .HPP .JSON .XML .CSV .CFG .CONF. Media: .AVI .WMV .RMI .MID .MPG .MP3 .MPEG .WMA .WAV and
// the files "Play" accepts (IsMediaFile). With `force_text` every file but a media file shows
// as text; a media file plays.
PreviewKind PreviewKindOf(std::string_view full_name, bool force_text);

// True when the extension of `full_name`, compared in upper case, is one "Play" accepts:
// ".MP3", ".WMA", ".WAV", ".AVI", ".MPG", ".WMV", ".OGG", ".OGA", ".OPUS", ".FLAC", ".MP4",
// ".MKV", ".WEBM".
bool IsMediaFile(std::string_view full_name);

// How much of a text file the preview shows.
inline constexpr std::size_t kTextPreviewLimit = 1 << 20;

// What the text view shows of a file: its first bytes and, when it is longer, a closing note.
struct TextPreview {
  std::string bytes;
  std::uint64_t total = 0;
  bool cut = false;

  // "(only the first 1,048,576 of 5,000,000 bytes are shown)"
  std::string Note() const;
};

// Reads the start of `full_name` for the text view; nothing when it cannot be read.
std::optional<TextPreview> ReadTextPreview(const std::string& full_name,
                                           std::size_t limit = kTextPreviewLimit);

// The size of the picture control after one step of the mouse wheel, or nothing when the step
// does nothing: zooming in grows it by a tenth while it is smaller than the picture in height
// or width; zooming out shrinks it by a tenth while it is higher and wider than 15 pixels.
struct PictureSize {
  int width = 0;
  int height = 0;
  bool operator==(const PictureSize&) const = default;
};
std::optional<PictureSize> ZoomStep(PictureSize control, PictureSize natural, bool zoom_in);

}  // namespace krellix
