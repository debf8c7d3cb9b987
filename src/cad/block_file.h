#pragma once
// The screen's intermediate block files "$name.dx$": a plain sequence of DXF entity
// groups (code line, value line) ending with 0/EOF. The screen cannot hold block
// definitions, so each insert reads its block's file back and draws the entities.
// User-supplied logo files have the same form, so the reader trusts nothing.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zt6 {

// A block or logo file larger than this is no block file.
inline constexpr std::size_t kMaxBlockFileBytes = 64u << 20;

struct BlockVertex {
  double x = 0;
  double y = 0;
  double bulge = 0;
};

struct BlockEntity {
  enum class Kind { Line, Circle, Arc, Text, Solid, Polyline, Insert };
  Kind kind = Kind::Line;
  std::string layer;                // group 8
  std::array<double, 8> xy{};       // 10/20, 11/21, 12/22, 13/23
  double radius = 0;                // 40 (CIRCLE, ARC); text height for TEXT
  double angle1 = 0;                // 50: ARC start, TEXT and INSERT angle
  double angle2 = 0;                // 51: ARC end
  double scaleX = 1;                // 41: INSERT scale, TEXT width factor
  double scaleY = 1;                // 42: INSERT scale
  int flags = 0;                    // 70 of POLYLINE
  std::string text;                 // 1 of TEXT, 2 (block name) of INSERT
  std::vector<BlockVertex> vertices;
};

struct BlockFile {
  std::vector<BlockEntity> entities;
  std::vector<std::string> messages;  // "Error in DXF File" for a polyline without vertices
};

// One group: the code (-1 when the line is no integer) and the value line.
struct DxfGroup {
  int code = -1;
  std::string value;
};
std::vector<DxfGroup> ReadDxfGroups(std::string_view bytes);

// Entities up to 0/EOF or the end of the bytes; other entity names are skipped.
BlockFile ParseBlockFile(std::string_view bytes);

// A group value as a number: "," counts as decimal point, malformed reads as 0.
double BlockNumber(std::string_view value);

}  // namespace zt6
