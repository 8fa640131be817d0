#include "output/text_file.h"

namespace krellix {

TextFile::~TextFile() { Close(); }

bool TextFile::Open(const std::string& path, bool append) {
  Close();
  failed_ = false;
  file_ = std::fopen(path.c_str(), append ? "abe" : "wbe");
  if (file_ != nullptr) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
  return file_ != nullptr;
}

bool TextFile::WriteLine(std::string_view line) {
  if (file_ == nullptr || failed_) return false;
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
      std::fwrite("\r\n", 1, 2, file_) != 2) {
    failed_ = true;
  }
  return !failed_;
}

bool TextFile::Close() {
  if (file_ == nullptr) return true;
  bool ok = !failed_ && std::fflush(file_) == 0 && std::ferror(file_) == 0;
  // fclose always releases the stream, also when it reports an error.
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  failed_ = false;
  return ok;
}

}  // namespace krellix
