// Fuzzes the reader of the help images' HP-GL/2 plot files: any input is drawn without
// a crash or a hang, and every record it leaves in the command stream is complete.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cad/drawing_window.h"
#include "cad/hpgl_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  bool cancel = false;
  zt6::DrawingWindow drawing(cancel);
  drawing.Header(0, 0, 160, 120);
  zt6::DrawPlotFile(drawing, bytes);
  for (const std::string& record : drawing.Records())
    if (record.empty() || record.find(';') == std::string::npos) __builtin_trap();
  return 0;
}
