#pragma once
// The Printer port: paper output of text reports (drawings follow with the canvas).

#include <string>

namespace zt6 {

class Printer {
 public:
  virtual ~Printer() = default;
  // Prints a text file; false when nothing could be printed.
  virtual bool PrintTextFile(const std::string& path) = 0;
};

}  // namespace zt6
