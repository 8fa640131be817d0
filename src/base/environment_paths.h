#pragma once

#include <string>

#include "platform/file_system.h"

namespace krellix {

// The folders and own files of the program. Every folder ends with the path delimiter.
struct EnvironmentPaths {
  std::string StartUpDir;
  std::string ApplData;
  std::string ProgFiles;
  std::string OpenWithDir;
  std::string MyDocs;
  // Where the program keeps its own files: beside the program when "krellix.ini" lies there
  // (a portable installation), else ApplData + "Krellix/".
  std::string KrellixApplData;
  std::string IniName;
  std::string LogName;
  std::string IncListName;
  std::string ExcListname;
  std::string FileListName;
  // The default output file; the live one is the output options' SaveName.
  std::string SaveName;
  // The first page of the help: StartUpDir + "help/index.html", or the installed one in
  // "../share/krellix/help/" from the program's folder when only that exists.
  std::string HelpName;
  std::string DefaultDir;
  std::string mruDir;
  // False when the per-user folder did not exist and could not be created.
  bool data_folder_ready = true;
};

// Resolves the paths from the program's folder and the user's special folders, creating the
// per-user "Krellix" folder when the installation is not portable. With no per-user folder
// known (ApplData empty) the program's own files live beside the program.
EnvironmentPaths ResolveEnvironmentPaths(const std::string& start_up_dir,
                                         const SpecialFolders& folders);

}  // namespace krellix
