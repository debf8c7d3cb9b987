#pragma once
// What the CAD output layer takes from the configuration and the run, gathered by
// the program before a drawing is produced.

#include <array>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "base/format_settings.h"
#include "cad/dxf_writer.h"

namespace zt6 {

enum class CadOutputType { Choose = 0, Dxf = 1, Iges = 2, Screen = 3, Plot = 4, Text = 5 };

// The extension of a CAD file of that type ("dxf", "igs", "txt"); "" for the others.
const char* ExtensionOf(CadOutputType type);

struct CadSettings {
  std::array<std::string, 6> layerNames{"0", "1", "2", "3", "4", "5"};  // layers 0..5
  std::array<int, 6> layerColours{1, 2, 2, 2, 3, 1};                   // CAD colours 0..5
  std::array<int, 6> layerWidths{3, 1, 1, 1, 2, 3};                    // pixels, 0..5
  std::array<int, 16> colours16to31{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  std::array<int, 16> widths16to31{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  bool layerMonochrome = false;
  double textWidthFactor = 1.0;   // CAD text width factor
  double textAngle = 0.0;         // oblique angle of CAD texts
  std::string fontName = "TXT8";  // CP850
  double dimensionFactor = 1.0;   // <= 0 means 1.0
  int decimals = 6;               // DXF and text CAD files
  CadTextMode textMode = CadTextMode::Oem;
  FormatSettings format;
  bool printFrame = false;        // frame round the sheet on screen and plot outputs
  std::filesystem::path temporaryFolder;
  // The process's own folder for working files (the IGES parameter lines), made only
  // when asked for; empty when none can be made.
  std::function<std::filesystem::path()> workFolder;
  // The installation's texts (CP850) and the moment of the output, for file headers.
  std::string ownerText;
  std::string installationText;
  std::tm now{};
  // The screen footer: date, time, program and project file, CP850; empty: none.
  std::string footerText;
};

}  // namespace zt6
