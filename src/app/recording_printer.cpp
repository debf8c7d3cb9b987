#include "app/recording_printer.h"

#include <fstream>
#include <sstream>

namespace zt6 {

bool RecordingPrinter::PrintTextFile(const std::string& path) {
  std::ostringstream contents;
  std::ifstream in(path, std::ios::binary);
  if (in && in.peek() != std::ifstream::traits_type::eof()) contents << in.rdbuf();
  jobs.push_back({path, contents.str()});
  return succeed;
}

}  // namespace zt6
