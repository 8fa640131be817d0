#pragma once

namespace krellix {

// What the current printer reports for a job, in device pixels: the printable page, and the
// width and line height of "X" in the printer font.
struct PrinterMetrics {
  int page_width = 0;
  int page_height = 0;
  int font_width = 0;
  int font_height = 0;
};

// The page arithmetic of the text prints, in device pixels, recomputed before every job.
struct PrinterEnvironment {
  int prMarginH = 40;  // vertical margin
  int prMarginW = 20;  // horizontal margin
  int prFontH = 1;     // line height of "X" in the printer font
  int prFontW = 1;     // width of "X" in the printer font
  int prPageH = 0;     // printable height less both vertical margins
  int prPageW = 0;     // printable width less both horizontal margins
  int prLines = 0;     // whole lines of prFontH in prPageH

  bool operator==(const PrinterEnvironment&) const = default;
};

// The environment of a job on a printer reporting `metrics`. A font measuring less than one
// pixel counts as one pixel, so the divisions that follow never divide by zero.
PrinterEnvironment SetPrinterEnvironment(const PrinterMetrics& metrics);

struct PictureSize {
  int width = 0;
  int height = 0;

  bool operator==(const PictureSize&) const = default;
};

// The size a picture is drawn at on a page of `page`: as large as the page allows with the
// picture's proportions kept, filling the page's width or its height. Empty for an empty
// picture or page.
PictureSize FitPicture(PictureSize picture, PictureSize page);

}  // namespace krellix
