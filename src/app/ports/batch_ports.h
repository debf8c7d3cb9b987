#pragma once
// The Launcher and Printer of windowless runs: there is no desktop to start programs
// in and no print dialog, so both decline and say so.

#include <ostream>

#include "app/ports/launcher.h"
#include "app/ports/printer.h"

namespace zt6 {

class BatchLauncher : public Launcher {
 public:
  explicit BatchLauncher(std::ostream& err) : err_(err) {}
  bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
  bool Open(const std::string& fileOrAddress) override;

 private:
  std::ostream& err_;
};

class BatchPrinter : public Printer {
 public:
  explicit BatchPrinter(std::ostream& err) : err_(err) {}
  std::optional<PageRange> ChooseTextPages(int pages) override;
  bool BeginText(const PrintFont&) override { return false; }
  int PageHeight() override { return 0; }
  void NewPage() override {}
  void DrawTextLine(int, int, const std::string&) override {}
  void EndText() override {}

 private:
  std::ostream& err_;
};

}  // namespace zt6
