#include "app/startup/help_screen.h"

namespace zt6 {

const std::vector<std::string>& HelpScreenLines() {
  static const std::vector<std::string> lines = {
      "ZT6 Command Line Mode",
      "",
      "wzt6 Filename [/I] [/CADi:j] [/NOGUI]",
      "",
      "/I       -> TXT file",
      "",
      "/CADi:j  -> CAD File",
      "            i: 1=DXF, 2=IGS, 5=TXT",
      "            j: index (1,2,3, ..)",
      "",
      "/NOGUI  -> No GUI, exit on fatal error",
      "",
      "",
      "",
      "/?       -> Help",
      "",
      "",
      "Example: wzt6 test.zt6             ->  GUI",
      "Example: wzt6 test.zt6 /I /NOGUI   ->  test.txt",
      "Example: wzt6 test.zt6 /CAD1:1     ->  test.dxf",
      "Example: wzt6 test.edi /E /NOGUI   ->  test.edi",
  };
  return lines;
}

}  // namespace zt6
