#include "bench_support.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace krellix::bench {

void BuildTree(const std::string& root, long entries) {
  long made = 0, dir_no = 0;
  while (made < entries) {
    const std::string dir =
        root + "/d" + std::to_string(dir_no / 10) + "/s" + std::to_string(dir_no);
    std::filesystem::create_directories(dir);
    made += 2;
    for (int f = 0; f < 100 && made < entries; ++f, ++made) {
      std::ofstream(dir + "/file" + std::to_string(f) + (f % 3 ? ".txt" : ".dat")) << f;
    }
    ++dir_no;
  }
}

std::string MakeTempDir() {
  char tmpl[] = "/tmp/krellix-bench-XXXXXX";
  return ::mkdtemp(tmpl);
}

}  // namespace krellix::bench
