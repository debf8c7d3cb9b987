#pragma once
// What the CAD output layer asks of the program around it: the choices a user makes
// and the window it draws into. The desktop, batch runs and tests implement it.

#include <optional>
#include <string>

namespace zt6 {

class CadPorts {
 public:
  virtual ~CadPorts() = default;
  // The output type 1..5 from the "CAD-Code" list; nullopt = cancelled.
  virtual std::optional<int> ChooseOutputType() = 0;
  // The file to write for the extension ("dxf", "igs", "txt"); nullopt = cancelled.
  virtual std::optional<std::string> ChooseOutputFile(const std::string& extension) = 0;
  // Before the plot output is written: the user picks and edits the plot program's
  // command line; false = cancelled, nothing is written.
  virtual bool ChoosePlotCommandLine() = 0;
  // The plot output: a status line while it is written, the plot program after.
  virtual void ShowStatus(const std::string& cp850) = 0;
  virtual void RunPlotProgram(const std::string& dxfFile) = 0;
  // The finished file's bytes before they are written to the chosen file: true when
  // the program takes them itself (the companion command writes them where it was
  // asked to), so no file is written.
  virtual bool TakeOutput(const std::string& /*bytes*/) { return false; }
  // A CAD file could not be written; the previous file, if any, is unchanged.
  virtual void ReportWriteError(const std::string& file, const std::string& error) = 0;
  virtual void RequestRepaint() = 0;
  virtual void SetWaitCursor(bool on) = 0;
};

}  // namespace zt6
