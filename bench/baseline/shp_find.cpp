// Finds one key in a dBASE table with shapelib, reading the key field of each row with
// DBFReadStringAttribute until it matches: a C library's reader as the baseline of the
// DBF find in bench/run.sh. Prints the record number and the row's NAME, as dbf_find.
//   shp_find TABLE.dbf KEY

#include <shapefil.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: shp_find TABLE.dbf KEY\n");
    return 2;
  }
  DBFHandle table = DBFOpen(argv[1], "rb");
  if (table == nullptr) {
    std::fprintf(stderr, "shp_find: cannot open %s\n", argv[1]);
    return 1;
  }
  const int keyField = DBFGetFieldIndex(table, "KEY");
  const int nameField = DBFGetFieldIndex(table, "NAME");
  const int rows = DBFGetRecordCount(table);
  const std::string key = argv[2];
  int result = 1;
  for (int row = 0; row < rows && keyField >= 0; ++row) {
    std::string text = DBFReadStringAttribute(table, row, keyField);
    text.erase(text.find_last_not_of(' ') + 1);
    if (text == key) {
      std::printf("%d %s\n", row + 1, DBFReadStringAttribute(table, row, nameField));
      result = 0;
      break;
    }
  }
  if (result != 0) std::printf("%s not found\n", key.c_str());
  DBFClose(table);
  return result;
}
