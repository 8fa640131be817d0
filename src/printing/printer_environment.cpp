#include "printing/printer_environment.h"

#include <algorithm>
#include <cstdint>

namespace krellix {

PrinterEnvironment SetPrinterEnvironment(const PrinterMetrics& metrics) {
  PrinterEnvironment env;
  env.prFontH = std::max(1, metrics.font_height);
  env.prFontW = std::max(1, metrics.font_width);
  env.prPageH = metrics.page_height - 2 * env.prMarginH;
  env.prPageW = metrics.page_width - 2 * env.prMarginW;
  env.prLines = std::max(0, env.prPageH / env.prFontH);
  return env;
}

PictureSize FitPicture(PictureSize picture, PictureSize page) {
  if (picture.width <= 0 || picture.height <= 0 || page.width <= 0 || page.height <= 0) return {};
  const std::int64_t w = picture.width, h = picture.height;
  const std::int64_t pw = page.width, ph = page.height;
  // Cross-multiplied, so the proportions compare exactly; both sides are scaled by the same
  // page edge, so the picture is never stretched out of shape.
  if (w * ph > pw * h) return {page.width, static_cast<int>(h * pw / w)};
  return {static_cast<int>(w * ph / h), page.height};
}

}  // namespace krellix
