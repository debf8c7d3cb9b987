#pragma once
// The drawing command: one drawing kind on an output type, with the choices of the
// user through the prompts. The batch-CAD flag names the file after the project
// instead of asking.

#include <ctime>
#include <optional>
#include <string>

#include "app/ports/launcher.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "cad/cad_output.h"
#include "cad/cad_ports.h"

namespace zt6 {

class PromptCadPorts : public CadPorts {
 public:
  PromptCadPorts(Program& program, Prompts& prompts, Launcher& launcher)
      : program_(program), prompts_(prompts), launcher_(launcher) {}

  bool batchCad = false;  // name files after the project instead of asking
  int repaintRequests = 0;

  std::optional<int> ChooseOutputType() override;
  std::optional<std::string> ChooseOutputFile(const std::string& extension) override;
  bool ChoosePlotCommandLine() override;
  void ShowStatus(const std::string& cp850) override;
  void RunPlotProgram(const std::string& dxfFile) override;
  void ReportWriteError(const std::string& file, const std::string& error) override;
  void RequestRepaint() override { ++repaintRequests; }
  void SetWaitCursor(bool on) override { prompts_.ui().SetWaitCursor(on); }

 private:
  Program& program_;
  Prompts& prompts_;
  Launcher& launcher_;
};

enum class DrawingOutcome { Drawn, Cancelled, FatalRun, NotAvailable };

// A fatal last calculation shows the run summary instead of drawing.
DrawingOutcome DrawingCommand(Program& program, Prompts& prompts, CadPorts& ports, int kind,
                              CadOutputType type,
                              const std::optional<std::tm>& fixedTime = std::nullopt);

// The drawing list: one drawing after the other on the output type until "return"
// or Cancel. A fatal last calculation shows the run summary instead of the list.
void DrawingMenu(Program& program, Prompts& prompts, CadPorts& ports, CadOutputType type);

}  // namespace zt6
