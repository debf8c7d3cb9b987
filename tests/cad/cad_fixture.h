#pragma once
// A CAD layer with recording ports, a drawing window and its own temporary folder,
// and a computed 12x14 serration for the drawing tests.

#include <optional>
#include <string>
#include <vector>

#include "base/safe_file.h"
#include "cad/block_file.h"
#include "cad/cad_output.h"
#include "cad/drawing_sheets.h"
#include "cad/drawing_window.h"
#include "calc/calculation_run.h"
#include "calc/run_messages.h"
#include "support/designs.h"
#include "support/temp_dir.h"

namespace zt6::cad_test {

class RecordingCadPorts : public CadPorts {
 public:
  std::optional<int> outputType = 1;
  std::optional<std::string> file;
  std::vector<std::string> plotted;
  std::vector<std::string> writeErrors;
  int repaints = 0;

  std::optional<int> ChooseOutputType() override { return outputType; }
  std::optional<std::string> ChooseOutputFile(const std::string&) override { return file; }
  bool plotLineChosen = true;
  bool ChoosePlotCommandLine() override { return plotLineChosen; }
  void ShowStatus(const std::string&) override {}
  void RunPlotProgram(const std::string& dxfFile) override { plotted.push_back(dxfFile); }
  void ReportWriteError(const std::string& f, const std::string&) override {
    writeErrors.push_back(f);
  }
  void RequestRepaint() override { ++repaints; }
  void SetWaitCursor(bool) override {}
};

struct CadFixture {
  test_support::TempDir dir{"cad"};
  bool cancel = false;
  RunMessages messages;
  DrawingWindow screen{cancel};
  RecordingCadPorts ports;
  CadOutput cad{screen, messages, cancel, ports};

  CadFixture() {
    CadSettings settings;
    settings.temporaryFolder = dir.path();
    cad.SetSettings(settings);
    ports.file = (dir.path() / "out.dxf").string();
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (int k = 1; k <= messages.Count(); ++k) texts.push_back(messages.Message(k));
    return texts;
  }

  // The groups of the DXF file written.
  std::vector<DxfGroup> DxfGroups() const {
    return ReadDxfGroups(ReadWholeFile(*ports.file, 1 << 26).bytes);
  }
};

// A DXF output with only entities on a sheet (0, 0)..(x2, y2): what one test draws
// between begin and finish, read back as groups.
template <typename Draw>
std::vector<DxfGroup> DrawDxf(CadFixture& f, Draw draw, double x2 = 100, double y2 = 100) {
  f.cad.StartOutput(CadOutputType::Dxf);
  f.cad.StartSheet(0, 0, x2, y2);
  f.cad.BeginEntities();
  draw(f.cad);
  f.cad.EndSection();
  f.cad.FinishOutput();
  return f.DxfGroups();
}

// Tables of the self-defined mode: nothing to look up.
class NoTables : public StandardTables {
 public:
  double Runout(double, RunMessages&) override { return 0.02; }
  bool ReadToleranceRow(ToleranceTable, DesignRecord&, RunMessages&) override { return false; }
  bool SizeByDiameter(double, DesignRecord&) override { return false; }
};

// 12x14 typed in by hand and calculated: z = 31.
inline DesignRecord Calculated12x14() {
  DesignRecord d = test_support::SelfDefined12x14();
  RunMessages messages;
  NoTables tables;
  CalculationRun(d, messages, tables);
  return d;
}

// One sheet with German words, the default formats and no documentation data.
inline bool Produce(CadFixture& f, const DesignRecord& d, int kind, CadOutputType type,
                    const DocumentationData& docs = {}, FrameOptions frame = {}) {
  static const Vocabulary words;
  static const FormatSettings format;
  const SheetContext context{d, words, format, docs, std::move(frame)};
  return ProduceDrawing(f.cad, context, kind, type);
}

}  // namespace zt6::cad_test
