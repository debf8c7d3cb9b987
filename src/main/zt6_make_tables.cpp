// zt6_make_tables: builds the shipped dBASE tables from their CSV sources.
// Usage: zt6_make_tables OUTPUT_FOLDER SOURCE.csv ...  (each SOURCE.csv gives SOURCE.dbf)

#include <filesystem>
#include <iostream>
#include <string>

#include "base/safe_file.h"
#include "tables/dbf_writer.h"
#include "tables/table_source.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: zt6_make_tables OUTPUT_FOLDER SOURCE.csv ...\n";
    return 2;
  }
  const fs::path output = argv[1];
  std::error_code ec;
  fs::create_directories(output, ec);
  if (ec) {
    std::cerr << "zt6_make_tables: " << output.string() << ": " << ec.message() << "\n";
    return 1;
  }
  constexpr std::size_t kMaxSourceBytes = 16u << 20;
  for (int k = 2; k < argc; ++k) {
    const fs::path source = argv[k];
    const zt6::FileContent content = zt6::ReadWholeFile(source, kMaxSourceBytes);
    if (!content.ok) {
      std::cerr << "zt6_make_tables: cannot read " << source.string() << "\n";
      return 1;
    }
    const zt6::TableSource table = zt6::ParseTableSource(content.bytes);
    if (!table.ok) {
      std::cerr << source.string() << ":" << table.error << "\n";
      return 1;
    }
    const fs::path target = output / source.stem().concat(".dbf");
    const zt6::DbfCreateResult created =
        zt6::CreateDbfTable(target.string(), table.fields, table.records);
    if (!created.ok) {
      std::cerr << source.string() << ": " << created.error << "\n";
      return 1;
    }
  }
  return 0;
}
