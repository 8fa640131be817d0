#include "platform/file_removal.h"

#include <gio/gio.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace krellix {
namespace {

// The errno value closest to a GIO error, so callers can tell the usual causes apart.
int ErrnoOf(const GError* error) {
  if (error->domain != G_IO_ERROR) return EIO;
  switch (error->code) {
    case G_IO_ERROR_NOT_FOUND:
      return ENOENT;
    case G_IO_ERROR_PERMISSION_DENIED:
      return EACCES;
    case G_IO_ERROR_READ_ONLY:
      return EROFS;
    case G_IO_ERROR_NO_SPACE:
      return ENOSPC;
    case G_IO_ERROR_FILENAME_TOO_LONG:
      return ENAMETOOLONG;
    case G_IO_ERROR_NOT_SUPPORTED:
      return ENOTSUP;
    default:
      return EIO;
  }
}

}  // namespace

FileResult PurgePath(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return ErrnoError(path, errno);
  std::error_code ec;
  std::filesystem::remove_all(path, ec);
  if (ec) return ErrnoError(path, ec.value());
  return {};
}

FileResult MoveToTrash(const std::string& path) {
  GFile* file = g_file_new_for_path(path.c_str());
  GError* error = nullptr;
  const bool trashed = g_file_trash(file, nullptr, &error);
  g_object_unref(file);
  if (trashed) return {};
  FileError failure{path, error->message, ErrnoOf(error)};
  if (failure.code == ENOTSUP) failure.reason = "No Trash can take files from this file system";
  g_error_free(error);
  return failure;
}

}  // namespace krellix
