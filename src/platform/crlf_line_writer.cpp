#include "platform/crlf_line_writer.h"

namespace krellix {

FileResult CrlfLineWriter::Open(const std::string& path, WriteHow how) {
  return writer_.Open(path, how);
}

bool CrlfLineWriter::WriteLine(std::string_view line) {
  return writer_.Write(line) && writer_.Write(kLineEnd);
}

FileResult CrlfLineWriter::Close() { return writer_.Commit(); }

}  // namespace krellix
