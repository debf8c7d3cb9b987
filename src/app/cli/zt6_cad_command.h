#pragma once
// "zt6 cad": one drawing of a project file as a DXF file, as an SVG picture of the
// screen drawing or printed on a PDF page, to a file or the standard output.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/design_options.h"
#include "app/cli/zt6_outputs.h"

namespace zt6 {

// args[0] is "cad". usageError prints a usage problem and gives the exit code.
int CadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<int(std::string_view)>& usageError,
               const Zt6Outputs& outputs = {});

struct DrawingRequest {
  std::string file;  // "" with a size: a new design
  DesignOptions design;
  int drawing = 1;              // 1..17 of the drawing list
  std::string format = "svg";   // dxf, igs, txt or svg
  int language = 0;             // 1 German, 2 English; 0 the configured words
  std::optional<std::string> tableFolder;
  std::optional<std::string> output;  // the -o file, whose name an IGES file records
};

// The drawing as "zt6 cad" writes it to standard output. kExitDone with the bytes,
// else the command's exit code after its message on err.
int DrawingBytes(const DrawingRequest& request, std::string& bytes, std::ostream& err);

}  // namespace zt6
