// Writes N LINE entities (default 100,000) as a whole DXF file with the program's DXF
// writer, the way a drawing is written: header, tables, entities, then the file safely.
// bench/run.sh times it against ezdxf's r12writer writing the same lines.
//   dxf_lines OUT.dxf [N]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/safe_file.h"
#include "cad/dxf_file_writer.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dxf_lines OUT.dxf [N]\n");
    return 2;
  }
  const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100000;
  zt6::DxfFileWriter writer(4, zt6::CadTextMode::Oem, zt6::FormatSettings{}, zt6::DxfLayerTable{});
  writer.StartSheet(0, 0, 1000, 1000);
  writer.Tables(1);
  writer.BeginEntities();
  zt6::CadPrimitiveState state;
  state.layerName = "1";
  for (long i = 0; i < count; ++i) {
    const double x = static_cast<double>(i % 1000);
    const double y = static_cast<double>(i / 1000);
    writer.Line(state, x, y, x + 0.5, y + 0.25);
  }
  writer.EndSection();
  const zt6::SafeWriteResult written = zt6::WriteFileSafely(argv[1], writer.Finish());
  if (!written.ok) {
    std::fprintf(stderr, "dxf_lines: %s: %s\n", argv[1], written.error.c_str());
    return 1;
  }
  return 0;
}
