// A dBASE table of N rows and the search for one key in it, the way the program finds
// a row: open, index on the key field, find. bench/run.sh times "find" against
// ogrinfo scanning the same file.
//   dbf_find make TABLE.dbf N     a table KEY C 10, NAME C 24, VALUE N 12 3
//   dbf_find find TABLE.dbf KEY   prints the record number and the row's NAME

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/run_messages.h"
#include "tables/current_table.h"
#include "tables/dbf_error.h"
#include "tables/dbf_writer.h"

namespace {

std::string Key(long k) {
  char text[24];
  std::snprintf(text, sizeof text, "K%08ld", k);
  return text;
}

int Make(const std::string& path, long count) {
  std::vector<std::vector<std::string>> records;
  records.reserve(static_cast<std::size_t>(count));
  // Keys in a scattered order, so that the index has to sort.
  for (long i = 0; i < count; ++i) {
    const long k = (i * 7919) % count;
    records.push_back({Key(k), "Welle " + std::to_string(k), std::to_string(k) + ".125"});
  }
  const zt6::DbfCreateResult made = zt6::CreateDbfTable(
      path, {{"KEY", 'C', 10, 0}, {"NAME", 'C', 24, 0}, {"VALUE", 'N', 12, 3}}, records);
  if (!made.ok) {
    std::fprintf(stderr, "dbf_find: %s: %s\n", path.c_str(), made.error.c_str());
    return 1;
  }
  return 0;
}

int Find(const std::string& path, const std::string& key) {
  zt6::RunMessages messages;
  zt6::CurrentTable table(messages);
  try {
    table.DbfUsePath(path);
    table.DbfIndexOn("KEY", "bench");
    if (!table.DbfFind(key)) {
      std::printf("%s not found\n", key.c_str());
      return 1;
    }
    std::printf("%lld %s\n", static_cast<long long>(table.DbfRecNo()), table.DbfField(2).c_str());
  } catch (const zt6::DbfError& e) {
    std::fprintf(stderr, "dbf_find: %s\n", e.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "make") return Make(args[1], std::strtol(args[2].c_str(), nullptr, 10));
  if (args.size() == 3 && args[0] == "find") return Find(args[1], args[2]);
  std::fprintf(stderr, "usage: dbf_find make TABLE.dbf N | dbf_find find TABLE.dbf KEY\n");
  return 2;
}
