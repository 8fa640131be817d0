#include "output/text_file.h"

namespace krellix {

FileResult TextFile::Open(const std::string& path, bool append) {
  return writer_.Open(path, append ? WriteHow::kAppend : WriteHow::kReplace);
}

bool TextFile::WriteLine(std::string_view line) {
  return writer_.Write(line) && writer_.Write("\r\n");
}

FileResult TextFile::Close() { return writer_.Commit(); }

}  // namespace krellix
