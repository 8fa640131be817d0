#pragma once

#include <QString>
#include <string>
#include <vector>

#include "widgets/qt_text.h"

namespace krellix {

// Text from a field or list back to bytes. A name that is not UTF-8 cannot survive the trip
// through a QString, so text that reads exactly as one of `known` shows gives that name's own
// bytes; any other text is encoded as it was typed.
inline std::string BytesOfShown(const QString& shown, const std::vector<std::string>& known) {
  for (const std::string& name : known) {
    if (PathToQt(name) == shown) return name;
  }
  return PathFromQt(shown);
}

}  // namespace krellix
