#pragma once
// A Printer for tests: records each printed file with its contents at printing
// time (report files are temporary and may be gone when the test looks).

#include <string>
#include <vector>

#include "app/printer.h"

namespace zt6 {

class RecordingPrinter : public Printer {
 public:
  struct Job {
    std::string path;
    std::string contents;
  };

  std::vector<Job> jobs;
  bool succeed = true;  // what every call reports

  bool PrintTextFile(const std::string& path) override;
};

}  // namespace zt6
