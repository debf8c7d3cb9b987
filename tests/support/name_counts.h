#pragma once
// The "name count" lines that the reader checks print, as a map; other lines are
// skipped.

#include <map>
#include <sstream>
#include <string>

namespace zt6::test_support {

inline std::map<std::string, int> NameCounts(const std::string& output) {
  std::map<std::string, int> counts;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string::npos || blank + 1 == line.size() ||
        line.find_first_not_of("0123456789", blank + 1) != std::string::npos ||
        line.find(':') != std::string::npos)
      continue;
    counts[line.substr(0, blank)] = std::stoi(line.substr(blank + 1));
  }
  return counts;
}

}  // namespace zt6::test_support
