#pragma once

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_tree.h"

namespace krellix::test {

// A shell script in `tree` that writes the arguments it gets to `out`, each followed by a NUL
// byte, through a temporary file renamed at the end, so the file appears whole.
inline std::string ArgvRecorder(const TempTree& tree, const std::string& out) {
  const std::string script = tree.Path("record args");
  std::ofstream(script) << "#!/bin/sh\n"
                        << "printf '%s\\0' \"$@\" > '" << out << ".part'\n"
                        << "mv '" << out << ".part' '" << out << "'\n";
  ::chmod(script.c_str(), 0755);
  return script;
}

// The arguments `ArgvRecorder` wrote to `out`, waiting for the detached script to finish
// (a few seconds at most); empty when it never wrote.
inline std::vector<std::string> RecordedArgs(const std::string& out) {
  for (int tries = 0; tries < 200; ++tries) {
    std::ifstream in(out, std::ios::binary);
    if (in) {
      std::vector<std::string> args;
      std::string arg;
      while (std::getline(in, arg, '\0')) args.push_back(arg);
      return args;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return {};
}

}  // namespace krellix::test
